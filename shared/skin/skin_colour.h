// Colour values of a skin definition: #RRGGBB and the named colours, "none" and "Auto".
#pragma once
#include <cstdint>
#include <string>

enum SkinColourKind {
    SkinColourInvalid,   // neither a colour nor a word the player knows (a bound value included)
    SkinColourRgb,
    SkinColourNone,
    SkinColourAuto,      // the colour of the image's pixel 0,0
};

struct SkinColour {
    SkinColourKind kind = SkinColourInvalid;
    uint32_t rgb = 0;   // 0xRRGGBB
};

// Names without regard to letter case; spaces around the value are not allowed, as in the player.
SkinColour ParseSkinColour(const std::wstring& value);
// lowerName in lower case (ASCII); "none" counts as a name.
bool IsSkinColourName(const std::wstring& lowerName);
