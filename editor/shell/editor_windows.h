// What the skin preview window still reads of the editor, until it is handed the editor
// as the other commands are: set by the main window alone.
#pragma once
#include <windows.h>

extern HINSTANCE g_hInstance;
extern HWND g_hwndEdit;
// The document's path.
extern const wchar_t* g_currentPath;
