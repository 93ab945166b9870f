// The elements a skin definition may hold, predefined ones included, by the kind they are.
#include "skin_elements.h"

#include "skin_markup.h"

#include <unordered_map>

namespace {

const SkinElementInfo kElements[] = {
    {SkinTheme, L"THEME"}, {SkinView, L"VIEW"}, {SkinSubview, L"SUBVIEW"},
    {SkinButtonGroup, L"BUTTONGROUP"}, {SkinButtonElement, L"BUTTONELEMENT"},
    {SkinButtonElement, L"PLAYELEMENT"}, {SkinButtonElement, L"PAUSEELEMENT"},
    {SkinButtonElement, L"STOPELEMENT"}, {SkinButtonElement, L"PREVELEMENT"},
    {SkinButtonElement, L"NEXTELEMENT"}, {SkinButtonElement, L"REWELEMENT"},
    {SkinButtonElement, L"FFWDELEMENT"}, {SkinButton, L"BUTTON"}, {SkinButton, L"PLAYBUTTON"},
    {SkinButton, L"PAUSEBUTTON"}, {SkinButton, L"STOPBUTTON"}, {SkinButton, L"PREVBUTTON"},
    {SkinButton, L"NEXTBUTTON"}, {SkinButton, L"REWBUTTON"}, {SkinButton, L"FFWDBUTTON"},
    {SkinButton, L"MUTEBUTTON"}, {SkinButton, L"REPEATBUTTON"}, {SkinButton, L"SHUFFLEBUTTON"},
    {SkinButton, L"MINIMIZEBUTTON"}, {SkinButton, L"CLOSEBUTTON"}, {SkinButton, L"RETURNBUTTON"},
    {SkinButton, L"IMAGEBUTTON"}, {SkinText, L"TEXT"}, {SkinText, L"CURRENTPOSITIONTEXT"},
    {SkinText, L"DURATIONTEXT"}, {SkinText, L"STATUSTEXT"}, {SkinText, L"TRACKNAMETEXT"},
    {SkinSlider, L"SLIDER"}, {SkinSlider, L"SEEKSLIDER"}, {SkinSlider, L"VOLUMESLIDER"},
    {SkinSlider, L"BALANCESLIDER"}, {SkinCustomSlider, L"CUSTOMSLIDER"}, {SkinEffects, L"EFFECTS"},
    {SkinEffects, L"WMPEFFECTS"}, {SkinVideo, L"VIDEO"}, {SkinVideo, L"WMPVIDEO"},
    {SkinPlaylist, L"PLAYLIST"}, {SkinPlaylist, L"DROPDOWNPLAYLIST"}, {SkinPlaylist, L"ITEMSPLAYLIST"},
    {SkinPlayer, L"PLAYER"}, {SkinControls, L"CONTROLS"}, {SkinEqualizerSettings, L"EQUALIZERSETTINGS"},
    {SkinVideoSettings, L"VIDEOSETTINGS"}, {SkinAutoMenu, L"AUTOMENU"}, {SkinColumn, L"COLUMN"},
};

std::unordered_map<std::wstring, const SkinElementInfo*> IndexElements()
{
    std::unordered_map<std::wstring, const SkinElementInfo*> index;
    for (const SkinElementInfo& element : kElements) {
        std::wstring lower = element.name;
        LowerAsciiInPlace(&lower);
        index[lower] = &element;
    }
    return index;
}

}  // namespace

const SkinElementInfo* FindSkinElement(const std::wstring& lowerName)
{
    static const std::unordered_map<std::wstring, const SkinElementInfo*> index = IndexElements();
    auto found = index.find(lowerName);
    return found == index.end() ? nullptr : found->second;
}

const SkinElementInfo* SkinElementTable(size_t* count)
{
    *count = sizeof(kElements) / sizeof(kElements[0]);
    return kElements;
}
