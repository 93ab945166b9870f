// A skin definition read into a tree of elements with their attributes and places in the text.
#pragma once
#include "skin_elements.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct SkinTagPlace {
    size_t offset = 0;   // the start tag's '<', in UTF-16 code units
    size_t length = 0;   // up to and including its '>'
    int line = 1;        // 1-based
    int column = 1;      // 1-based, in UTF-16 code units; a tab counts one
};

struct SkinNode {
    const SkinElementInfo* info = nullptr;   // nullptr for a name the player does not know
    std::wstring tag;                        // as written
    SkinTagPlace place;
    std::vector<std::pair<std::wstring, std::wstring>> attributes;   // lower-case name, decoded value
    int parent = -1;
    std::vector<int> children;

    // The value of an attribute (name in lower case), nullptr when it is not set.
    const std::wstring* Find(const wchar_t* lowerName) const;
    bool Is(SkinElementKind kind) const { return info && info->kind == kind; }
};

struct SkinDocument {
    std::vector<SkinNode> nodes;    // in document order; a parent stands before its children
    bool hasErrors = false;         // the markup or its nesting is broken somewhere
    bool tooManyElements = false;   // elements past the limit were left out
    bool nestedTooDeep = false;     // elements nested past the limit were left out
    bool tooManyAttributes = false; // attributes past the limits were left out
};

// Never fails: broken markup gives whatever could be read, with hasErrors set. What it keeps
// stays within the limits of skin_limits.h; past them elements and attributes are left out.
SkinDocument ReadSkinDocument(const std::wstring& text);

// The VIEW elements that stand in no other VIEW, in document order.
std::vector<int> FindSkinViews(const SkinDocument& document);

// wmpprop:, wmpenabled:, wmpdisabled:, jscript: and res:// values, which only the player can evaluate.
bool IsBoundValue(const std::wstring& value);
// A whole decimal number with an optional sign; false for bound and malformed values.
// Values far beyond any screen are held at +/- 1,000,000.
bool ParseSkinInteger(const std::wstring& value, long* number);
// "true" or "false" in any case; false for anything else.
bool ParseSkinBoolean(const std::wstring& value, bool* flag);
