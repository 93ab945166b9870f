// A skin package as the renderer reads it, and the first view of it that Ferncastle shows.
#include "skin_package.h"

#include "skin_document.h"
#include "skin_problem_text.h"
#include "text_encoding.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <set>

namespace {

void ReadTheme(const SkinDocument& document, PackagePreview* preview)
{
    for (const SkinNode& node : document.nodes) {
        if (!node.Is(SkinTheme)) continue;
        if (const std::wstring* title = node.Find(L"title")) preview->title = *title;
        if (const std::wstring* author = node.Find(L"author")) preview->author = *author;
        return;
    }
}

// One channel of the premultiplied pixels summed over a box of the source.
uint32_t AverageBox(const SkinPicture& picture, int left, int top, int right, int bottom)
{
    uint64_t sums[4] = {0, 0, 0, 0};
    for (int y = top; y < bottom; ++y) {
        const uint32_t* row = &picture.pixels[static_cast<size_t>(y) * picture.width];
        for (int x = left; x < right; ++x)
            for (int channel = 0; channel < 4; ++channel) sums[channel] += row[x] >> (8 * channel) & 0xFF;
    }
    const uint64_t count = static_cast<uint64_t>(right - left) * (bottom - top);
    uint32_t pixel = 0;
    for (int channel = 0; channel < 4; ++channel)
        pixel |= static_cast<uint32_t>((sums[channel] + count / 2) / count) << (8 * channel);
    return pixel;
}

// A package's path, size and last-write time: another key whenever the file changes.
std::wstring FileKey(const std::wstring& path, uint64_t size, const FILETIME& written)
{
    const uint64_t time = static_cast<uint64_t>(written.dwHighDateTime) << 32 | written.dwLowDateTime;
    return path + L"|" + std::to_wstring(size) + L"|" + std::to_wstring(time);
}

}  // namespace

std::wstring SkinPackageSource::Identity() const
{
    return FileKey(package_.path, package_.fileSize, package_.lastWrite);
}

bool SkinPackageSource::Find(const std::wstring& name, SkinFileFacts* facts)
{
    const PackageEntry* entry = FindPackageEntry(package_, name);
    if (!entry) return false;
    facts->stamp = entry->header.crc;
    facts->size = entry->header.size;
    return true;
}

bool SkinPackageSource::Read(const std::wstring& name, uint64_t most, std::string* bytes)
{
    bytes->clear();
    const PackageEntry* entry = FindPackageEntry(package_, name);
    if (!entry || entry->error != ZipReadOk || entry->header.size > most) return false;
    ByteBuffer data;
    if (reader_.Read(*entry, &data) != ZipReadOk) return false;
    bytes->assign(reinterpret_cast<const char*>(data.data.get()), data.size);
    return true;
}

bool IsTopDefinition(const PackageEntry& entry)
{
    return !entry.folder && entry.name.find(L'/') == std::wstring::npos && IsSkinDefinitionName(entry.header.name);
}

const wchar_t* NoDefinitionText(bool japanese)
{
    return japanese ? L"パッケージの最上位にスキン定義 (.wms) がありません。"
                    : L"The package holds no skin definition (.wms) at its top.";
}

const PackageEntry* FindPackageDefinition(const Package& package)
{
    for (const PackageEntry& entry : package.entries)
        if (IsTopDefinition(entry)) return &entry;
    return nullptr;
}

bool IsDefinitionTooLarge(const PackageEntry& definition) { return definition.header.size > kSkinLongestDefinition; }

ZipReadError ReadDefinitionText(const Package& package, const PackageEntry& definition, std::wstring* text)
{
    text->clear();
    if (definition.error == ZipReadOk && IsDefinitionTooLarge(definition)) return ZipReadOk;
    ByteBuffer bytes;
    const ZipReadError error = definition.error != ZipReadOk ? definition.error : ReadPackageEntry(package, definition, &bytes);
    if (error == ZipReadOk)
        *text = DecodeSkinText(std::string(reinterpret_cast<const char*>(bytes.data.get()), bytes.size));
    return error;
}

bool PackageFileKey(const std::wstring& path, std::wstring* key)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
    *key = FileKey(path, static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow, data.ftLastWriteTime);
    return true;
}

