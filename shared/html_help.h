// HTML Help, bound at run time so the programs start where it is not installed.
#pragma once
#include <windows.h>

// Calls HtmlHelpW of the HTML Help control: the library the control's CLSID registers,
// else "hhctrl.ocx" by name, export ordinal 15. Bound once; without it the call does
// nothing and returns NULL.
HWND CallHtmlHelp(HWND owner, const wchar_t* file, UINT command, DWORD_PTR data);
