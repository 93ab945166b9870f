// The names a skin definition may use: elements, their attributes and events, named colours.
#pragma once
#include <string>

enum SkinElementKind {
    SkinTheme, SkinView, SkinSubview, SkinButtonGroup, SkinButtonElement, SkinButton, SkinText,
    SkinSlider, SkinCustomSlider, SkinEffects, SkinVideo, SkinPlaylist, SkinEqualizerSettings,
    SkinPlayer, SkinControls, SkinVideoSettings, SkinAutoMenu, SkinColumn,
};

enum SkinNameStatus {
    SkinNameUnknown,
    SkinNameKnown,
    SkinNameNote,   // works in the player but is missing from the reference
};

struct SkinElementInfo {
    SkinElementKind kind;
    const wchar_t* name;   // as the reference spells it
};

// Lookups take names already in lower case (ASCII); results are nullptr / empty when nothing fits.
const SkinElementInfo* FindSkinElement(const std::wstring& lowerName);
SkinNameStatus LookUpSkinAttribute(SkinElementKind kind, const std::wstring& lowerName);
// The closest known name one or two edits away, in the reference's spelling.
std::wstring SuggestSkinElement(const std::wstring& lowerName);
std::wstring SuggestSkinAttribute(SkinElementKind kind, const std::wstring& lowerName);
bool IsSkinColourName(const std::wstring& lowerName);
