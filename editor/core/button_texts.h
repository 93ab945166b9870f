// Texts of the button group, button element and button wizards; no window headers.
#pragma once
#include <string>

#include "wizard_text.h"

struct ButtonGroupFields {
    std::wstring id;
    std::wstring left;
    std::wstring top;
    std::wstring width;
    std::wstring height;
    std::wstring image;
    std::wstring mappingImage;
    std::wstring hoverImage;
    std::wstring downImage;
    std::wstring hoverDownImage;
    std::wstring disabledImage;
    std::wstring transparencyColor;
    bool radio = false;
    bool showBackground = false;
    int tabCount = 0;
};

// Radio index of the button element's kind; the others are predefined transport elements.
enum ButtonElementKind { ButtonElementStandard = 0 };
const int kButtonElementKindCount = 8;
extern const wchar_t* const kButtonElementNames[kButtonElementKindCount];   // by radio index

struct ButtonElementFields {
    int kind = ButtonElementStandard;
    std::wstring mappingColor;
    std::wstring upToolTip;
    std::wstring onClick;
    bool disabled = false;
    bool sticky = false;
    std::wstring downToolTip;
    bool down = false;
    int tabCount = 0;
};

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
std::wstring BuildButtonGroupText(const ButtonGroupFields& fields);
std::wstring BuildButtonElementText(const ButtonElementFields& fields);
std::wstring BuildButtonText(const ButtonFields& fields);

std::wstring ButtonGroupHelpText();
std::wstring ButtonElementHelpText();
std::wstring ButtonHelpText();
