// The current user's Windows Media Player skins folder.
#include "skins_folder.h"

#include "file_paths.h"

#include <shfolder.h>
#include <shlwapi.h>

#include <initializer_list>

namespace {

// SHGFP_TYPE_DEFAULT, which shfolder.h leaves out.
const DWORD kDefaultFolder = 1;

}  // namespace

void PrepareSkinsRoot(wchar_t (&root)[MAX_PATH])
{
    wchar_t path[MAX_PATH] = L"";
    root[0] = L'\0';
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, kDefaultFolder, path))) return;
    for (const wchar_t* level : {L"Microsoft", L"Media Player", L"Skins"}) {
        if (!PathAppendW(path, level)) return;
        CreateDirectoryW(path, nullptr);
    }
    CopyToBuffer(root, MAX_PATH, path);
}
