// Setwright's main dialog.
#pragma once
#include <windows.h>

INT_PTR CALLBACK SetupMakerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the dialog of the user's language modally without owner.
void ShowSetupMakerDialog(HINSTANCE instance);
