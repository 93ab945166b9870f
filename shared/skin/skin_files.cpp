// The files a skin definition names, which attributes name them, and one small interface
// that reads them from a folder or a package.
#include "skin_files.h"

#include "file_paths.h"
#include "skin_document.h"
#include "skin_limits.h"
#include "skin_markup.h"
#include "skin_player.h"
#include "text_encoding.h"

#include <windows.h>

#include <algorithm>

namespace {

void AddReferences(const MarkupAttribute& attribute, MarkupLines* lines, std::vector<SkinFileReference>* references)
{
    if (attribute.fault != MarkupAttributeRead) return;
    for (const auto& range : SkinFileNameRanges(attribute.lowerName, attribute.value)) {
        if (references->size() > kSkinMostFileReferences) return;
        const MarkupPosition at = lines->At(attribute.OffsetOf(range.first));
        references->push_back({attribute.value.substr(range.first, range.second - range.first), at.line, at.column});
    }
}

}  // namespace

SkinFileNaming FileNamingOfAttribute(const std::wstring& lowerName)
{
    const size_t dot = lowerName.rfind(L'.');
    const std::wstring last = dot == std::wstring::npos ? lowerName : lowerName.substr(dot + 1);
    if (last == L"scriptfile") return SkinNamesFileList;
    // resizeBackgroundImage ends like an image but holds true or false.
    if (EndsWith(last, L"image") && last != L"resizebackgroundimage") return SkinNamesOneFile;
    return SkinNamesNoFile;
}

std::vector<std::pair<size_t, size_t>> SkinFileNameRanges(const std::wstring& lowerName, const std::wstring& value)
{
    std::vector<std::pair<size_t, size_t>> ranges;
    const SkinFileNaming naming = FileNamingOfAttribute(lowerName);
    if (naming == SkinNamesNoFile || IsBoundValue(value)) return ranges;
    if (naming == SkinNamesOneFile) {
        // The player's own images are no files of the skin.
        if (!value.empty() && !PlayerImageSide(value)) ranges.emplace_back(0, value.size());
        return ranges;
    }
    for (size_t from = 0; from <= value.size();) {
        size_t to = std::min(value.find(L';', from), value.size());
        size_t first = from, last = to;
        while (first < last && (value[first] == L' ' || value[first] == L'\t')) ++first;
        while (last > first && (value[last - 1] == L' ' || value[last - 1] == L'\t')) --last;
        if (first < last && !StartsWithNoCase(value, first, L"res://")) ranges.emplace_back(first, last);
        from = to + 1;
    }
    return ranges;
}

std::vector<SkinFileReference> ListSkinFileReferences(const std::wstring& text, bool* cut)
{
    std::vector<SkinFileReference> references;
    MarkupReader reader(text);
    MarkupLines lines(text);
    MarkupToken token;
    if (cut) *cut = false;
    while (reader.Next(&token)) {
        if (token.kind != MarkupStartTag) continue;
        for (size_t index = 0; index < token.attributeCount; ++index)
            AddReferences(token.attributes[index], &lines, &references);
        if (references.size() <= kSkinMostFileReferences) continue;
        if (cut) *cut = true;
        references.resize(kSkinMostFileReferences);
        break;
    }
    return references;
}

std::wstring DecodeSkinText(const std::string& bytes)
{
    const ReadPlan plan = PlanRead(EncodingOfFirstBytes(bytes.substr(0, 3)), ReadByMark);
    return DecodeDocumentBytes(bytes.substr(plan.markLength), plan.encoding, WindowTextUnicode, CP_ACP, false).text.wide;
}

bool NormaliseSkinFileName(const std::wstring& name, std::wstring* normal)
{
    normal->clear();
    if (name.empty() || name[0] == L'\\' || name[0] == L'/' || name.find(L':') != std::wstring::npos) return false;
    size_t from = 0;
    while (from <= name.size()) {
        size_t to = name.find_first_of(L"\\/", from);
        if (to == std::wstring::npos) to = name.size();
        const std::wstring part = name.substr(from, to - from);
        if (part == L"..") return false;
        if (!part.empty() && part != L".") {
            if (!normal->empty()) *normal += L'\\';
            *normal += part;
        }
        from = to + 1;
    }
    return !normal->empty();
}

bool SkinFileKey(const std::wstring& name, std::wstring* key)
{
    if (!NormaliseSkinFileName(name, key)) return false;
    LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, key->c_str(), static_cast<int>(key->size()), &(*key)[0],
                 static_cast<int>(key->size()));
    return true;
}

SkinFolderSource::SkinFolderSource(const std::wstring& folder) : folder_(folder)
{
    if (!folder_.empty() && folder_.back() != L'\\' && folder_.back() != L'/') folder_ += L'\\';
}

bool SkinFolderSource::Find(const std::wstring& name, SkinFileFacts* facts)
{
    if (folder_.empty()) return false;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW((folder_ + name).c_str(), GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    facts->stamp =
        static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
    facts->size = static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    return true;
}

bool SkinFolderSource::Read(const std::wstring& name, uint64_t most, std::string* bytes)
{
    return !folder_.empty() && ReadWholeFile(folder_ + name, bytes, most);
}
