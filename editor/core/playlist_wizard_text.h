// The playlist wizard's text and help; no window headers.
#pragma once
#include <string>

#include "wizard_text.h"

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

// A list index out of range counts as the list's first entry.
std::wstring BuildPlaylistText(const PlaylistFields& fields);
std::wstring PlaylistHelpText();
