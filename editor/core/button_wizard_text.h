// The button wizard's text and help; no window headers.
#pragma once
#include <string>

#include "wizard_text.h"

// Radio index of the button's kind.
enum ButtonKind { ButtonKindStandard = 0, ButtonKindPredefined = 1 };

const int kPredefinedButtonCount = 13;
extern const PredefinedElement kPredefinedButtons[kPredefinedButtonCount];

struct ButtonFields {
    int kind = ButtonKindStandard;
    int predefined = 0;   // index into kPredefinedButtons, used with ButtonKindPredefined
    std::wstring id;
    std::wstring left;
    std::wstring top;
    std::wstring width;
    std::wstring height;
    std::wstring image;
    std::wstring hoverImage;
    std::wstring downImage;
    std::wstring hoverDownImage;
    std::wstring disabledImage;
    std::wstring color;
    bool colorAsClipping = false;   // clippingColor instead of transparencyColor
    std::wstring onClick;
    std::wstring upToolTip;
    bool disabled = false;
    bool tiled = false;
    bool sticky = false;
    std::wstring downToolTip;
    bool down = false;
    int tabCount = 0;
};

// An index out of range in kind or predefined counts as the first entry.
std::wstring BuildButtonText(const ButtonFields& fields);
std::wstring ButtonHelpText();
