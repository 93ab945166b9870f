// The skin setup file (.qlmc): its copy list, read and written through the profile functions.
#include "setup_file.h"

#include <windows.h>

#include <cwchar>
#include <cwctype>
#include <unordered_map>

namespace {

const wchar_t kInfoSection[] = L"QLMCInfo";
const wchar_t kCopySection[] = L"CopyInfo";

std::wstring KeyOf(int index)
{
    return L"Skin" + std::to_wstring(index);
}

std::wstring LowerKeyOf(int index)
{
    return L"skin" + std::to_wstring(index);
}

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

std::wstring WithoutTrailingSeparators(std::wstring path)
{
    while (path.size() > 1 && IsSeparator(path.back())) path.pop_back();
    return path;
}

bool SameText(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

std::wstring Trimmed(const std::wstring& text)
{
    size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return std::wstring();
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

std::wstring LowerCase(std::wstring text)
{
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

// The value as the profile functions give it: one pair of enclosing quotes removed, at
// most what a 260-character buffer holds.
std::wstring ProfileValue(std::wstring value)
{
    if (value.size() >= 2 && value.front() == L'"' && value.back() == L'"') value = value.substr(1, value.size() - 2);
    return value.substr(0, MAX_PATH - 1);
}

// The whole section in one read: asking key by key rescans the file for every key.
std::unordered_map<std::wstring, std::wstring> ReadCopySection(const std::wstring& setupPath)
{
    std::vector<wchar_t> buffer(1 << 16);
    DWORD length;
    while ((length = GetPrivateProfileSectionW(kCopySection, buffer.data(), static_cast<DWORD>(buffer.size()),
                                               setupPath.c_str())) >= buffer.size() - 2 &&
           buffer.size() < (1u << 26))
        buffer.resize(buffer.size() * 2);
    std::unordered_map<std::wstring, std::wstring> values;
    for (const wchar_t* line = buffer.data(); line < buffer.data() + length && *line; line += wcslen(line) + 1) {
        const wchar_t* equals = wcschr(line, L'=');
        if (!equals) continue;
        // The first of repeated keys counts, as for a key read alone.
        values.emplace(LowerCase(Trimmed(std::wstring(line, equals))), ProfileValue(Trimmed(equals + 1)));
    }
    return values;
}

}  // namespace

std::vector<std::wstring> ReadSetupEntries(const std::wstring& setupPath)
{
    std::unordered_map<std::wstring, std::wstring> values = ReadCopySection(setupPath);
    std::vector<std::wstring> entries;
    for (int index = 0; index < kSetupEntryLimit; ++index) {
        auto found = values.find(LowerKeyOf(index));
        if (found == values.end() || found->second.empty()) break;
        entries.push_back(found->second);
    }
    return entries;
}

bool IsContainedEntry(const std::wstring& value)
{
    if (value.empty() || IsSeparator(value[0]) || value.find(L':') != std::wstring::npos) return false;
    size_t start = 0;
    while (start <= value.size()) {
        size_t end = value.find_first_of(L"\\/", start);
        if (end == std::wstring::npos) end = value.size();
        // Windows drops trailing dots and blanks of a name, so ". ." is ".." too.
        std::wstring segment = value.substr(start, end - start);
        if (segment.find_first_not_of(L". ") == std::wstring::npos && segment.find(L"..") != std::wstring::npos)
            return false;
        start = end + 1;
    }
    return true;
}

std::wstring FullPath(const std::wstring& path)
{
    wchar_t full[MAX_PATH] = L"";
    DWORD length = GetFullPathNameW(path.c_str(), _countof(full), full, nullptr);
    return length > 0 && length < _countof(full) ? std::wstring(full) : std::wstring();
}

bool ResolvesInside(const std::wstring& folder, const std::wstring& value)
{
    if (!IsContainedEntry(value)) return false;
    std::wstring base = FullPath(folder);
    std::wstring target = FullPath(folder + L"\\" + value);
    if (base.empty() || target.empty()) return false;
    base = WithoutTrailingSeparators(base);
    return target.size() > base.size() + 1 && SameText(target.substr(0, base.size()), base) &&
           IsSeparator(target[base.size()]);
}

int WriteSetupFile(const std::wstring& outputPath)
{
    const wchar_t* file = outputPath.c_str();
    WritePrivateProfileStringW(kInfoSection, nullptr, nullptr, file);
    WritePrivateProfileStringW(kCopySection, nullptr, nullptr, file);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(L"*.wmz", &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    WritePrivateProfileStringW(kInfoSection, L"Version", L"1.0", file);
    int count = 0;
    do {
        WritePrivateProfileStringW(kCopySection, KeyOf(count++).c_str(), found.cFileName, file);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, file);
    return count;
}

std::wstring BulkCopyDestination(const std::wstring& currentDirectory, const std::wstring& skinsRoot)
{
    std::wstring root = WithoutTrailingSeparators(skinsRoot);
    std::wstring current = WithoutTrailingSeparators(currentDirectory);
    if (root.empty()) return current;
    bool inside = current.size() >= root.size() && SameText(current.substr(0, root.size()), root) &&
                  (current.size() == root.size() || IsSeparator(current[root.size()]));
    return inside ? current : root;
}
