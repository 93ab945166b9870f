// Where generated text enters the document and when it may: in front of the selection,
// caret behind it.
#pragma once

#include <cstddef>
#include <string>

// Most UTF-16 code units one insertion takes, on every Windows version.
const std::size_t kInsertTextLimit = 32768;

// Puts text into document at selectionStart (or at its end when beyond it) and returns
// true with *caret behind the new text. False, document untouched, for no or empty text,
// text over kInsertTextLimit, or a result longer than documentLimit. addedUnits are the
// units a CR LF conversion of a file's text added: the limit counts the text as read.
bool InsertIntoDocument(std::wstring* document, std::size_t selectionStart, const wchar_t* text,
                        std::size_t addedUnits, std::size_t documentLimit, std::size_t* caret);
