// The converter's main dialog.
#pragma once
#include <windows.h>

INT_PTR CALLBACK ConverterDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the dialog modally without owner; returns when the user ends it.
void ShowConverterDialog(HINSTANCE instance);
