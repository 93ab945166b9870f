// Small questions about files on disk.
#include "file_info.h"

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
