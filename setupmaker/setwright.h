// Process-wide state of Setwright.
#pragma once
#include <windows.h>

extern HINSTANCE g_hInstance;
extern HANDLE g_instanceMutex;
