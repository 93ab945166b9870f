// Opening a file or program the way Explorer would, through its file type.
#pragma once
#include <windows.h>

// True when the shell started something for the file (ShellExecute's result above 32); a
// program started so works in directory, or in this process's current one when it is null.
bool ShellOpen(HWND owner, const wchar_t* file, const wchar_t* parameters = nullptr, const wchar_t* directory = nullptr);
