// The one way generated text enters the document: in front of the selection, caret behind it.
#pragma once
#include <windows.h>

#include <cstddef>

// Most UTF-16 code units one call inserts, on every Windows version.
const std::size_t kInsertTextLimit = 32768;

// Text for InsertWideTextAtCaret; its caller owns it.
extern const wchar_t* g_insertWideText;

// 1 inserted; 0 (no message, no change) for no window, no or empty text, or text over the limit.
int InsertTextAtCaret(HWND edit, const wchar_t* text);
int InsertWideTextAtCaret();
