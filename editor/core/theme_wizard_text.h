// The theme wizard's text and help; no window headers.
#pragma once
#include <string>

struct ThemeFields {
    std::wstring id;
    std::wstring title;
    std::wstring author;
    std::wstring copyright;
    std::wstring authorVersion;
    std::wstring currentViewId;
    std::wstring version;
};

std::wstring BuildThemeText(const ThemeFields& fields);
std::wstring ThemeHelpText();
