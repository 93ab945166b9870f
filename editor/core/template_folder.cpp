// The template folder inside the user's documents folder.
#include "template_folder.h"

#include <windows.h>
#include <shfolder.h>

namespace {

// SHGFP_TYPE_CURRENT, which shfolder.h does not name.
const DWORD kFolderAsItIsNow = 0;

}  // namespace

int EnsureTemplateFolder(const wchar_t* folderName)
{
    wchar_t documents[MAX_PATH] = L"";
    if (SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, kFolderAsItIsNow, documents) != S_OK) return 0;
    // Relative paths of later operations resolve against the documents folder from now on.
    if (!SetCurrentDirectoryW(documents)) return 0;
    if (CreateDirectoryW(folderName, nullptr)) return 1;
    return GetLastError() == ERROR_ALREADY_EXISTS ? 1 : 0;
}
