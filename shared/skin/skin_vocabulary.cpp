// The names a skin definition may use: attributes and events of every element, and suggestions.
#include "skin_vocabulary.h"

#include "file_paths.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

const wchar_t kAmbientAttributes[] =
    L"accName accDescription accKeyboardShortcut alphaBlend bottom clippingColor clippingImage elementType "
    L"enabled height horizontalAlignment id left nineGridMargins passThrough resizeImages right tabStop top "
    L"verticalAlignment visible width zIndex";
const wchar_t kAmbientEvents[] =
    L"onblur onclick ondblclick onendalphablend onendmove onfocus onkeydown onkeypress onkeyup onmousedown "
    L"onmousemove onmouseout onmouseover onmouseup onresize";
const std::wstring kOnChange = L"_onchange";

const wchar_t kBackground[] =
    L"backgroundColor backgroundImage backgroundImageHueShift backgroundImageSaturation backgroundTiled "
    L"resizeBackgroundImage transparencyColor ";
const wchar_t kSliderNotes[] = L"positionImage backgroundDownImage downToolTip";

enum AmbientUse { AmbientNone, AmbientAll, AmbientEnabledAndTabStop };

struct KindTable {
    SkinElementKind kind;
    AmbientUse ambient;
    bool open;   // helpers whose attributes the player passes on unchecked
    std::wstring attributes, events, notes;
};

const KindTable kKinds[] = {
    {SkinTheme, AmbientNone, false, L"author authorVersion copyright currentViewID title version", L"", L"id"},
    {SkinView, AmbientAll, false,
     std::wstring(kBackground) + L"category focusObjectID maxHeight maxWidth minHeight minWidth resizable "
                                 L"scriptFile timerInterval title titleBar",
     L"onclose onerror onload ontimer", L"stickyBorderWidth cursor"},
    {SkinSubview, AmbientAll, false, kBackground, L"", L""},
    {SkinButtonGroup, AmbientAll, false,
     L"buttonCount cursor disabledImage downImage hoverDownImage hoverImage hueShift image mappingImage radio "
     L"saturation showBackground transparencyColor",
     L"", L""},
    {SkinButtonElement, AmbientEnabledAndTabStop, false,
     L"cursor down downToolTip index mappingColor sticky upToolTip", L"",
     L"id accName accKeyboardShortcut zIndex"},
    {SkinButton, AmbientAll, false,
     L"cursor disabledImage down downImage downToolTip hoverDownImage hoverImage image sticky tiled "
     L"transparencyColor upToolTip",
     L"", L"ToolTip mappingImage mappingColor"},
    {SkinText, AmbientAll, false,
     L"backgroundColor cursor disabledBackgroundColor disabledFontStyle disabledForegroundColor fontFace fontSize "
     L"fontSmoothing fontStyle foregroundColor hoverBackgroundColor hoverFontStyle hoverForegroundColor "
     L"justification scrolling scrollingAmount scrollingDelay scrollingDirection textWidth toolTip value "
     L"wordWrap",
     L"", L"fontType"},
    {SkinSlider, AmbientAll, false,
     L"backgroundColor backgroundEndColor backgroundHoverImage backgroundImage borderSize cursor direction "
     L"disabledColor disabledImage foregroundColor foregroundEndColor foregroundHoverImage foregroundImage "
     L"foregroundProgress max min slide thumbDisabledImage thumbDownImage thumbHoverImage thumbImage tiled "
     L"toolTip transparencyColor useForegroundProgress value",
     L"onDragBegin onDragEnd onPositionChange", kSliderNotes},
    {SkinCustomSlider, AmbientAll, false,
     L"cursor image positionImage min max value toolTip transparencyColor borderSize", L"onPositionChange",
     kSliderNotes},
    {SkinEffects, AmbientAll, false,
     L"allowAll currentEffect currentEffectType currentPreset fullScreen windowed currentEffectPresetCount "
     L"currentEffectTitle currentPresetTitle effectCanGoFullScreen effectCount effectHasPropertyPage",
     L"", L""},
    {SkinVideo, AmbientAll, false,
     L"backgroundColor cursor fullScreen maintainAspectRatio shrinkToFit stretchToFit toolTip windowless zoom",
     L"onvideoend onvideostart", L""},
    {SkinPlaylist, AmbientAll, false,
     L"allowColumnSorting allowItemEditing backgroundColor backgroundImage checkboxesVisible columnOrder columns "
     L"columnsVisible disabledItemColor dropDownBackgroundImage dropDownImage dropDownList dropDownToolTip "
     L"dropDownVisible editButtonVisible foregroundColor hueShift itemErrorColor itemPlayingBackgroundColor "
     L"itemPlayingColor itemSelectedBackgroundColor itemSelectedBackgroundFocusLostColor itemSelectedColor "
     L"itemSelectedFocusLostColor leftStatus playlist playlistItemsVisible rightStatus saturation statusColor "
     L"statusTextColor toolbarVisible columnCount copying itemCount itemMedia itemPlaylist",
     L"", L"fontType justification fontSize transparencyColor columnResizeMode"},
    // Scripts reach the equalizer through its id, so every skin that uses it sets one.
    {SkinEqualizerSettings, AmbientNone, false, L"id enabled enableSplineTension splineTension", L"", L"enable"},
    {SkinPlayer, AmbientNone, true, L"", L"", L""},
    {SkinControls, AmbientNone, true, L"", L"", L""},
    {SkinVideoSettings, AmbientNone, true, L"", L"", L"enable"},
    {SkinAutoMenu, AmbientNone, true, L"", L"", L""},
    {SkinColumn, AmbientNone, true, L"", L"", L""},
};

