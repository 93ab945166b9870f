// What every window of Fennick shares: the instance its resources come from.
#pragma once
#include <windows.h>

extern HINSTANCE g_hInstance;
