// Paths, names and whole files as every program handles them, and where the vendor keeps its data.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// The editor's settings key under HKEY_CURRENT_USER, which Migrato fills too.
extern const wchar_t kVendorRegistryKey[];

bool IsPathSeparator(wchar_t c);
// The path without backslashes or slashes at its end, but for a lone one.
std::wstring WithoutTrailingSeparators(std::wstring path);
// The folder and name with one backslash between them.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);
// The folder of a path, without its last backslash unless it is a drive's root ("C:\").
std::wstring ParentFolder(const std::wstring& path);
// The name after the last backslash, slash or drive colon.
std::wstring TitleOfPath(const std::wstring& path);
// True when the path names an existing folder.
bool IsFolder(const std::wstring& path);
// The path made absolute, however long; "" when it cannot be.
std::wstring FullPath(const std::wstring& path);
// The same for a folder: no trailing backslash unless it is a root ("C:\").
std::wstring FullFolderPath(const std::wstring& path);
// The path made absolute as if folder (a full path) were the current directory.
std::wstring FullPathIn(const std::wstring& folder, const std::wstring& path);

// Names compare as the file system compares them: ordinal, ignoring case.
bool SameName(const std::wstring& a, const std::wstring& b);
bool EndsWith(const std::wstring& text, const std::wstring& tail);

// The whole file; false when it cannot be opened or read, or is larger than limit bytes,
// with GetLastError telling why (ERROR_FILE_TOO_LARGE past the limit, checked before
// anything is allocated).
bool ReadWholeFile(const std::wstring& path, std::string* bytes, unsigned long long limit = ~0ull);
// Writes every byte at the file's position, in pieces WriteFile takes.
bool WriteAll(HANDLE file, const void* data, size_t size);

// Copies text into buffer, cut to fit and always NUL-terminated.
void CopyToBuffer(wchar_t* buffer, size_t capacity, const wchar_t* text);

// "<application data>\Halvenor's Software\Quillmere"; with create, its folders are made.
// False when the system names no application-data folder or a folder cannot be made.
bool VendorAppDataFolder(bool create, std::wstring* folder);

// The system folder a CSIDL names (CSIDL_FLAG_CREATE may be added), as it is now rather than its
// default; false when the system names none.
bool KnownFolder(int csidl, std::wstring* folder);
