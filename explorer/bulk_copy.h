// The bulk copy: the packages listed by setup files copied into the skins folder.
#pragma once
#include <windows.h>

// 0 ask for each file that cannot be copied, 1 overwrite (yes to all), 2 skip (no to all).
extern int g_overwriteMode;

// Copies the packages of every setup file named, reporting per file; returns 0, the
// process's exit code.
int RunBulkCopy(int count, wchar_t** setupFiles);

INT_PTR CALLBACK OverwriteDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
