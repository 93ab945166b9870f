// The editor's process-wide state, shared by every part of the editor.
#pragma once
#include <windows.h>

#include "editor_settings.h"
#include "line_ends.h"

extern HINSTANCE g_hInstance;
extern HWND g_hwndMain;
extern HWND g_hwndEdit;
extern HWND g_hwndToolbar;
extern HWND g_hwndStatus;
extern WNDPROC g_origEditProc;
extern UINT g_findReplaceMessage;
extern HWND g_hwndFindDialog;
extern HWND g_hwndSliderDialog;
extern wchar_t g_currentPath[MAX_PATH];   // empty: a new, never saved document
extern wchar_t g_currentTitle[MAX_PATH];
extern int g_isWin9x;                     // 1 on Windows 95/98/Me, 0 on NT, -1 otherwise
extern EditorSettings g_settings;
// How the document's file ends its lines; the control always holds CR LF.
extern LineEndStyle g_lineEndStyle;
