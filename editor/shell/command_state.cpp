// Which of the main window's commands are enabled, from the document and the settings.
#include "command_state.h"

#include "command_rules.h"
#include "file_presence_check.h"
#include "packager_command.h"
#include "resource.h"

#include <commctrl.h>

void EnableMenuCommand(HMENU menu, unsigned id, bool enabled)
{
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void SetCommandEnabled(const EditorWindow& window, HMENU menu, unsigned id, bool enabled)
{
    EnableMenuCommand(menu, id, enabled);
    if (window.toolbar) SendMessageW(window.toolbar, TB_ENABLEBUTTON, id, MAKELONG(enabled ? TRUE : FALSE, 0));
}

void UpdateEditCommandState(const EditorWindow& window, HMENU menu)
{
    HWND edit = window.edit;
    EnableMenuCommand(menu, IDM_EDIT_UNDO, SendMessageW(edit, EM_CANUNDO, 0, 0) != 0);

    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    bool selection = start != end;
    SetCommandEnabled(window, menu, IDM_EDIT_CUT, selection);
    SetCommandEnabled(window, menu, IDM_EDIT_COPY, selection);
    EnableMenuCommand(menu, IDM_EDIT_DELETE, selection);

    bool text = false;
    if (OpenClipboard(GetParent(edit))) {
        text = GetClipboardData(CF_TEXT) != nullptr;
        CloseClipboard();
    }
    SetCommandEnabled(window, menu, IDM_EDIT_PASTE, text);

    DWORD length = static_cast<DWORD>(GetWindowTextLengthW(edit));
    EnableMenuCommand(menu, IDM_EDIT_SELECT_ALL, length != 0 && !(start == 0 && end == length));
}

void UpdateFindCommandState(const EditorWindow& window)
{
    if (!window.main || !window.edit) return;
    HMENU menu = GetMenu(window.main);
    bool text = GetWindowTextLengthW(window.edit) != 0;
    EnableMenuCommand(menu, IDM_EDIT_FIND, text);
    EnableMenuCommand(menu, IDM_EDIT_FIND_NEXT, text);
    EnableMenuCommand(menu, IDM_EDIT_REPLACE, text);
}

void CheckPrintToolInBackground(const EditorWindow& window, const EditorSettings& settings)
{
    if (!settings.PPMPath[0]) {
        UpdatePrintCommandState(window, false);
        return;
    }
    // One check for the program's life, whose thread may outlive the window.
    static FilePresenceCheck check;
    HWND main = window.main;
    check.Start(settings.PPMPath, [main](bool found) {
        PostMessageW(main, WM_APP_PRINT_TOOL_CHECKED, found ? 1 : 0, 0);
    });
}

void UpdatePrintCommandState(const EditorWindow& window, bool found)
{
    HMENU menu = GetMenu(window.main);
    EnableMenuCommand(menu, IDM_FILE_PRINT_PREVIEW, found);
    SetCommandEnabled(window, menu, IDM_FILE_PRINT, found);
}

void UpdateSdkManualCommandState(const EditorWindow& window, const EditorSettings& settings)
{
    EnableMenuCommand(GetMenu(window.main), IDM_HELP_SDK_MANUAL, settings.WMPSDKManualPath[0] != L'\0');
}

int UpdateRunCommandState(const EditorWindow& window, const wchar_t* path)
{
    HMENU menu = GetMenu(window.main);
    bool runnable = IsRunnablePath(path);
    SetCommandEnabled(window, menu, IDM_TOOLS_RUN, runnable);
    // The check and the preview read skin definitions; a new document may become one.
    bool skin = path[0] == L'\0' || IsSkinDefinitionPath(path);
    EnableMenuCommand(menu, IDM_TOOLS_SKIN_CHECK, skin);
    EnableMenuCommand(menu, IDM_TOOLS_SKIN_PREVIEW, skin);
    return runnable ? 1 : 0;
}
