// Small questions about files on disk, and whole-file reading.
#include "file_info.h"

#include <cstdio>

bool FileExists(const wchar_t* path)
{
    if (!path || !path[0]) return false;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(path, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

long long GetFileSizeByName(const wchar_t* path)
{
    // No access rights are needed for the size, so files locked for reading answer too.
    HANDLE file = CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return -1;
    DWORD size = GetFileSize(file, nullptr);
    CloseHandle(file);
    return size;
}

bool IsFolder(const wchar_t* path)
{
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadWholeFile(const wchar_t* path, std::string* bytes)
{
    FILE* file = _wfopen(path, L"rb");
    if (!file) return false;
    bytes->clear();
    char chunk[65536];
    size_t read;
    while ((read = fread(chunk, 1, sizeof(chunk), file)) > 0) bytes->append(chunk, read);
    bool failed = ferror(file) != 0;
    fclose(file);
    return !failed;
}
