// Small questions about files on disk.
#pragma once
#include <windows.h>

// True when the path names an existing file or folder; the empty path never exists.
bool FileExists(const wchar_t* path);

