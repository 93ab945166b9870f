// The options dialog.
#pragma once
#include <windows.h>

#include "editor_context.h"

// Opens the dialog modally over the main window; 1 after OK (settings stored), 2 after Cancel.
INT_PTR ShowOptionsDialog(const EditorWindow& window);

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
