// Process-wide state of Fennick.
#pragma once
#include <windows.h>

#include "folder_listing.h"
#include "list_order.h"

extern HINSTANCE g_hInstance;
extern HWND g_hwndMain;
extern HWND g_hwndList;
extern HWND g_hwndToolbar;
extern HWND g_hwndStatus;
extern HANDLE g_instanceMutex;
// The skins folder; empty when the application-data folder cannot be had.
extern wchar_t g_skinsRoot[MAX_PATH];
// The folder on screen, as the last listing that met a ".." entry found it.
extern wchar_t g_currentFolder[MAX_PATH];
// Per column (name, size, date).
extern SortDirection g_sortDirection[ColumnCount];
