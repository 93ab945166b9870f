// The editor's instance, its main window and the children the commands write to.
#include "editor_windows.h"

HINSTANCE g_hInstance = nullptr;
HWND g_hwndMain = nullptr;
HWND g_hwndEdit = nullptr;
HWND g_hwndToolbar = nullptr;
HWND g_hwndStatus = nullptr;
