// Inserting generated text at the caret by rebuilding the whole window text.
#include "insert_text.h"

#include "editor_state.h"
#include "window_text.h"

#include <cwchar>
#include <string>

const wchar_t* g_insertWideText = nullptr;

int InsertTextAtCaret(HWND edit, const wchar_t* text)
{
    if (!edit || !text) return 0;
    std::size_t length = std::wcslen(text);
    if (length == 0 || length > kInsertTextLimit) return 0;

    std::wstring document = WholeWindowText(edit);

    DWORD start = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    std::size_t at = start < document.size() ? start : document.size();
    // Not EM_REPLACESEL: a selection stays in the document, behind the new text.
    document.insert(at, text, length);
    SetWindowTextW(edit, document.c_str());

    WPARAM caret = static_cast<WPARAM>(at + length);
    SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SendMessageW(edit, EM_SETMODIFY, TRUE, 0);
    return 1;
}

int InsertWideTextAtCaret()
{
    return InsertTextAtCaret(g_hwndEdit, g_insertWideText);
}
