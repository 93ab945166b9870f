// Setwright's main dialog.
#include "setup_maker_dialog.h"

#include "about_box.h"
#include "language.h"
#include "resource.h"
#include "setwright.h"
#include "single_instance.h"

namespace {

const AboutBoxConfig kAboutBox = {
    IDD_ABOUT_JP, IDD_ABOUT_EN, L"041104e4", L"040904e4",
    L"QLMC ファイル作成ツール", L"QLMC File Creation Tools", false,
};

void OnInitDialog(HWND dialog)
{
    g_hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    HICON icon = LoadIconW(g_hInstance, MAKEINTRESOURCEW(IDI_APP));
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

INT_PTR CALLBACK SetupMakerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_SHOW_ABOUT: ShowAboutBox(g_hInstance, dialog, kAboutBox); return TRUE;
        case IDCANCEL:       EndGuardedDialog(dialog, &g_instanceMutex); return TRUE;
        }
        break;
    }
    return FALSE;
}

void ShowSetupMakerDialog(HINSTANCE instance)
{
    int id = IsJapaneseUi() ? IDD_SETUP_MAKER_JP : IDD_SETUP_MAKER_EN;
    DialogBoxParamW(instance, MAKEINTRESOURCEW(id), nullptr, SetupMakerDialogProc, 0);
}
