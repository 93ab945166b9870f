// Paths as Zipwright resolves, compares and orders them.
#include "zip_paths.h"

#include "file_paths.h"

#include <windows.h>

namespace {

// Short (8.3) spellings become long ones, so the output is recognised inside the folder
// however either was typed. A path that does not exist yet stays as it is.
void ExpandShortNames(std::wstring* path)
{
    DWORD needed = GetLongPathNameW(path->c_str(), nullptr, 0);
    if (needed == 0) return;
    std::wstring expanded(needed, L'\0');
    DWORD length = GetLongPathNameW(path->c_str(), &expanded[0], needed);
    if (length == 0 || length >= needed) return;
    expanded.resize(length);
    *path = expanded;
}

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

// One argument by the Windows rules: 2n backslashes before a quote give n and the quote
// groups, 2n+1 give n and a literal quote, other backslashes stay as written; "" inside
// quotes is a literal quote, as in today's C runtime.
std::wstring NextArgument(const wchar_t** cursor)
{
    const wchar_t* p = *cursor;
    std::wstring argument;
    bool quoted = false;
    while (*p && (quoted || !IsBlank(*p))) {
        size_t backslashes = 0;
        while (p[backslashes] == L'\\') ++backslashes;
        if (p[backslashes] != L'"') {
            if (backslashes) argument.append(backslashes, L'\\');
            else argument += *p;
            p += backslashes ? backslashes : 1;
            continue;
        }
        argument.append(backslashes / 2, L'\\');
        p += backslashes + 1;
        if (backslashes % 2) argument += L'"';
        else if (quoted && *p == L'"') argument += *p++;
        else quoted = !quoted;
    }
    *cursor = p;
    return argument;
}

}  // namespace

std::wstring ExtendedLengthPath(const std::wstring& fullPath)
{
    if (fullPath.compare(0, 4, L"\\\\?\\") == 0 || fullPath.compare(0, 4, L"\\\\.\\") == 0) return fullPath;
    if (fullPath.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + fullPath.substr(2);
    return L"\\\\?\\" + fullPath;
}

bool ResolvePath(const wchar_t* given, std::wstring* resolved)
{
    std::wstring full = given[0] ? FullPath(given) : std::wstring();
    if (full.empty()) return false;
    // A drive's root keeps its backslash: "C:" alone is that drive's current folder.
    while (full.size() > 3 && full.back() == L'\\' && full[full.size() - 2] != L':') full.pop_back();
    *resolved = ExtendedLengthPath(full);
    ExpandShortNames(resolved);
    return true;
}

bool ResolveOutputPath(const wchar_t* given, std::wstring* resolved)
{
    size_t length = wcslen(given);
    if (length == 0 || IsPathSeparator(given[length - 1])) return false;
    std::wstring full = FullPath(given);
    if (full.empty()) return false;
    size_t slash = full.rfind(L'\\');
    if (slash == std::wstring::npos || slash + 1 == full.size()) return false;
    std::wstring folder = ExtendedLengthPath(full.substr(0, slash + 1));
    ExpandShortNames(&folder);
    if (folder.back() != L'\\') folder += L'\\';
    *resolved = folder + full.substr(slash + 1);
    return true;
}

bool IsOwnOutput(const std::wstring& path, const std::wstring& output)
{
    if (path.size() == output.size()) return SameName(path, output);
    std::wstring temporary = output + ZIP_TEMP_MARKER;
    return path.size() > temporary.size() && SameName(path.substr(0, temporary.size()), temporary);
}

bool PackageOrderLess(const std::wstring& a, const std::wstring& b)
{
    int order = CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE);
    if (order != CSTR_EQUAL) return order == CSTR_LESS_THAN;
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, FALSE) == CSTR_LESS_THAN;
}

std::vector<std::wstring> SplitArguments(const wchar_t* commandLine)
{
    const wchar_t* p = commandLine;
    // The program name knows no backslash rule: quotes only group, up to the first blank outside them.
    for (bool quoted = false; *p && (quoted || !IsBlank(*p)); ++p)
        if (*p == L'"') quoted = !quoted;
    std::vector<std::wstring> arguments;
    for (;;) {
        while (IsBlank(*p)) ++p;
        if (!*p) return arguments;
        arguments.push_back(NextArgument(&p));
    }
}
