// Process-wide state of Fennick.
#pragma once
#include <windows.h>

#include "folder_listing.h"
#include "list_order.h"

extern HINSTANCE g_hInstance;
extern HWND g_hwndMain;
