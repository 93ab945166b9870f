// The one way the programs show a message box, so every box has one shape.
#pragma once
#include <windows.h>

#include <string>

int ShowMessage(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// The system's own words for an error code, in the user's language, without the line
// break that ends them; the number when the system has no text for it.
std::wstring SystemErrorText(DWORD error);
