// The skin setup file (.qlmc): its copy list, read and written through the profile functions.
#include "setup_file.h"

#include "file_extension.h"
#include "file_paths.h"
#include "file_replace.h"
#include "text_encoding.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <unordered_map>

namespace {

const wchar_t kInfoSection[] = L"QLMCInfo";
const wchar_t kCopySection[] = L"CopyInfo";

std::wstring KeyOf(int index)
{
    return L"Skin" + std::to_wstring(index);
}

std::wstring Trimmed(const std::wstring& text)
{
    size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return std::wstring();
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// The value as the profile functions give it: one pair of enclosing quotes, double or
// single, removed, and at most what a 260-character buffer holds.
std::wstring ProfileValue(std::wstring value)
{
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value.substr(0, MAX_PATH - 1);
}

// The index of a key "Skin<n>" as a read of that very key would find it; -1 for any other key.
int SkinIndexOf(const std::wstring& key)
{
    if (key.size() < 5 || key.size() > 9 || !SameName(key.substr(0, 4), L"skin")) return -1;
    std::wstring digits = key.substr(4);
    if (digits.find_first_not_of(L"0123456789") != std::wstring::npos || (digits.size() > 1 && digits[0] == L'0'))
        return -1;
    long index = std::wcstol(digits.c_str(), nullptr, 10);
    return index < kSetupEntryLimit ? static_cast<int>(index) : -1;
}

// The whole section in one read: asking key by key rescans the file for every key. Only
// the listed keys are kept, so a file of other keys costs no memory beyond its size.
bool ReadCopySection(const std::wstring& setupPath, std::unordered_map<int, std::wstring>& values)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(setupPath.c_str(), GetFileExInfoStandard, &data)) return true;
    if (data.nFileSizeHigh != 0 || data.nFileSizeLow > kSetupFileByteLimit) return false;
    // The section never holds more characters than the file holds bytes.
    std::vector<wchar_t> buffer(data.nFileSizeLow + 2);
    DWORD length = GetPrivateProfileSectionW(kCopySection, buffer.data(), static_cast<DWORD>(buffer.size()),
                                             setupPath.c_str());
    if (length > 0 && length >= buffer.size() - 2) return false;   // the file grew meanwhile
    for (const wchar_t* line = buffer.data(); line < buffer.data() + length && *line; line += wcslen(line) + 1) {
        const wchar_t* equals = wcschr(line, L'=');
        int index = equals ? SkinIndexOf(Trimmed(std::wstring(line, equals))) : -1;
        // The first of repeated keys counts, as for a key read alone.
        if (index >= 0) values.emplace(index, ProfileValue(Trimmed(equals + 1)));
    }
    return true;
}

std::vector<std::wstring> PackagesOf(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(JoinPath(folder, L"*.wmz").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (IsPackage(found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0))
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

// The file's text by its mark: UTF-16 big-endian, UTF-8, or ANSI without a mark.
std::wstring ProfileText(const std::string& bytes)
{
    const ReadPlan plan = PlanRead(EncodingOfFirstBytes(bytes.substr(0, 3)), ReadByMark);
    std::string rest = bytes.substr(plan.markLength);
    switch (plan.encoding) {
    case EncodingUtf16BE:
        for (size_t at = 0; at + 1 < rest.size(); at += 2) std::swap(rest[at], rest[at + 1]);
        return WideFromUtf16LE(rest);
    case EncodingUtf16LE: return WideFromUtf16LE(rest);
    case EncodingUtf8:    return WideFromCodePage(rest, CP_UTF8);
    default:              return WideFromCodePage(rest, CP_ACP);
    }
}

// The profile functions keep a file that starts with a UTF-16 mark in UTF-16; what the
// file held in another encoding is carried over.
bool MakeUnicodeProfile(const std::wstring& path)
{
    std::string bytes;
    bool missing = GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND;
    if (!missing && !ReadWholeFile(path, &bytes, kSetupFileByteLimit)) return false;
    if (bytes.compare(0, 2, "\xFF\xFE") == 0) return true;
    const std::wstring text = L"\xFEFF" + ProfileText(bytes);
    const std::string unicode(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return WriteFileReplacing(path.c_str(), unicode).stage == ReplaceDone;
}

// The profile functions drop the blanks around a value and one pair of enclosing quotes:
// quoted, a name keeps all of its characters.
std::wstring StoredValue(const std::wstring& name)
{
    auto blank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
    bool quoted = (name.front() == L'"' || name.front() == L'\'') && name.back() == name.front();
    return blank(name.front()) || blank(name.back()) || quoted ? L"\"" + name + L"\"" : name;
}

// The list in one write: key by key, every write rewrites the whole file.
bool WriteCopySection(const wchar_t* file, const std::vector<std::wstring>& names)
{
    std::wstring section;
    for (size_t index = 0; index < names.size(); ++index)
        section += KeyOf(static_cast<int>(index)) + L"=" + StoredValue(names[index]) + L'\0';
    section += L'\0';
    return WritePrivateProfileSectionW(kCopySection, section.c_str(), file) != FALSE;
}

}  // namespace

std::vector<std::wstring> ReadSetupEntries(const std::wstring& setupPath, bool* tooLarge)
{
    std::unordered_map<int, std::wstring> values;
    bool read = ReadCopySection(setupPath, values);
    if (tooLarge) *tooLarge = !read;
    std::vector<std::wstring> entries;
    for (int index = 0; read && index < kSetupEntryLimit; ++index) {
        auto found = values.find(index);
        if (found == values.end() || found->second.empty()) break;
        entries.push_back(found->second);
    }
    return entries;
}

bool IsPackage(const std::wstring& name, bool isFolder)
{
    return !isFolder && HasExtension(name, L".wmz");
}

bool IsContainedEntry(const std::wstring& value)
{
    if (value.empty() || IsPathSeparator(value[0]) || value.find(L':') != std::wstring::npos) return false;
    // A wildcard would make the copy fail but the search for the package succeed.
    if (value.find_first_of(L"*?<>\"") != std::wstring::npos) return false;
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

bool ResolvesInside(const std::wstring& folder, const std::wstring& value)
{
    if (!IsContainedEntry(value)) return false;
    std::wstring base = FullPath(folder);
    std::wstring target = FullPath(JoinPath(folder, value));
    if (base.empty() || target.empty()) return false;
    base = WithoutTrailingSeparators(base);
    return target.size() > base.size() + 1 && SameName(target.substr(0, base.size()), base) &&
           IsPathSeparator(target[base.size()]);
}

SetupWriteResult WriteSetupFile(const std::wstring& folder, const std::wstring& outputPath)
{
    const wchar_t* file = outputPath.c_str();
    SetupWriteResult result;
    std::vector<std::wstring> names = PackagesOf(folder);
    result.count = static_cast<int>(names.size());
    bool written = FitsAnsiCodePage(names) || MakeUnicodeProfile(outputPath);
    WritePrivateProfileStringW(kInfoSection, nullptr, nullptr, file);
    WritePrivateProfileStringW(kCopySection, nullptr, nullptr, file);
    if (names.empty()) return result;
    written = written && WritePrivateProfileStringW(kInfoSection, L"Version", L"1.0", file);
    written = written && WriteCopySection(file, names);
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, file);
    // The reader takes no more than its limit of the list.
    names.resize(std::min(names.size(), static_cast<size_t>(kSetupEntryLimit)));
    result.written = written && ReadSetupEntries(outputPath) == names;
    return result;
}
