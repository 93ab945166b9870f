// Inserting generated text at the caret by rebuilding the whole window text.
#include "insert_text.h"

#include "window_text.h"

#include <string>

int InsertConvertedTextAtCaret(HWND edit, const wchar_t* text, std::size_t addedUnits)
{
    if (!edit) return 0;
    std::wstring document = WholeWindowText(edit);
    DWORD start = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    std::size_t limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
    std::size_t caret = 0;
    if (!InsertIntoDocument(&document, start, text, addedUnits, limit, &caret)) return 0;
    // Not EM_REPLACESEL, which would replace the selection.
    SetWindowTextW(edit, document.c_str());
    SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SendMessageW(edit, EM_SETMODIFY, TRUE, 0);
    return 1;
}

int InsertTextAtCaret(HWND edit, const wchar_t* text)
{
    return InsertConvertedTextAtCaret(edit, text, 0);
}
