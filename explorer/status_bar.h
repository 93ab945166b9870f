// The status bar: the counts of the list and the help text of the highlighted menu item.
#pragma once
#include <windows.h>

HWND CreateExplorerStatusBar(HWND parent);
// The help texts start Japanese; called once at start-up for any other language.
void UseEnglishStatusHelp();

// WM_MENUSELECT: the item's help text, or nothing for popups, separators and the closing menu.
void ShowMenuHelp(UINT item, UINT flags);
// "N Skins and Folders", the parent entry counted.
void ShowItemCount();
// "N Items Selected", or the item count when nothing is selected.
void ShowSelectionState();
