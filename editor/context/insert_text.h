// The one way generated text enters the edit control: in front of the selection, caret behind it.
#pragma once
#include <windows.h>

#include "text_insertion.h"

#include <cstddef>

// 1 inserted; 0 (no message, no change) for no window, no or empty text, text over the
// limit, or a document longer than the control holds.
int InsertTextAtCaret(HWND edit, const wchar_t* text);
// The same for text read from a file whose line ends were made CR LF: the limit counts the
// text as the file had it, without the addedUnits of that conversion.
int InsertConvertedTextAtCaret(HWND edit, const wchar_t* text, std::size_t addedUnits);
