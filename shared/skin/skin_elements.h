// The elements a skin definition may hold, predefined ones included, by the kind they are.
#pragma once
#include <cstddef>
#include <string>

enum SkinElementKind {
    SkinTheme, SkinView, SkinSubview, SkinButtonGroup, SkinButtonElement, SkinButton, SkinText,
    SkinSlider, SkinCustomSlider, SkinEffects, SkinVideo, SkinPlaylist, SkinEqualizerSettings,
    SkinPlayer, SkinControls, SkinVideoSettings, SkinAutoMenu, SkinColumn,
};

struct SkinElementInfo {
    SkinElementKind kind;
    const wchar_t* name;   // as the reference spells it
};

// lowerName in lower case (ASCII); nullptr when no element has that name.
const SkinElementInfo* FindSkinElement(const std::wstring& lowerName);
// Every element, in the reference's order.
const SkinElementInfo* SkinElementTable(size_t* count);
