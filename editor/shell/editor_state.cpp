// The editor's process-wide state.
#include "editor_state.h"

HINSTANCE g_hInstance = nullptr;
HWND g_hwndMain = nullptr;
HWND g_hwndEdit = nullptr;
HWND g_hwndToolbar = nullptr;
HWND g_hwndStatus = nullptr;
WNDPROC g_origEditProc = nullptr;
UINT g_findReplaceMessage = 0;
HWND g_hwndFindDialog = nullptr;
HWND g_hwndSliderDialog = nullptr;
wchar_t g_currentPath[MAX_PATH] = L"";
wchar_t g_currentTitle[MAX_PATH] = L"";
int g_isWin9x = 0;
EditorSettings g_settings = {};
LineEndStyle g_lineEndStyle = LineEndCrLf;
