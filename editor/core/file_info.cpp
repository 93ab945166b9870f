// Small questions about files on disk, and whole-file reading.
#include "file_info.h"

#include <cstdio>
#include <exception>

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
    LARGE_INTEGER size = {};
    BOOL measured = GetFileSizeEx(file, &size);
    CloseHandle(file);
    return measured ? size.QuadPart : -1;
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
    bool failed = false;
    // A file larger than the memory left is a file that cannot be read, not the editor's end.
    try {
        while ((read = fread(chunk, 1, sizeof(chunk), file)) > 0) bytes->append(chunk, read);
        failed = ferror(file) != 0;
    } catch (const std::exception&) {   // bad_alloc, or length_error past max_size
        failed = true;
    }
    fclose(file);
    if (failed) std::string().swap(*bytes);
    return !failed;
}
