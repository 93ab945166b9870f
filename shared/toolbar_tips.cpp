// Tooltips for a toolbar's buttons, their texts string resources numbered by position.
#include "toolbar_tips.h"

#include <commctrl.h>

HWND CreateToolbarTooltipWindow(HWND owner, HINSTANCE instance)
{
    return CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, owner, nullptr, instance, nullptr);
}

void AddToolbarTip(HWND tooltips, HWND toolbar, HINSTANCE instance, int position, int command, UINT stringId)
{
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = toolbar;
    tool.uId = static_cast<UINT_PTR>(command);
    SendMessageW(toolbar, TB_GETITEMRECT, position, reinterpret_cast<LPARAM>(&tool.rect));
    tool.hinst = instance;
    tool.lpszText = MAKEINTRESOURCEW(stringId);
    SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}
