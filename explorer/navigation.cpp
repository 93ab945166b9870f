// Moving through the skins folder: entries activated, folders listed with their counts.
#include "navigation.h"

#include "command_state.h"
#include "file_paths.h"
#include "skin_list.h"
#include "skin_operations.h"
#include "status_bar.h"
#include "thumbnails.h"

#include <string>

void ShowFolder(HWND window, const wchar_t* folder)
{
    FillSkinList(folder);
    RequestThumbnails();
    UpdateCommandState(window, 0);
    ShowItemCount();
}

void ActivateEntry(HWND window, const wchar_t* text, bool parent)
{
    OpenEntryPath(window, EntryPath(parent ? L".." : text).c_str());
}

void ActivateSelectedEntry(HWND window)
{
    int item = ActedOnEntry();
    wchar_t name[kEntryNameCapacity] = L"";
    ReadEntryName(item, name, _countof(name));
    ActivateEntry(window, name, KindOfEntry(item) == EntryParent);
}

void ActivateClickedItem(HWND window, int item)
{
    wchar_t name[kEntryNameCapacity] = L"";
    ReadEntryName(item, name, _countof(name));
    ActivateEntry(window, name, KindOfEntry(item) == EntryParent);
}

void OpenEntryPath(HWND window, const wchar_t* path)
{
    // A failed query answers all bits set: a name gone meanwhile re-lists the folder.
    if (GetFileAttributesW(path) & FILE_ATTRIBUTE_DIRECTORY)
        ShowFolder(window, path);
    else
        OpenSkinPackage(window, path);
}
