// Texts of the text, effects, video and playlist wizards; no window headers.
#pragma once
#include <cstddef>
#include <string>

#include "wizard_text.h"

// Radio index of the text wizard's kind.
enum TextKind { TextKindStandard = 0, TextKindPredefined = 1 };
const int kPredefinedTextCount = 4;
extern const PredefinedElement kPredefinedTexts[kPredefinedTextCount];

// The size list in its order; the first entry writes no fontSize.
const int kFontSizeCount = 18;
extern const wchar_t* const kFontSizes[kFontSizeCount];
const int kNoFontSize = 0;
const int kDefaultFontSize = 3;   // "10"
const wchar_t kDefaultFontFace[] = L"ＭＳ Ｐゴシック";
const std::size_t kFontFaceLength = 63;

enum TextJustification { JustificationLeft, JustificationCenter, JustificationRight };

struct TextElementFields {
    int kind = TextKindStandard;
    int predefined = 0;   // index into kPredefinedTexts, used with TextKindPredefined
    std::wstring id;
    std::wstring left;
    std::wstring top;
    std::wstring width;
    std::wstring height;
    std::wstring fontFace;   // only its first kFontFaceLength characters are used
    int fontSize = kNoFontSize;   // index into kFontSizes
    bool fontSmoothing = false;
    bool wordWrap = false;
    std::wstring foregroundColor;
    std::wstring hoverForegroundColor;
    std::wstring disabledForegroundColor;
    int justification = JustificationLeft;
    std::wstring value;
    std::wstring toolTip;
    std::wstring onClick;
    int tabCount = 0;
};

// Radio index of the effects and video wizards' kind: the plain element or the WMP one.
enum VisualKind { VisualKindPlain = 0, VisualKindWmp = 1 };

// The buttons of an alignment row, left to right: Left/Top, Center, Right/Bottom, Stretch.
const int kAlignmentNone = -1;
const int kAlignmentCount = 4;

// The fields of the effects and video wizards, which share one layout.
struct VisualFields {
    int kind = VisualKindWmp;
    std::wstring id;
    std::wstring left;
    std::wstring top;
    std::wstring width;
    std::wstring height;
    std::wstring onClick;   // effects only
    int horizontal = kAlignmentNone;
    int vertical = kAlignmentNone;
    bool option = false;    // windowed effects, windowless video
    int tabCount = 0;
};

// Radio index of the playlist's kind, and the entries of its predefined list.
enum PlaylistKind { PlaylistKindStandard = 0, PlaylistKindPredefined = 1 };
enum PredefinedPlaylist { PlaylistDropDown = 0, PlaylistItems = 1 };
const int kPredefinedPlaylistCount = 2;
extern const PredefinedElement kPredefinedPlaylists[kPredefinedPlaylistCount];

struct PlaylistFields {
    int kind = PlaylistKindStandard;
    int predefined = PlaylistDropDown;
    std::wstring id;
    std::wstring left;
    std::wstring top;
    std::wstring width;
    std::wstring height;
    std::wstring columns;
    std::wstring backgroundColor;
    std::wstring foregroundColor;
    std::wstring disabledItemColor;
    std::wstring itemPlayingBackgroundColor;
    std::wstring itemPlayingColor;
    bool hideDropDown = false;
    bool hideItems = false;
    bool hideColumns = false;
    bool noSorting = false;
    bool noEditing = false;
    int tabCount = 0;
};

// A list index out of range counts as the list's first entry; an alignment out of range
// writes no alignment.
std::wstring BuildTextElementText(const TextElementFields& fields);
std::wstring BuildEffectsText(const VisualFields& fields);
std::wstring BuildVideoText(const VisualFields& fields);
std::wstring BuildPlaylistText(const PlaylistFields& fields);

std::wstring TextElementHelpText();
std::wstring EffectsHelpText();
std::wstring VideoHelpText();
std::wstring PlaylistHelpText();
