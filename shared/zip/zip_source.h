// Reading the files that go into a package.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

// Opens a file for reading while keeping writers out, so its size and bytes hold still
// until it is closed. INVALID_HANDLE_VALUE when it cannot be opened.
HANDLE OpenSourceFile(const std::wstring& path);

bool SourceFileSize(HANDLE file, uint64_t* size);

// Reads up to size bytes; got is less only at the end of the file.
bool ReadSource(HANDLE file, unsigned char* buffer, size_t size, size_t* got);

// Reads exactly size bytes.
bool ReadSourceExactly(HANDLE file, unsigned char* buffer, size_t size);
