// The converter's main dialog.
#include "converter_dialog.h"

#include "about_box.h"
#include "file_paths.h"
#include "legacy_settings.h"
#include "message_box.h"
#include "migrato.h"
#include "resource.h"
#include "single_instance.h"

#include <string>

namespace {

const wchar_t kCaption[] = L"Quillmere 設定コンバータ";
const wchar_t kUnchanged[] = L"Quillmere の設定は変更されていません。";

const AboutBoxConfig kAboutBox = {
    IDD_ABOUT, 0, L"041104e4", L"041104e4", L"Quillmere", L"Quillmere", false,
};

bool IsChecked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

// The guard comes with the dialog's opening.
HANDLE* InstanceMutexOf(HWND dialog)
{
    return reinterpret_cast<HANDLE*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void OnInitDialog(HWND dialog, LPARAM instanceMutex)
{
    SetWindowLongPtrW(dialog, DWLP_USER, instanceMutex);
    g_hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    SendDlgItemMessageW(dialog, IDC_SOURCE_V3, BM_SETCHECK, BST_CHECKED, 0);
    HICON icon = LoadIconW(g_hInstance, MAKEINTRESOURCEW(IDI_APP));
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

// Why nothing was carried over; the current settings are as they were.
void ReportNothingCarried(HWND dialog, const LegacyRead& read)
{
    std::wstring text;
    UINT icon = MB_ICONWARNING;
    switch (read.status) {
    case LegacyTemplateTooLong:
        text = L"設定を引き継げませんでした。\n旧バージョンの雛形フォルダ名が 63 文字を超えているため、引き継ぐことができません。\n";
        break;
    case LegacySdkPathTooLong:
        text = L"設定を引き継げませんでした。\n旧バージョンの Windows Media Player SDK マニュアルのパスが 259 文字を超えているため、"
               L"引き継ぐことができません。\n";
        break;
    case LegacyUnreadable:
        text = L"設定を引き継げませんでした。\n旧バージョンの設定を読み取れませんでした。\n" + SystemErrorText(read.error) + L"\n";
        icon = MB_ICONERROR;
        break;
    default:
        text = L"引き継ぐ設定がありません。\n選択したバージョンの設定が見つかりませんでした。\n";
        break;
    }
    ShowMessage(dialog, (text + kUnchanged).c_str(), kCaption, icon);
}

void OnConvert(HWND dialog)
{
    bool fromV2 = IsChecked(dialog, IDC_SOURCE_V2);
    bool fromV3 = IsChecked(dialog, IDC_SOURCE_V3);
    if (!fromV2 && !fromV3) {
        ShowMessage(dialog, L"対象バージョンを選択してください。", kCaption, MB_ICONWARNING);
        return;
    }
    if (ShowMessage(dialog, L"設定を引き継ぎます。\nよろしいですか？", L"確認",
                    MB_ICONQUESTION | MB_YESNO) != IDYES)
        return;
    LegacySettings settings = {};
    LegacyRead read =
        ReadLegacySettings(HKEY_CURRENT_USER, fromV2 ? QLM_LEGACY_KEY_V2 : QLM_LEGACY_KEY_V3, &settings);
    if (read.status != LegacyFound) {
        ReportNothingCarried(dialog, read);
        return;
    }
    // A write that failed must not be announced as done.
    if (!WriteCurrentSettings(HKEY_CURRENT_USER, kVendorRegistryKey, settings)) {
        ShowMessage(dialog, (std::wstring(L"設定を書き込めませんでした。\n") + kUnchanged).c_str(), kCaption,
                    MB_ICONERROR);
        return;
    }
    ShowMessage(dialog, L"設定を引き継ぎました。", L"引継ぎ完了", MB_ICONINFORMATION);
}

}  // namespace

INT_PTR CALLBACK ConverterDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, lParam);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:           OnConvert(dialog); return TRUE;
        case IDC_SHOW_ABOUT: ShowAboutBox(g_hInstance, dialog, kAboutBox); return TRUE;
        case IDCANCEL:       EndGuardedDialog(dialog, InstanceMutexOf(dialog)); return TRUE;
        }
        break;
    }
    return FALSE;
}

void ShowConverterDialog(HINSTANCE instance, HANDLE* instanceMutex)
{
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CONVERTER), nullptr, ConverterDialogProc,
                    reinterpret_cast<LPARAM>(instanceMutex));
}
