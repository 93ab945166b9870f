// What the skin preview window still reads of the editor.
#include "editor_windows.h"

HINSTANCE g_hInstance = nullptr;
HWND g_hwndEdit = nullptr;
const wchar_t* g_currentPath = L"";
