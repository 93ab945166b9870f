// The button group wizard's text and help; no window headers.
#pragma once
#include <string>

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

std::wstring BuildButtonGroupText(const ButtonGroupFields& fields);
std::wstring ButtonGroupHelpText();
