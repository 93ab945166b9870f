// The one way generated text enters the document: in front of the selection, caret behind it.
#pragma once
#include <windows.h>

#include <cstddef>

// Most UTF-16 code units one call inserts, on every Windows version.
const std::size_t kInsertTextLimit = 32768;

// Text for InsertWideTextAtCaret; its caller owns it.
extern const wchar_t* g_insertWideText;

// 1 inserted; 0 (no message, no change) for no window, no or empty text, text over the
// limit, or a document longer than the control holds.
int InsertTextAtCaret(HWND edit, const wchar_t* text);
// The same for text read from a file whose line ends were made CR LF: the limit counts the
// text as the file had it, without the addedUnits of that conversion.
int InsertConvertedTextAtCaret(HWND edit, const wchar_t* text, std::size_t addedUnits);
int InsertWideTextAtCaret();
