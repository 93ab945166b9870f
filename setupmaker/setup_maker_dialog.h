// Setwright's main dialog.
#pragma once
#include <windows.h>

// Keeps the folder browser's OK for folders with a file-system path only.
int CALLBACK TargetPickerCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data);
INT_PTR CALLBACK SetupMakerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the dialog of the user's language modally without owner. Exit releases the program's
// single-instance guard first.
void ShowSetupMakerDialog(HINSTANCE instance, HANDLE* instanceMutex);
