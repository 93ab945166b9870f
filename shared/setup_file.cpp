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

std::vector<std::wstring> PackagesOfCurrentFolder()
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(L"*.wmz", &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool FitsAnsiCodePage(const std::vector<std::wstring>& names)
{
    for (const std::wstring& name : names) {
        BOOL replaced = FALSE;
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), static_cast<int>(name.size()), nullptr, 0,
                            nullptr, &replaced);
        if (replaced) return false;
    }
    return true;
}

// The profile functions keep a file that starts with a UTF-16 mark in UTF-16; what the
// file held in ANSI is carried over.
bool MakeUnicodeProfile(const std::wstring& path)
{
    std::string bytes;
    HANDLE in = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (in != INVALID_HANDLE_VALUE) {
        DWORD size = GetFileSize(in, nullptr), read = 0;
        bytes.resize(size == INVALID_FILE_SIZE ? 0 : size);
        bool ok = bytes.empty() || (ReadFile(in, &bytes[0], size, &read, nullptr) && read == size);
        CloseHandle(in);
        if (!ok) return false;
        if (bytes.compare(0, 2, "\xFF\xFE") == 0) return true;
    }
    std::wstring text = L"\xFEFF";
    int length = bytes.empty() ? 0 : MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring converted(static_cast<size_t>(length), L'\0');
    if (length) MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &converted[0], length);
    text += converted;
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD bytesOut = static_cast<DWORD>(text.size() * sizeof(wchar_t)), written = 0;
    bool ok = WriteFile(out, text.data(), bytesOut, &written, nullptr) && written == bytesOut;
    return CloseHandle(out) && ok;
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

SetupWriteResult WriteSetupFile(const std::wstring& outputPath)
{
    const wchar_t* file = outputPath.c_str();
    SetupWriteResult result;
    std::vector<std::wstring> names = PackagesOfCurrentFolder();
    result.count = static_cast<int>(names.size());
    bool written = FitsAnsiCodePage(names) || MakeUnicodeProfile(outputPath);
    WritePrivateProfileStringW(kInfoSection, nullptr, nullptr, file);
    WritePrivateProfileStringW(kCopySection, nullptr, nullptr, file);
    if (names.empty()) return result;
    written = written && WritePrivateProfileStringW(kInfoSection, L"Version", L"1.0", file);
    for (size_t index = 0; written && index < names.size(); ++index)
        written = WritePrivateProfileStringW(kCopySection, KeyOf(static_cast<int>(index)).c_str(), names[index].c_str(),
                                             file) != FALSE;
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, file);
    result.written = written && ReadSetupEntries(outputPath) == names;
    return result;
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
