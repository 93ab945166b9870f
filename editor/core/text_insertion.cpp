// Where generated text enters the document and when it may.
#include "text_insertion.h"

#include <algorithm>
#include <cwchar>

bool InsertIntoDocument(std::wstring* document, std::size_t selectionStart, const wchar_t* text,
                        std::size_t addedUnits, std::size_t documentLimit, std::size_t* caret)
{
    if (!text) return false;
    std::size_t length = std::wcslen(text);
    if (length == 0 || length - std::min(addedUnits, length) > kInsertTextLimit) return false;
    // The 9x control holds 64 KB at most, and SetWindowText would cut the rest off.
    if (document->size() + length > documentLimit) return false;

    std::size_t at = std::min(selectionStart, document->size());
    // A selection stays in the document, behind the new text.
    document->insert(at, text, length);
    *caret = at + length;
    return true;
}
