// Process-wide state of Fennick.
#pragma once
#include <windows.h>

extern HINSTANCE g_hInstance;
extern HWND g_hwndMain;
extern HANDLE g_instanceMutex;
