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
