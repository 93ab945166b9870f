// The package check of the one selected package, run on a worker thread, its findings listed
// in a dialog.
#include "package_check_dialog.h"

#include "language.h"
#include "message_box.h"
#include "package_check.h"
#include "posted_answer.h"
#include "preview_pane.h"
#include "resource.h"
#include "skin_list.h"
#include "skin_workers.h"
#include "fennick.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

const wchar_t kCaptionJapanese[] = L"パッケージのチェック";
const wchar_t kCaptionEnglish[] = L"Check package";

struct CheckResult {
    unsigned request;
    ZipReadError error;
    std::vector<PackageFinding> findings;
};

// One thread: a second check calls off the first, whose answer is not shown.
SkinWorkers g_workers;
unsigned g_request = 0;

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

std::wstring CellText(const PackageFinding& finding, int column)
{
    switch (column) {
    case 0: return finding.file;
    case 1: return finding.line > 0 ? std::to_wstring(finding.line) : std::wstring();
    case 2: return KindText(finding.kind);
    default: return finding.message;
    }
}

// The list holds no texts of its own: it asks for the rows it shows, however many there are.
void GiveCell(const std::vector<PackageFinding>& findings, NMLVDISPINFOW* asked)
{
    LVITEMW& item = asked->item;
    if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || item.iItem >= static_cast<int>(findings.size()) ||
        item.cchTextMax <= 0)
        return;
    const std::wstring text = CellText(findings[static_cast<size_t>(item.iItem)], item.iSubItem);
    const size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
    text.copy(item.pszText, length);
    item.pszText[length] = L'\0';
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
    SendMessageW(list, LVM_SETITEMCOUNT, findings.size(), 0);
    SetDlgItemTextW(dialog, IDC_PACKAGE_CHECK_SUMMARY, SummaryText(findings).c_str());
}

INT_PTR CALLBACK PackageCheckDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        FillDialog(dialog, *reinterpret_cast<const std::vector<PackageFinding>*>(lParam));
        return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == LVN_GETDISPINFOW)
            GiveCell(*reinterpret_cast<const std::vector<PackageFinding>*>(GetWindowLongPtrW(dialog, DWLP_USER)),
                     reinterpret_cast<NMLVDISPINFOW*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

void QueueCheck(HWND owner, const std::wstring& path)
{
    const unsigned request = ++g_request;
    const bool japanese = IsJapaneseUi();
    if (!g_workers.Started()) g_workers.Start(1, 0);
    g_workers.CancelAll();
    g_workers.Queue([owner, request, path, japanese](SkinImageCache&, const std::atomic<bool>& cancel) {
        if (cancel) return;
        auto result = std::make_unique<CheckResult>();
        result->request = request;
        result->error = CheckSkinPackage(path, japanese, &result->findings);
        if (!cancel) PostAnswer(owner, WM_PACKAGE_CHECKED, std::move(result));
    });
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
    QueueCheck(owner, path);
}

void ShowPackageCheck(HWND owner, LPARAM lParam)
{
    std::unique_ptr<CheckResult> result = TakeAnswer<CheckResult>(lParam);
    if (result->request != g_request) return;
    const wchar_t* caption = UiText(kCaptionJapanese, kCaptionEnglish);
    if (result->error != ZipReadOk) {
        ShowMessage(owner, ZipReadErrorText(result->error, IsJapaneseUi()), caption, MB_ICONWARNING);
        return;
    }
    if (result->findings.empty()) {
        ShowMessage(owner, UiText(L"問題は見つかりませんでした。", L"No problems were found."), caption,
                    MB_ICONINFORMATION);
        return;
    }
    DialogBoxParamW(g_hInstance, MAKEINTRESOURCEW(IsJapaneseUi() ? IDD_PACKAGE_CHECK_JP : IDD_PACKAGE_CHECK_EN), owner,
                    PackageCheckDialogProc, reinterpret_cast<LPARAM>(&result->findings));
}

void StopPackageCheck() { g_workers.AskToStop(); }

void WaitForPackageCheck(HWND owner, DWORD milliseconds)
{
    g_workers.Stop(milliseconds);
    DiscardAnswers<CheckResult>(owner, WM_PACKAGE_CHECKED);
}
