// The skin setup file (.qlmc): its copy list, read and written through the profile functions.
#include "setup_file.h"

#include <windows.h>

#include <cwctype>

namespace {

const wchar_t kInfoSection[] = L"QLMCInfo";
const wchar_t kCopySection[] = L"CopyInfo";

std::wstring KeyOf(int index)
{
    return L"Skin" + std::to_wstring(index);
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

}  // namespace

std::vector<std::wstring> ReadSetupEntries(const std::wstring& setupPath)
{
    std::vector<std::wstring> entries;
    for (int index = 0; index < kSetupEntryLimit; ++index) {
        wchar_t value[MAX_PATH] = L"";
        GetPrivateProfileStringW(kCopySection, KeyOf(index).c_str(), L"", value, _countof(value), setupPath.c_str());
        if (!value[0]) break;
        entries.push_back(value);
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
