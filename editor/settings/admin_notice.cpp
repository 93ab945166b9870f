// The notice shown instead of the associations dialog to a user without elevation.
#include "admin_notice.h"

#include "resource.h"

INT_PTR CALLBACK RestrictedAdminNoticeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        // The system's own warning icon, which a dialog template cannot name.
        SendDlgItemMessageW(dialog, IDC_NOTICE_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_WARNING)), 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

void ShowRestrictedAdminNotice(const EditorWindow& window)
{
    DialogBoxParamW(window.instance, MAKEINTRESOURCEW(IDD_ADMIN_NOTICE), window.main, RestrictedAdminNoticeProc, 0);
}
