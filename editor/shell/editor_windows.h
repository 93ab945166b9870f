// The editor's instance, its main window and the children the commands write to.
#pragma once
#include <windows.h>

extern HINSTANCE g_hInstance;
extern HWND g_hwndMain;
extern HWND g_hwndEdit;
extern HWND g_hwndToolbar;
extern HWND g_hwndStatus;
