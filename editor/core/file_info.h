// Small questions about files on disk.
#pragma once
#include <windows.h>

#include <string>

// The largest file the editor opens. The edit control keeps some 60 bytes per line beside
// the text: a file of nothing but line ends at this size takes about 1 GB in a 32-bit
// process, leaving room for the copies an open and a save make.
const unsigned long long kLargestDocumentFile = 16ull << 20;

// True when the path names an existing file or folder; the empty path never exists.
bool FileExists(const wchar_t* path);

// Size in bytes, all 64 bits of it; -1 when the file cannot be opened.
long long GetFileSizeByName(const wchar_t* path);
