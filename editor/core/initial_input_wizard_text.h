// The initial input wizard's texts: the skin's and the script's starting documents and the help; no window headers.
#pragma once
#include <cstddef>
#include <string>

struct InitialSkinFields {
    std::wstring title;
    std::wstring author;
    std::wstring copyright;
    std::wstring backgroundImage;
    std::wstring clippingColor;   // only its first kClippingColorLength characters are used
    bool showTitleBar = false;
};

// Room for #RRGGBB.
const std::size_t kClippingColorLength = 7;

std::wstring BuildInitialSkinText(const InitialSkinFields& fields);
std::wstring BuildInitialScriptText();
std::wstring InitialInputHelpText();
