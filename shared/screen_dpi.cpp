// The screen's DPI, and sizes drawn for 96 DPI made to grow with it.
#include "screen_dpi.h"

int ScreenDpi(HWND window)
{
    HDC dc = GetDC(window);
    int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    if (dc) ReleaseDC(window, dc);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int ScaleForDpi(int pixelsAt96, int dpi)
{
    return MulDiv(pixelsAt96, dpi, USER_DEFAULT_SCREEN_DPI);
}

int FontCellHeight(int points, int dpi)
{
    return MulDiv(points, dpi, 72);
}

int ToolbarImageSize(int dpi)
{
    return dpi >= 144 ? 24 : 16;
}

void SetLeastDialogSize(HWND dialog, int width, int height, MINMAXINFO* info)
{
    RECT least = {0, 0, width, height};
    MapDialogRect(dialog, &least);
    info->ptMinTrackSize.x = least.right;
    info->ptMinTrackSize.y = least.bottom;
}
