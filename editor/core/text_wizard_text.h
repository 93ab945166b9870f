// The text wizard's text and help; no window headers.
#pragma once
#include <cstddef>
#include <string>

#include "wizard_text.h"

// Radio index of the text wizard's kind.
enum TextKind { TextKindStandard = 0, TextKindPredefined = 1 };
const int kPredefinedTextCount = 4;
extern const PredefinedElement kPredefinedTexts[kPredefinedTextCount];

// The size list in its order; the first entry writes no fontSize.
const int kFontSizeCount = 18;
extern const wchar_t* const kFontSizes[kFontSizeCount];
const int kNoFontSize = 0;
const int kDefaultFontSize = 3;   // "10"
const wchar_t kDefaultFontFace[] = L"ＭＳ Ｐゴシック";
const std::size_t kFontFaceLength = 63;

enum TextJustification { JustificationLeft, JustificationCenter, JustificationRight };

struct TextElementFields {
    int kind = TextKindStandard;
    int predefined = 0;   // index into kPredefinedTexts, used with TextKindPredefined
    std::wstring id;
    std::wstring left;
    std::wstring top;
    std::wstring width;
    std::wstring height;
    std::wstring fontFace;   // only its first kFontFaceLength characters are used
    int fontSize = kNoFontSize;   // index into kFontSizes
    bool fontSmoothing = false;
    bool wordWrap = false;
    std::wstring foregroundColor;
    std::wstring hoverForegroundColor;
    std::wstring disabledForegroundColor;
    int justification = JustificationLeft;
    std::wstring value;
    std::wstring toolTip;
    std::wstring onClick;
    int tabCount = 0;
};

// A list index out of range counts as the list's first entry.
std::wstring BuildTextElementText(const TextElementFields& fields);
std::wstring TextElementHelpText();
