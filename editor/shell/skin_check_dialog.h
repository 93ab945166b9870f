// The skin check: the document's findings in a modeless list beside the main window.
#pragma once
#include <windows.h>

#include "editor.h"

INT_PTR CALLBACK SkinCheckDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Checks the document's current text against its file's folder and shows what was found
// beside the main window; a finding double-clicked goes to its line, opening its file first.
void CheckCurrentSkin(Editor* editor);
