// The package check of the one selected package, its findings listed in a dialog.
#include "package_check_dialog.h"

#include "language.h"
#include "message_box.h"
#include "package_check.h"
#include "preview_pane.h"
#include "resource.h"
#include "skin_list.h"
#include "fennick.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

const wchar_t kCaptionJapanese[] = L"パッケージのチェック";
const wchar_t kCaptionEnglish[] = L"Check package";

struct CheckColumn {
    const wchar_t* japanese;
    const wchar_t* english;
    int width;   // dialog units
};
const CheckColumn kColumns[] = {{L"ファイル", L"File", 70}, {L"行", L"Line", 24}, {L"種類", L"Kind", 30},
                                {L"メッセージ", L"Message", 230}};

const wchar_t* KindText(SkinFindingKind kind)
{
    switch (kind) {
    case SkinError:   return UiText(L"エラー", L"Error");
    case SkinWarning: return UiText(L"警告", L"Warning");
    default:          return UiText(L"情報", L"Note");
    }
}

std::wstring SummaryText(const std::vector<PackageFinding>& findings)
{
    int counts[3] = {};
    for (const PackageFinding& finding : findings) ++counts[finding.kind];
    if (IsJapaneseUi())
        return L"エラー " + std::to_wstring(counts[SkinError]) + L" 件、警告 " + std::to_wstring(counts[SkinWarning]) +
               L" 件、情報 " + std::to_wstring(counts[SkinNote]) + L" 件が見つかりました。";
    return L"Found " + std::to_wstring(counts[SkinError]) + L" error(s), " + std::to_wstring(counts[SkinWarning]) +
           L" warning(s) and " + std::to_wstring(counts[SkinNote]) + L" note(s).";
}

void SetCell(HWND list, int item, int column, const std::wstring& text)
{
    LVITEMW cell = {};
    cell.mask = LVIF_TEXT;
    cell.iItem = item;
    cell.iSubItem = column;
    cell.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&cell));
}

void FillDialog(HWND dialog, const std::vector<PackageFinding>& findings)
{
    HWND list = GetDlgItem(dialog, IDC_PACKAGE_CHECK_LIST);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int index = 0; index < static_cast<int>(_countof(kColumns)); ++index) {
        RECT width = {0, 0, kColumns[index].width, 0};
        MapDialogRect(dialog, &width);
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(UiText(kColumns[index].japanese, kColumns[index].english));
        column.cx = width.right;
        column.iSubItem = index;
        SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
    }
    for (int item = 0; item < static_cast<int>(findings.size()); ++item) {
        const PackageFinding& finding = findings[item];
        SetCell(list, item, 0, finding.file);
        SetCell(list, item, 1, finding.line > 0 ? std::to_wstring(finding.line) : std::wstring());
        SetCell(list, item, 2, KindText(finding.kind));
        SetCell(list, item, 3, finding.message);
    }
    SetDlgItemTextW(dialog, IDC_PACKAGE_CHECK_SUMMARY, SummaryText(findings).c_str());
}

INT_PTR CALLBACK PackageCheckDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        FillDialog(dialog, *reinterpret_cast<const std::vector<PackageFinding>*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void CheckSelectedPackage(HWND owner)
{
    const wchar_t* caption = UiText(kCaptionJapanese, kCaptionEnglish);
    const std::wstring path = SelectedPackagePath();
    if (path.empty()) {
        ShowMessage(owner, UiText(L"チェックするパッケージを 1 つ選択してください。", L"Select one package to check."),
                    caption, MB_ICONWARNING);
        return;
    }
    std::vector<PackageFinding> findings;
    const ZipReadError error = CheckSkinPackage(path, IsJapaneseUi(), &findings);
    if (error != ZipReadOk) {
        ShowMessage(owner, ZipReadErrorText(error, IsJapaneseUi()), caption, MB_ICONWARNING);
        return;
    }
    if (findings.empty()) {
        ShowMessage(owner, UiText(L"問題は見つかりませんでした。", L"No problems were found."), caption,
                    MB_ICONINFORMATION);
        return;
    }
    DialogBoxParamW(g_hInstance, MAKEINTRESOURCEW(IsJapaneseUi() ? IDD_PACKAGE_CHECK_JP : IDD_PACKAGE_CHECK_EN), owner,
                    PackageCheckDialogProc, reinterpret_cast<LPARAM>(&findings));
}
