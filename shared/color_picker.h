// The system colour picker, fully open, starting at the colour given.
#pragma once
#include <windows.h>

// True when a colour was chosen: *color is then the choice. customColors holds the 16
// custom colours, kept by the caller between calls.
bool PickColor(HWND owner, COLORREF* color, COLORREF* customColors);
