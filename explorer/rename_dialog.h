// The rename dialog: a new base name for one skin package in the folder on screen.
#pragma once
#include <windows.h>

#include <string>

// Runs the dialog for the entry's name in folder; IDOK once the package was renamed,
// IDCANCEL otherwise.
INT_PTR RunRenameDialog(HWND owner, const std::wstring& folder, const wchar_t* entryName);
