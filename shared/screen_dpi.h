// The screen's DPI, and sizes drawn for 96 DPI made to grow with it.
#pragma once
#include <windows.h>

// Pixels per logical inch of the screen (LOGPIXELSY of the window's DC); the programs
// are system-DPI aware, so this stays the same while they run.
int ScreenDpi(HWND window);
// A length in pixels at 96 DPI, at this DPI.
int ScaleForDpi(int pixelsAt96, int dpi);
// The cell height of a font of this many points at this DPI.
int FontCellHeight(int points, int dpi);
// The side of the toolbar pictures: 16, or 24 from 144 DPI on, where the 16-pixel
// pictures stretched by half would look coarse.
int ToolbarImageSize(int dpi);
// A resizable dialog's least tracking size, given in dialog units so that it grows with the font.
void SetLeastDialogSize(HWND dialog, int width, int height, MINMAXINFO* info);
