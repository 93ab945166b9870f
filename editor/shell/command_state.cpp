// Which of the main window's commands are enabled, from the document and the settings.
#include "command_state.h"

#include "command_rules.h"
#include "editor_windows.h"
#include "file_presence_check.h"
#include "packager_command.h"
#include "resource.h"
#include "running_settings.h"

#include <commctrl.h>

void EnableMenuCommand(HMENU menu, unsigned id, bool enabled)
{
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void SetCommandEnabled(HMENU menu, unsigned id, bool enabled)
{
    EnableMenuCommand(menu, id, enabled);
    if (g_hwndToolbar) SendMessageW(g_hwndToolbar, TB_ENABLEBUTTON, id, MAKELONG(enabled ? TRUE : FALSE, 0));
}

void UpdateEditCommandState(HMENU menu, HWND edit)
{
    EnableMenuCommand(menu, IDM_EDIT_UNDO, SendMessageW(edit, EM_CANUNDO, 0, 0) != 0);

    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    bool selection = start != end;
    SetCommandEnabled(menu, IDM_EDIT_CUT, selection);
    SetCommandEnabled(menu, IDM_EDIT_COPY, selection);
    EnableMenuCommand(menu, IDM_EDIT_DELETE, selection);

    bool text = false;
    if (OpenClipboard(GetParent(edit))) {
        text = GetClipboardData(CF_TEXT) != nullptr;
        CloseClipboard();
    }
    SetCommandEnabled(menu, IDM_EDIT_PASTE, text);

    DWORD length = static_cast<DWORD>(GetWindowTextLengthW(edit));
    EnableMenuCommand(menu, IDM_EDIT_SELECT_ALL, length != 0 && !(start == 0 && end == length));
}

void UpdateFindCommandState()
{
    if (!g_hwndMain || !g_hwndEdit) return;
    HMENU menu = GetMenu(g_hwndMain);
    bool text = GetWindowTextLengthW(g_hwndEdit) != 0;
    EnableMenuCommand(menu, IDM_EDIT_FIND, text);
    EnableMenuCommand(menu, IDM_EDIT_FIND_NEXT, text);
    EnableMenuCommand(menu, IDM_EDIT_REPLACE, text);
}

void CheckPrintToolInBackground()
{
    if (!g_settings.PPMPath[0]) {
        UpdatePrintCommandState(false);
        return;
    }
    static FilePresenceCheck check;
    HWND window = g_hwndMain;
    check.Start(g_settings.PPMPath, [window](bool found) {
        PostMessageW(window, WM_APP_PRINT_TOOL_CHECKED, found ? 1 : 0, 0);
    });
}

void UpdatePrintCommandState(bool found)
{
    HMENU menu = GetMenu(g_hwndMain);
    EnableMenuCommand(menu, IDM_FILE_PRINT_PREVIEW, found);
    SetCommandEnabled(menu, IDM_FILE_PRINT, found);
}

void UpdateSdkManualCommandState()
{
    EnableMenuCommand(GetMenu(g_hwndMain), IDM_HELP_SDK_MANUAL, g_settings.WMPSDKManualPath[0] != L'\0');
}

int UpdateRunCommandState(const wchar_t* path)
{
    bool runnable = IsRunnablePath(path);
    SetCommandEnabled(GetMenu(g_hwndMain), IDM_TOOLS_RUN, runnable);
    // The check and the preview read skin definitions; a new document may become one.
    bool skin = path[0] == L'\0' || IsSkinDefinitionPath(path);
    EnableMenuCommand(GetMenu(g_hwndMain), IDM_TOOLS_SKIN_CHECK, skin);
    EnableMenuCommand(GetMenu(g_hwndMain), IDM_TOOLS_SKIN_PREVIEW, skin);
    return runnable ? 1 : 0;
}
