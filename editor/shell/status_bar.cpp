// The two parts of the main window's status bar.
#include "status_bar.h"

#include "editor_windows.h"

#include <commctrl.h>

void SetStatusText(StatusPart part, const wchar_t* text)
{
    if (!g_hwndStatus) return;
    SendMessageW(g_hwndStatus, SB_SETTEXTW, part,
                 reinterpret_cast<LPARAM>((text && text[0]) ? text : nullptr));
}
