// The button element wizard's text and help; no window headers.
#pragma once
#include <string>

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

// A kind out of range counts as the standard element.
std::wstring BuildButtonElementText(const ButtonElementFields& fields);
std::wstring ButtonElementHelpText();
