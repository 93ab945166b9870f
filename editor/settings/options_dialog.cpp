// The options dialog: template folder name, SDK manual and PPM paths, the 64-bit warning.
#include "options_dialog.h"

#include "editor_settings.h"
#include "message_box.h"
#include "os_checks.h"
#include "resource.h"
#include "template_folder.h"

#include <commdlg.h>

namespace {

// One character less than the field, so nothing typed is cut on the way in.
const int kTemplateFolderLimit = MAX_PATH - 1;

void BrowseIntoField(HWND dialog, int fieldId, const wchar_t* filter, const wchar_t* title)
{
    wchar_t path[MAX_PATH] = L"";
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = dialog;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = _countof(path);
    ofn.lpstrTitle = title;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (GetOpenFileNameW(&ofn)) SetDlgItemTextW(dialog, fieldId, path);
}

void OnInitDialog(HWND dialog)
{
    EditorSettings settings = LoadEditorSettings();
    SendDlgItemMessageW(dialog, IDC_OPTIONS_TEMPLATE_FOLDER, EM_LIMITTEXT, kTemplateFolderLimit, 0);
    SetDlgItemTextW(dialog, IDC_OPTIONS_TEMPLATE_FOLDER, settings.TemplateFolderName);
    SetDlgItemTextW(dialog, IDC_OPTIONS_SDK_PATH, settings.WMPSDKManualPath);
    SetDlgItemTextW(dialog, IDC_OPTIONS_PPM_PATH, settings.PPMPath);
    HWND noX64 = GetDlgItem(dialog, IDC_OPTIONS_NO_X64_WARNING);
    if (IsRunningUnderWow64()) {
        CheckDlgButton(dialog, IDC_OPTIONS_NO_X64_WARNING, settings.NoX64RunningWarning ? BST_CHECKED : BST_UNCHECKED);
    } else {
        EnableWindow(noX64, FALSE);
        ShowWindow(noX64, SW_HIDE);
    }
}

void OnOk(HWND dialog)
{
    EditorSettings settings = LoadEditorSettings();
    GetDlgItemTextW(dialog, IDC_OPTIONS_TEMPLATE_FOLDER, settings.TemplateFolderName, _countof(settings.TemplateFolderName));
    GetDlgItemTextW(dialog, IDC_OPTIONS_SDK_PATH, settings.WMPSDKManualPath, _countof(settings.WMPSDKManualPath));
    GetDlgItemTextW(dialog, IDC_OPTIONS_PPM_PATH, settings.PPMPath, _countof(settings.PPMPath));
    HWND noX64 = GetDlgItem(dialog, IDC_OPTIONS_NO_X64_WARNING);
    settings.NoX64RunningWarning =
        (IsWindowVisible(noX64) && IsDlgButtonChecked(dialog, IDC_OPTIONS_NO_X64_WARNING) == BST_CHECKED) ? 1 : 0;
    settings.PackageLevel = 0;
    settings.NoZipRuntimeWarning = 0;
    // The dialog stays open on a refused write, so what was typed is not lost.
    if (!SaveEditorSettings(settings)) {
        ShowMessage(dialog,
                    L"設定を保存できませんでした。\nアクセス権限が正しく設定され、構成されていることを確認してください。",
                    L"Quillmere", MB_ICONWARNING);
        return;
    }
    if (settings.TemplateFolderName[0] && !EnsureTemplateFolder(settings.TemplateFolderName))
        ShowMessage(dialog, L"雛形フォルダを生成できませんでした。", L"Quillmere", MB_ICONERROR);
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_OPTIONS_SDK_BROWSE:
            BrowseIntoField(dialog, IDC_OPTIONS_SDK_PATH, L"HTML ヘルプ ファイル (*.chm)\0*.chm\0",
                            L"Windows Media Player SDK マニュアルの場所の指定");
            return TRUE;
        case IDC_OPTIONS_PPM_BROWSE:
            BrowseIntoField(dialog, IDC_OPTIONS_PPM_PATH, L"PPM 本体 (PPM.exe)\0ppm.exe\0",
                            L"PPM 本体 (PPM.exe) のパスの指定");
            return TRUE;
        case IDOK:
            OnOk(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

INT_PTR ShowOptionsDialog(const EditorWindow& window)
{
    return DialogBoxParamW(window.instance, MAKEINTRESOURCEW(IDD_OPTIONS), window.main, OptionsDialogProc, 0);
}
