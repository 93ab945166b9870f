// Small questions about files on disk.
#pragma once
#include <windows.h>

#include <string>

// True when the path names an existing file or folder; the empty path never exists.
bool FileExists(const wchar_t* path);

// Size in bytes, all 64 bits of it; -1 when the file cannot be opened.
long long GetFileSizeByName(const wchar_t* path);
