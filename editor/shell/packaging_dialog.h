// The packaging dialog: a skin folder and an output file, handed to the packager.
#pragma once
#include <windows.h>

// Keeps the folder browser's OK for folders with a file-system path only.
int CALLBACK BrowseFolderCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data);
INT_PTR CALLBACK PackagingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

INT_PTR ShowPackagingDialog(HWND owner);
