// The template folder inside the user's documents folder.
#include "template_folder.h"

#include "file_paths.h"

#include <windows.h>
#include <shfolder.h>

int EnsureTemplateFolder(const wchar_t* folderName)
{
    std::wstring documents;
    if (!KnownFolder(CSIDL_PERSONAL, &documents)) return 0;
    // Relative paths of later operations resolve against the documents folder from now on.
    if (!SetCurrentDirectoryW(documents.c_str())) return 0;
    if (CreateDirectoryW(folderName, nullptr)) return 1;
    return GetLastError() == ERROR_ALREADY_EXISTS ? 1 : 0;
}