static_assert(sizeof(kKinds) / sizeof(kKinds[0]) == SkinColumn + 1, "one table for every kind");

enum NameRole { RoleAttribute, RoleEvent, RoleNote };

// Suggestions are looked for only among names of this length or less.
const size_t kLongestName = 64;

struct KnownNames {
    bool open = false;
    std::unordered_map<std::wstring, NameRole> roles;
    std::vector<std::pair<std::wstring, std::wstring>> candidates;   // lower case, spelled
};

struct Vocabulary {
    std::vector<std::pair<std::wstring, std::wstring>> elementCandidates;
    std::vector<KnownNames> kinds;
};

std::wstring Lower(std::wstring text)
{
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return text;
}

std::vector<std::wstring> Words(const std::wstring& list)
{
    std::vector<std::wstring> words;
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find(L' ', start);
        if (end == std::wstring::npos) end = list.size();
        if (end > start) words.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// The first role given to a name stays: a name in the reference is never demoted to a note.
void AddNames(KnownNames* names, const std::wstring& list, NameRole role)
{
    for (const std::wstring& word : Words(list)) {
        std::wstring lower = Lower(word);
        if (names->roles.emplace(lower, role).second) names->candidates.emplace_back(lower, word);
    }
}

Vocabulary BuildVocabulary()
{
    Vocabulary vocabulary;
    size_t count = 0;
    const SkinElementInfo* elements = SkinElementTable(&count);
    for (size_t i = 0; i < count; ++i)
        vocabulary.elementCandidates.emplace_back(Lower(elements[i].name), elements[i].name);
    vocabulary.kinds.resize(sizeof(kKinds) / sizeof(kKinds[0]));
    for (const KindTable& table : kKinds) {
        KnownNames& names = vocabulary.kinds[table.kind];
        names.open = table.open;
        AddNames(&names, table.attributes, RoleAttribute);
        if (table.ambient == AmbientAll) AddNames(&names, kAmbientAttributes, RoleAttribute);
        if (table.ambient == AmbientEnabledAndTabStop) AddNames(&names, L"enabled tabStop", RoleAttribute);
        if (table.ambient != AmbientNone) AddNames(&names, kAmbientEvents, RoleEvent);
        AddNames(&names, table.events, RoleEvent);
        AddNames(&names, table.notes, RoleNote);
    }
    return vocabulary;
}

const Vocabulary& TheVocabulary()
{
    static const Vocabulary vocabulary = BuildVocabulary();
    return vocabulary;
}

// Edits between two names, a swap of neighbours counting as one (optimal string alignment),
// or limit + 1 as soon as it must exceed the limit.
int EditDistance(const std::wstring& a, const std::wstring& b, int limit)
{
    if (std::abs(static_cast<int>(a.size()) - static_cast<int>(b.size())) > limit) return limit + 1;
    if (a.size() > kLongestName || b.size() > kLongestName) return limit + 1;
    int rows[3][kLongestName + 1];
    int *before = rows[0], *previous = rows[1], *current = rows[2];
    for (size_t j = 0; j <= b.size(); ++j) previous[j] = static_cast<int>(j);
    for (size_t i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(i);
        int rowLeast = current[0];
        for (size_t j = 1; j <= b.size(); ++j) {
            int replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                current[j] = std::min(current[j], before[j - 2] + 1);
            rowLeast = std::min(rowLeast, current[j]);
        }
        if (rowLeast > limit) return limit + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

}  // namespace

// Short names get one edit only: two would make almost any short word look like "id" or "top".
std::wstring ClosestSkinName(const std::vector<std::pair<std::wstring, std::wstring>>& candidates,
                             const std::wstring& lowerName)
{
    const int limit = lowerName.size() < 6 ? 1 : 2;
    int best = limit + 1;
    std::wstring closest;
    for (const auto& candidate : candidates) {
        int distance = EditDistance(lowerName, candidate.first, limit);
        if (distance > 0 && distance < best) {
            best = distance;
            closest = candidate.second;
        }
    }
    return closest;
}

SkinNameStatus LookUpSkinAttribute(SkinElementKind kind, const std::wstring& lowerName)
{
    const KnownNames& names = TheVocabulary().kinds[kind];
    auto found = names.roles.find(lowerName);
    if (found != names.roles.end()) return found->second == RoleNote ? SkinNameNote : SkinNameKnown;
    if (names.open) return SkinNameKnown;
    if (!EndsWith(lowerName, kOnChange)) return SkinNameUnknown;
    found = names.roles.find(lowerName.substr(0, lowerName.size() - kOnChange.size()));
    if (found == names.roles.end() || found->second == RoleEvent) return SkinNameUnknown;
    return found->second == RoleNote ? SkinNameNote : SkinNameKnown;
}

std::wstring SuggestSkinElement(const std::wstring& lowerName)
{
    return ClosestSkinName(TheVocabulary().elementCandidates, lowerName);
}

std::wstring SuggestSkinAttribute(SkinElementKind kind, const std::wstring& lowerName)
{
    return ClosestSkinName(TheVocabulary().kinds[kind].candidates, lowerName);
}
