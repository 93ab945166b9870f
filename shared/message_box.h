// The one way the programs show a message box, so every box has one shape.
#pragma once
#include <windows.h>

int ShowMessage(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
