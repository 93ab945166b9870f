// The options dialog.
#pragma once
#include <windows.h>

// Opens the dialog modally; 1 after OK (settings stored), 2 after Cancel.
INT_PTR ShowOptionsDialog(HWND owner);

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
