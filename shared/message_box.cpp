// The one way the programs show a message box.
#include "message_box.h"

int ShowMessage(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return MessageBoxW(owner, text, caption, type);
}
