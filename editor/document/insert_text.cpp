// Inserting generated text at the caret by rebuilding the whole window text.
#include "insert_text.h"

#include "editor_state.h"
#include "window_text.h"

#include <algorithm>
#include <cwchar>
#include <string>

const wchar_t* g_insertWideText = nullptr;

int InsertConvertedTextAtCaret(HWND edit, const wchar_t* text, std::size_t addedUnits)
{
    if (!edit || !text) return 0;
    std::size_t length = std::wcslen(text);
    if (length == 0 || length - std::min(addedUnits, length) > kInsertTextLimit) return 0;

    std::wstring document = WholeWindowText(edit);
    // The 9x control holds 64 KB at most, and SetWindowText would cut the rest off.
    if (document.size() + length > static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0))) return 0;

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

int InsertTextAtCaret(HWND edit, const wchar_t* text)
{
    return InsertConvertedTextAtCaret(edit, text, 0);
}

int InsertWideTextAtCaret()
{
    return InsertTextAtCaret(g_hwndEdit, g_insertWideText);
}
