// What the selection allows, in the main menu, on the toolbar and in the context menus.
#pragma once
#include <windows.h>

// Open and rename need exactly one selected entry, delete at least one; in the main
// window's menu and on the toolbar.
void UpdateCommandState(HWND window, int selected);
// The context menu for the selection, at the cursor; its commands go to the owner.
void ShowContextMenu(HWND owner);
