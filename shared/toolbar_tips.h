// Tooltips for a toolbar's buttons, their texts string resources numbered by position.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>

HWND CreateToolbarTooltipWindow(HWND owner, HINSTANCE instance);
void AddToolbarTip(HWND tooltips, HWND toolbar, HINSTANCE instance, int position, int command, UINT stringId);

// Buttons have a command member; separators have command 0, so they get no tool.
template <typename Button, std::size_t N>
void AddToolbarTooltips(HWND owner, HWND toolbar, HINSTANCE instance, const Button (&buttons)[N], UINT firstString)
{
    HWND tooltips = CreateToolbarTooltipWindow(owner, instance);
    if (!tooltips) return;
    for (std::size_t position = 0; position < N; ++position) {
        if (buttons[position].command == 0) continue;
        AddToolbarTip(tooltips, toolbar, instance, static_cast<int>(position), buttons[position].command,
                      firstString + static_cast<UINT>(position));
    }
    SendMessageW(toolbar, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tooltips), 0);
}
