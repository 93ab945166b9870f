// Process-wide state of Fennick.
#pragma once
#include <windows.h>

extern HINSTANCE g_hInstance;
extern HWND g_hwndMain;
extern HANDLE g_instanceMutex;
// The skins folder; empty when the application-data folder cannot be had.
extern wchar_t g_skinsRoot[MAX_PATH];