namespace {

bool Stopped(const SkinRenderOptions& options, PackagePreview* preview)
{
    preview->picture.cancelled = options.cancel && options.cancel->load();
    return preview->picture.cancelled;
}

void LoadPreview(const std::wstring& path, SkinImageCache& cache, PackagePreview* preview,
                 const SkinRenderOptions& options)
{
    Package package;
    preview->reason = OpenPackage(path, &package);
    preview->fileSize = package.fileSize;
    preview->entryCount = package.entries.size();
    if (preview->reason != ZipReadOk || Stopped(options, preview)) return;
    const PackageEntry* definition = FindPackageDefinition(package);
    if (!definition) {
        preview->state = PreviewNoDefinition;
        return;
    }
    if (definition->error == ZipReadOk && IsDefinitionTooLarge(*definition)) {
        preview->state = PreviewTooLarge;
        return;
    }
    std::wstring text;
    preview->reason = ReadDefinitionText(package, *definition, &text);
    if (preview->reason != ZipReadOk || Stopped(options, preview)) return;
    // Read once: the title and author come from the document the view is drawn from.
    const SkinDocument document = ReadSkinDocument(text);
    ReadTheme(document, preview);
    SkinPackageSource files(package);
    SkinRenderOptions first = options;
    first.viewIndex = 0;
    first.viewId.clear();
    RenderSkinView(document, files, cache, first, &preview->picture);
    preview->state = PreviewShown;
}

}  // namespace

void LoadPackagePreview(const std::wstring& path, SkinImageCache& cache, PackagePreview* preview,
                        const SkinRenderOptions& options)
{
    *preview = PackagePreview();
    try {
        LoadPreview(path, cache, preview, options);
    } catch (const std::bad_alloc&) {
        const uint64_t size = preview->fileSize;
        const size_t entries = preview->entryCount;
        *preview = PackagePreview();
        preview->fileSize = size;
        preview->entryCount = entries;
        preview->reason = ZipReadOutOfMemory;
    }
}

bool IsPassingPreview(const PackagePreview& preview)
{
    if (preview.picture.cancelled || preview.reason == ZipReadOutOfMemory) return true;
    for (const SkinProblem& problem : preview.picture.problems)
        if (problem.kind == SkinProblemOutOfMemory || problem.kind == SkinProblemNoResources) return true;
    return false;
}

std::wstring PackagePreviewProblemText(const PackagePreview& preview, bool japanese)
{
    std::wstring text;
    switch (preview.state) {
    case PreviewShown:
        if (!preview.picture.viewFound && preview.picture.problems.empty())
            text = japanese ? L"スキン定義に VIEW がありません。" : L"The skin definition has no VIEW.";
        break;
    case PreviewNoDefinition: text = NoDefinitionText(japanese); break;
    case PreviewTooLarge: text = SkinProblemText({SkinProblemDefinitionTooLarge, L"", SkinTagPlace()}, japanese); break;
    case PreviewUnreadable: text = ZipReadErrorText(preview.reason, japanese); break;
    }
    // Each limit once, with its first problem's words: the pane has room for a few lines.
    std::set<SkinProblemKind> said;
    for (const SkinProblem& problem : preview.picture.problems) {
        if (!IsSkinLimitProblem(problem.kind) || !said.insert(problem.kind).second) continue;
        text += (text.empty() ? L"" : L"\r\n") + SkinProblemText(problem, japanese);
    }
    return text;
}

std::wstring PackageFactsText(const PackagePreview& preview, bool japanese)
{
    const std::wstring size = std::to_wstring(preview.fileSize), entries = std::to_wstring(preview.entryCount);
    if (japanese)
        return L"タイトル: " + preview.title + L"\r\n作者: " + preview.author + L"\r\nサイズ: " + size +
               L" バイト\r\nエントリ数: " + entries;
    return L"Title: " + preview.title + L"\r\nAuthor: " + preview.author + L"\r\nSize: " + size +
           L" bytes\r\nEntries: " + entries;
}

void FitSkinPicture(const SkinPicture& picture, int boxWidth, int boxHeight, FittedPicture* fitted)
{
    *fitted = FittedPicture();
    if (picture.width <= 0 || picture.height <= 0 || boxWidth <= 0 || boxHeight <= 0) return;
    const double scale = std::min({1.0, static_cast<double>(boxWidth) / picture.width,
                                   static_cast<double>(boxHeight) / picture.height});
    fitted->width = std::max(1, static_cast<int>(picture.width * scale + 0.5));
    fitted->height = std::max(1, static_cast<int>(picture.height * scale + 0.5));
    fitted->pixels.resize(static_cast<size_t>(fitted->width) * fitted->height);
    for (int y = 0; y < fitted->height; ++y) {
        const int top = static_cast<int>(static_cast<int64_t>(y) * picture.height / fitted->height);
        const int bottom = std::max(top + 1, static_cast<int>(static_cast<int64_t>(y + 1) * picture.height / fitted->height));
        for (int x = 0; x < fitted->width; ++x) {
            const int left = static_cast<int>(static_cast<int64_t>(x) * picture.width / fitted->width);
            const int right = std::max(left + 1, static_cast<int>(static_cast<int64_t>(x + 1) * picture.width / fitted->width));
            fitted->pixels[static_cast<size_t>(y) * fitted->width + x] = AverageBox(picture, left, top, right, bottom);
        }
    }
}
