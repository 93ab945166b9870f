// Moving through the skins folder: entries activated, folders listed with their counts, for
// the main window.
#pragma once
#include <windows.h>

// Lists the folder and shows its item count.
void ShowFolder(HWND window, const wchar_t* folder);

// Opens an entry by its column-0 text: the parent entry as the folder above, any other by its name.
void ActivateEntry(HWND window, const wchar_t* text, bool parent);
// The one selected entry, else the one at the selection mark (the open command and the Enter key).
void ActivateSelectedEntry(HWND window);
// The double-clicked item; -1 (empty space) re-lists the folder on screen.
void ActivateClickedItem(HWND window, int item);

// A folder, or a path that does not exist, is listed; a package is opened through the shell.
void OpenEntryPath(HWND window, const wchar_t* path);
