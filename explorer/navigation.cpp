// Moving through the skins folder: entries activated, folders listed with their counts.
#include "navigation.h"

#include "command_state.h"
#include "fennick.h"
#include "file_paths.h"
#include "skin_list.h"
#include "skin_operations.h"
#include "status_bar.h"
#include "thumbnails.h"

#include <string>

void ShowFolder(const wchar_t* folder)
{
    FillSkinList(folder);
    RequestThumbnails();
    UpdateCommandState(0);
    ShowItemCount();
}

void ActivateEntry(const wchar_t* text, bool parent)
{
    OpenEntryPath(EntryPath(parent ? L".." : text).c_str());
}

void ActivateSelectedEntry()
{
    int item = ActedOnEntry();
    wchar_t name[kEntryNameCapacity] = L"";
    ReadEntryName(item, name, _countof(name));
    ActivateEntry(name, KindOfEntry(item) == EntryParent);
}

void ActivateClickedItem(int item)
{
    wchar_t name[kEntryNameCapacity] = L"";
    ReadEntryName(item, name, _countof(name));
    ActivateEntry(name, KindOfEntry(item) == EntryParent);
}

void OpenEntryPath(const wchar_t* path)
{
    // A failed query answers all bits set: a name gone meanwhile re-lists the folder.
    if (GetFileAttributesW(path) & FILE_ATTRIBUTE_DIRECTORY)
        ShowFolder(path);
    else
        OpenSkinPackage(path);
}
