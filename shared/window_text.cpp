// A window's or a dialog control's whole text as a wide string.
#include "window_text.h"

std::wstring WholeWindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    int read = GetWindowTextW(window, &text[0], static_cast<int>(text.size()));
    text.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
    return text;
}

std::wstring FieldText(HWND dialog, int id)
{
    return WholeWindowText(GetDlgItem(dialog, id));
}
