// The converter's main dialog.
#pragma once
#include <windows.h>

INT_PTR CALLBACK ConverterDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the dialog modally without owner; returns when the user ends it. Exit releases the
// program's single-instance guard first.
void ShowConverterDialog(HINSTANCE instance, HANDLE* instanceMutex);
