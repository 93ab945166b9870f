// What the selection allows, in the main menu, on the toolbar and in the context menus.
#include "command_state.h"

#include "fennick.h"
#include "language.h"
#include "resource.h"
#include "skin_list.h"
#include "toolbar.h"

namespace {

struct CommandRule {
    int command;
    bool enabled;
};

void ApplyRules(HMENU menu, int selected, bool toolbar)
{
    const CommandRule rules[] = {
        {IDM_OPEN_SKIN, selected == 1}, {IDM_DELETE_SKINS, selected >= 1}, {IDM_RENAME_SKIN, selected == 1},
        {IDM_CHECK_PACKAGE, selected == 1}};
    for (const CommandRule& rule : rules) {
        EnableMenuItem(menu, rule.command, MF_BYCOMMAND | (rule.enabled ? MF_ENABLED : MF_GRAYED));
        if (toolbar) EnableToolbarCommand(rule.command, rule.enabled);
    }
}

int ContextMenuId(bool selection)
{
    if (IsJapaneseUi()) return selection ? IDM_CONTEXT_SELECTED_JP : IDM_CONTEXT_EMPTY_JP;
    return selection ? IDM_CONTEXT_SELECTED_EN : IDM_CONTEXT_EMPTY_EN;
}

}  // namespace

void UpdateCommandState(HWND window, int selected)
{
    ApplyRules(GetMenu(window), selected, true);
}

void ShowContextMenu(HWND owner)
{
    POINT cursor;
    GetCursorPos(&cursor);
    int selected = SelectedEntryCount();
    HMENU menu = LoadMenuW(g_hInstance, MAKEINTRESOURCEW(ContextMenuId(selected > 0)));
    if (!menu) return;
    HMENU popup = GetSubMenu(menu, 0);
    ApplyRules(popup, selected, false);
    TrackPopupMenu(popup, TPM_LEFTALIGN, cursor.x, cursor.y, 0, owner, nullptr);
    DestroyMenu(menu);
}
