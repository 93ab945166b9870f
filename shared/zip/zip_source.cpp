// Reading the files that go into a package.
#include "zip_source.h"

HANDLE OpenSourceFile(const std::wstring& path)
{
    return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

bool SourceFileSize(HANDLE file, uint64_t* size)
{
    LARGE_INTEGER value;
    if (!GetFileSizeEx(file, &value) || value.QuadPart < 0) return false;
    *size = static_cast<uint64_t>(value.QuadPart);
    return true;
}

bool ReadSource(HANDLE file, unsigned char* buffer, size_t size, size_t* got)
{
    *got = 0;
    while (*got < size) {
        const size_t maxPiece = 0x4000000;
        DWORD piece = static_cast<DWORD>(size - *got < maxPiece ? size - *got : maxPiece);
        DWORD read = 0;
        if (!ReadFile(file, buffer + *got, piece, &read, nullptr)) return false;
        if (read == 0) break;
        *got += read;
    }
    return true;
}

bool ReadSourceExactly(HANDLE file, unsigned char* buffer, size_t size)
{
    size_t got = 0;
    return ReadSource(file, buffer, size, &got) && got == size;
}
