// Moving through the skins folder: entries activated, folders listed with their counts.
#pragma once
#include <windows.h>

// Lists the folder and shows its item count.
void ShowFolder(const wchar_t* folder);

// Opens an entry by its column-0 text: the parent entry as the folder above, any other by its name.
void ActivateEntry(const wchar_t* text, bool parent);
// The one selected entry, else the one at the selection mark (the open command and the Enter key).
void ActivateSelectedEntry();
// The double-clicked item; -1 (empty space) re-lists the folder on screen.
void ActivateClickedItem(int item);

// A folder, or a path that does not exist, is listed; a package is opened through the shell.
void OpenEntryPath(const wchar_t* path);
