// The bulk copy: the packages listed by setup files copied into the skins folder.
#pragma once
#include <windows.h>

#include <string>

// Copies the packages of every setup file named, reporting per file, into the working
// folder when it lies inside the skins folder, else into the skins folder; returns 0,
// the process's exit code.
int RunBulkCopy(int count, wchar_t** setupFiles, const std::wstring& workingFolder, const wchar_t* skinsRoot);

// Ends with the id of the button chosen.
INT_PTR CALLBACK OverwriteDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
