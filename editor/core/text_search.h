// Finding and replacing in the document's text, without windows: positions are UTF-16 code units.
#pragma once
#include <cstddef>
#include <string>

const std::size_t kNoMatch = static_cast<std::size_t>(-1);

// The first exact, case-sensitive occurrence of what at or after start; kNoMatch when there
// is none, when what is empty or when start lies beyond the end. A match never begins on
// the second half of a surrogate pair.
std::size_t FindInText(const std::wstring& text, const std::wstring& what, std::size_t start);

struct ReplaceAllResult {
    std::wstring text;             // the whole new text (the old one when nothing matched)
    std::size_t count = 0;         // replacements made
    std::size_t caret = 0;         // end of the last inserted replacement, when count > 0
    std::size_t searchStart = 0;   // where the next search begins: the caret, or 0
    bool notFoundWarning = false;  // no match at or after start
};

// Replaces every occurrence of what in text, left to right from the top, each once: a
// replacement that holds what is not searched again. start only decides the warning.
ReplaceAllResult ReplaceAllInText(const std::wstring& text, const std::wstring& what,
                                  const std::wstring& with, std::size_t start);
