// The skin check: the document's findings in a modeless list beside the main window.
#pragma once
#include <windows.h>

INT_PTR CALLBACK SkinCheckDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Checks the document's current text against its file's folder and shows what was found.
void CheckCurrentSkin(HWND owner);
