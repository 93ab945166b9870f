// The names a skin definition may use: attributes and events of every element, and suggestions.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "skin_colour.h"
#include "skin_elements.h"

enum SkinNameStatus {
    SkinNameUnknown,
    SkinNameKnown,
    SkinNameNote,   // works in the player but is missing from the reference
};

// Lookups take names already in lower case (ASCII); suggestions are empty when nothing fits.
SkinNameStatus LookUpSkinAttribute(SkinElementKind kind, const std::wstring& lowerName);
// The closest known name one or two edits away, in the reference's spelling.
std::wstring SuggestSkinElement(const std::wstring& lowerName);
std::wstring SuggestSkinAttribute(SkinElementKind kind, const std::wstring& lowerName);
// The candidate closest to the name, pairs of (name as compared, name as spelled): the
// spelling of one one or two edits away (one for names under six characters), else empty.
std::wstring ClosestSkinName(const std::vector<std::pair<std::wstring, std::wstring>>& candidates,
                             const std::wstring& name);
