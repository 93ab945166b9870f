// Telling a file's type by its extension, as Windows does: any letter case.
#include "file_extension.h"

#include <windows.h>

#include <cwchar>

bool HasExtension(const std::wstring& path, const wchar_t* extension)
{
    size_t length = std::wcslen(extension);
    if (path.size() < length) return false;
    return CompareStringOrdinal(path.c_str() + path.size() - length, static_cast<int>(length), extension,
                                static_cast<int>(length), TRUE) == CSTR_EQUAL;
}
