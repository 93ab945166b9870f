// The explorer's toolbar: six buttons over the list, with tooltips in the user's language.
#include "toolbar.h"

#include "fennick.h"
#include "language.h"
#include "resource.h"
#include "screen_dpi.h"
#include "toolbar_tips.h"

#include <commctrl.h>

namespace {

const int kSeparator = -1;

// Position in the bar -> picture in the strip and command; the tooltip string follows
// the position.
struct ButtonPlace {
    int image;
    int command;
};

const ButtonPlace kButtons[] = {
    {0, IDM_OPEN_SKIN}, {1, IDM_DELETE_SKINS}, {2, IDM_RENAME_SKIN}, {kSeparator, 0},
    {3, IDM_ADD_SKINS}, {4, IDM_REFRESH},      {kSeparator, 0},     {5, IDM_HELP},
};
const int kButtonCount = _countof(kButtons);

HWND g_toolbar = nullptr;
HIMAGELIST g_toolbarImages = nullptr;

}  // namespace

HWND CreateExplorerToolbar(HWND parent)
{
    int size = ToolbarImageSize(ScreenDpi(parent));
    g_toolbarImages = ImageList_LoadImageW(g_hInstance, MAKEINTRESOURCEW(size == 24 ? IDB_TOOLBAR_24 : IDB_TOOLBAR),
                                           size, 9, CLR_DEFAULT, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    TBBUTTON buttons[kButtonCount] = {};
    for (int position = 0; position < kButtonCount; ++position) {
        bool separator = kButtons[position].image == kSeparator;
        buttons[position].iBitmap = separator ? 0 : kButtons[position].image;
        buttons[position].idCommand = kButtons[position].command;
        buttons[position].fsState = TBSTATE_ENABLED;
        buttons[position].fsStyle = separator ? TBSTYLE_SEP : TBSTYLE_BUTTON;
    }
    // The pictures come from the image list, so the bar is made without a bitmap.
    HWND toolbar = CreateToolbarEx(parent, WS_CHILD | WS_VISIBLE, IDC_TOOLBAR, 0, nullptr, 0, buttons, kButtonCount,
                                   0, 0, 0, 0, sizeof(TBBUTTON));
    if (!toolbar) return nullptr;
    SetWindowLongPtrW(toolbar, GWL_STYLE, GetWindowLongPtrW(toolbar, GWL_STYLE) | TBSTYLE_FLAT);
    SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(g_toolbarImages));
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    AddToolbarTooltips(parent, toolbar, g_hInstance, kButtons,
                       IsJapaneseUi() ? IDS_TOOLTIP_JP_FIRST : IDS_TOOLTIP_EN_FIRST);
    g_toolbar = toolbar;
    return toolbar;
}

void EnableToolbarCommand(int command, bool enabled)
{
    SendMessageW(g_toolbar, TB_ENABLEBUTTON, command, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

void ReleaseToolbarImages()
{
    if (g_toolbar) SendMessageW(g_toolbar, TB_SETIMAGELIST, 0, 0);
    if (g_toolbarImages) ImageList_Destroy(g_toolbarImages);
    g_toolbarImages = nullptr;
}
