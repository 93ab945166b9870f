// The view wizard's text and help; no window headers.
#pragma once
#include <string>

struct ViewFields {
    std::wstring id;
    std::wstring title;
    std::wstring backgroundImage;
    std::wstring clippingColor;
    std::wstring scriptFile;
    bool showTitleBar = false;
    bool tileBackground = false;
};

std::wstring BuildViewText(const ViewFields& fields);
std::wstring ViewHelpText();
