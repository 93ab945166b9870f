// Line ends: the style a text came with, and the conversions to and from the CR LF that
// the edit control needs to show lines on Windows.
#pragma once
#include <cstddef>
#include <string>

enum LineEndStyle { LineEndCrLf = 0, LineEndLf = 1, LineEndCr = 2 };

struct LineEndCount {
    std::size_t crLf = 0;
    std::size_t lf = 0;     // lone LF
    std::size_t cr = 0;     // lone CR
    // The style most line ends had; CR LF when there were none or on a tie with it.
    LineEndStyle Dominant() const;
    // More than one style occurs.
    bool Mixed() const;
};

// Every line end as CR LF, in one pass; counts what the text had.
std::wstring ToCrLf(const std::wstring& text, LineEndCount* count = nullptr);
std::string ToCrLf(const std::string& text, LineEndCount* count = nullptr);

// CR LF pairs written in the style, in one pass; lone CR or LF stay as they are.
std::wstring FromCrLf(const std::wstring& text, LineEndStyle style);
std::string FromCrLf(const std::string& text, LineEndStyle style);
