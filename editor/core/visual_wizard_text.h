// The texts and help of the effects and video wizards, which share one dialog; no window headers.
#pragma once
#include <string>

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

// An alignment out of range writes no alignment.
std::wstring BuildEffectsText(const VisualFields& fields);
std::wstring BuildVideoText(const VisualFields& fields);
std::wstring EffectsHelpText();
std::wstring VideoHelpText();
