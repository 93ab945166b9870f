// The system colour picker, fully open, starting at the colour given.
#include "color_picker.h"

#include <commdlg.h>

bool PickColor(HWND owner, COLORREF* color, COLORREF* customColors)
{
    CHOOSECOLORW cc = {};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = owner;
    cc.rgbResult = *color;
    cc.lpCustColors = customColors;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&cc)) return false;
    *color = cc.rgbResult;
    return true;
}
