// The slider wizard's text and the help of its dialog and three sub-dialogs; no window headers.
#pragma once
#include <string>

#include "wizard_text.h"

// Radio index of the slider's kind.
enum SliderKind { SliderKindStandard = 0, SliderKindPredefined = 1 };

const int kPredefinedSliderCount = 3;
extern const PredefinedElement kPredefinedSliders[kPredefinedSliderCount];

// In the order of their attributes: backgroundColor, backgroundEndColor, foregroundColor,
// foregroundEndColor, disabledColor, transparencyColor.
const int kSliderColorCount = 6;
extern const wchar_t* const kSliderColorNames[kSliderColorCount];
// backgroundImage ... thumbDisabledImage, in the order of the image sub-dialog.
const int kSliderImageCount = 9;
extern const wchar_t* const kSliderImageNames[kSliderImageCount];
const int kSliderBackgroundImage = 0;   // the two images every slider needs
const int kSliderThumbImage = 5;
// onDragBegin, onDragEnd, onPositionChange, value_onChange.
const int kSliderHandlerCount = 4;
extern const wchar_t* const kSliderHandlerNames[kSliderHandlerCount];

struct SliderFields {
    int kind = SliderKindStandard;
    int predefined = 0;   // index into kPredefinedSliders, used with SliderKindPredefined
    std::wstring id;
    std::wstring left;
    std::wstring top;
    std::wstring width;
    std::wstring height;
    std::wstring borderSize;
    std::wstring colors[kSliderColorCount];
    std::wstring min;
    std::wstring max;
    std::wstring value;
    std::wstring toolTip;
    std::wstring images[kSliderImageCount];
    std::wstring handlers[kSliderHandlerCount];
    bool vertical = false;
    bool tiled = false;
    bool progress = false;
    int tabCount = 0;
};

bool IsStandardSlider(const SliderFields& fields);
bool SliderBoundsComplete(const SliderFields& fields);    // left, top, width and height all set
bool SliderImagesComplete(const SliderFields& fields);    // background and thumb image set
// A standard slider without any handler asks before it is inserted.
bool SliderNeedsHandlerWarning(const SliderFields& fields);

// An index out of range in kind or predefined counts as the first entry.
std::wstring BuildSliderText(const SliderFields& fields);

std::wstring SliderHelpText();
std::wstring SliderImagesHelpText();
std::wstring SliderHandlersHelpText();
std::wstring SliderOptionsHelpText();
