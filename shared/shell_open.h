// Opening a file or program the way Explorer would, through its file type.
#pragma once
#include <windows.h>

// True when the shell started something for the file (ShellExecute's result above 32).
bool ShellOpen(HWND owner, const wchar_t* file, const wchar_t* parameters = nullptr);
