// The two parts of the main window's status bar.
#include "status_bar.h"

#include <commctrl.h>

void SetStatusText(const EditorWindow& window, StatusPart part, const wchar_t* text)
{
    if (!window.status) return;
    SendMessageW(window.status, SB_SETTEXTW, part, reinterpret_cast<LPARAM>((text && text[0]) ? text : nullptr));
}
