// The rename dialog: a new base name for one skin package in the folder on screen.
#pragma once
#include <windows.h>

// Runs the dialog for the entry's name; IDOK once the package was renamed, IDCANCEL otherwise.
INT_PTR RunRenameDialog(HWND owner, const wchar_t* entryName);
