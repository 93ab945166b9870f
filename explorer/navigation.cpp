// Moving through the skins folder: entries activated, folders listed with their counts.
#include "navigation.h"

#include "fennick.h"
#include "skin_list.h"
#include "skin_operations.h"
#include "status_bar.h"

#include <commctrl.h>

#include <string>

void ShowFolder(const wchar_t* folder)
{
    FillSkinList(folder);
    ShowItemCount();
}

void ActivateEntry(const wchar_t* text)
{
    // A folder named like the parent entry cannot be told from it, and leads up.
    std::wstring path = IsParentEntryText(text) ? std::wstring(L"..\\") : L".\\" + std::wstring(text);
    OpenEntryPath(path.c_str());
}

void ActivateSelectionMark()
{
    wchar_t name[520] = L"";
    ReadEntryName(static_cast<int>(SendMessageW(g_hwndList, LVM_GETSELECTIONMARK, 0, 0)), name, _countof(name));
    ActivateEntry(name);
}

void ActivateClickedItem(int item)
{
    wchar_t name[MAX_PATH] = L"";
    ReadEntryName(item, name, _countof(name));
    ActivateEntry(name);
}

void OpenEntryPath(const wchar_t* path)
{
    // A failed query answers all bits set: a name gone meanwhile re-lists the folder.
    if (GetFileAttributesW(path) & FILE_ATTRIBUTE_DIRECTORY)
        ShowFolder(path);
    else
        OpenSkinPackage(path);
}
