// Setwright's instance, the one handle its files share.
#pragma once
#include <windows.h>

extern HINSTANCE g_hInstance;
