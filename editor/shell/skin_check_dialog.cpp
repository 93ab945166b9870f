// The skin check dialog: the document's findings and its scripts' by file and line; a double
// click goes to the line, in the file it is in.
#include "skin_check_dialog.h"

#include "document_commands.h"
#include "file_paths.h"
#include "message_box.h"
#include "packager_command.h"
#include "resource.h"
#include "screen_dpi.h"
#include "skin_check.h"
#include "window_text.h"

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const wchar_t kCaption[] = L"スキンのチェック";

HWND g_hwndSkinCheck = nullptr;
std::vector<SkinFinding> g_findings;   // one per list item, in the list's order
std::wstring g_checkedPath;            // the definition checked; empty for a new document

// Column widths and margins in dialog units, so they grow with the dialog's font.
const int kFileColumnWidth = 60, kLineColumnWidth = 28, kKindColumnWidth = 32, kMargin = 7;

const wchar_t* KindText(SkinFindingKind kind)
{
    switch (kind) {
    case SkinError:   return L"エラー";
    case SkinWarning: return L"警告";
    default:          return L"情報";
    }
}

std::wstring SummaryText(const std::vector<SkinFinding>& findings)
{
    int counts[3] = {};
    for (const SkinFinding& finding : findings) ++counts[finding.kind];
    return L"エラー " + std::to_wstring(counts[SkinError]) + L" 件、警告 " + std::to_wstring(counts[SkinWarning]) +
           L" 件、情報 " + std::to_wstring(counts[SkinNote]) + L" 件が見つかりました。";
}

int DialogUnitsToPixels(HWND dialog, int units)
{
    RECT rect = {0, 0, units, 0};
    MapDialogRect(dialog, &rect);
    return rect.right;
}

void AddColumn(HWND list, int index, const wchar_t* title, int width)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(title);
    column.cx = width;
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void SetItemText(HWND list, int item, int subItem, const std::wstring& text)
{
    LVITEMW cell = {};
    cell.iSubItem = subItem;
    cell.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&cell));
}

void FillList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_SKIN_CHECK_LIST);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const std::wstring definition = TitleOfPath(g_checkedPath);
    for (size_t index = 0; index < g_findings.size(); ++index) {
        const SkinFinding& finding = g_findings[index];
        std::wstring file = finding.file.empty() ? definition : finding.file;
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(index);
        item.pszText = &file[0];
        int row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        SetItemText(list, row, 1, std::to_wstring(finding.line));
        SetItemText(list, row, 2, KindText(finding.kind));
        SetItemText(list, row, 3, finding.message);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    SetDlgItemTextW(dialog, IDC_SKIN_CHECK_SUMMARY, SummaryText(g_findings).c_str());
}

// Selects the whole line in the document and scrolls it into view; a line that edits
// have since removed falls back to the last one.
void GoToLine(const EditorWindow& window, int line)
{
    HWND edit = window.edit;
    int count = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
    int index = line - 1 < count ? line - 1 : count - 1;
    int start = static_cast<int>(SendMessageW(edit, EM_LINEINDEX, index, 0));
    int length = static_cast<int>(SendMessageW(edit, EM_LINELENGTH, start, 0));
    SendMessageW(edit, EM_SETSEL, start, start + length);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SetActiveWindow(window.main);
}

// The editor comes with the dialog's creation.
Editor* EditorOf(HWND dialog)
{
    return reinterpret_cast<Editor*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// A finding in another file opens that file first, after the save question.
void GoToItem(Editor* editor, int item)
{
    if (item < 0 || item >= static_cast<int>(g_findings.size())) return;
    const SkinFinding& finding = g_findings[item];
    std::wstring path = g_checkedPath, script;
    if (NormaliseSkinFileName(finding.file, &script)) path = JoinPath(SkinFolderOfDocument(g_checkedPath), script);
    const int line = finding.line;
    if (!path.empty() && !SameName(path, editor->document.path) &&
        (!PassSaveGate(editor) || !OpenFileAsDocument(editor, path)))
        return;
    GoToLine(editor->window, line);
}

void LayOut(HWND dialog, int width, int height)
{
    int margin = DialogUnitsToPixels(dialog, kMargin);
    HWND summary = GetDlgItem(dialog, IDC_SKIN_CHECK_SUMMARY), list = GetDlgItem(dialog, IDC_SKIN_CHECK_LIST);
    HWND close = GetDlgItem(dialog, IDCANCEL);
    if (!summary || !list || !close) return;   // sized before its controls exist
    RECT summaryRect, closeRect;
    GetWindowRect(summary, &summaryRect);
    GetWindowRect(close, &closeRect);
    int summaryHeight = summaryRect.bottom - summaryRect.top;
    int closeWidth = closeRect.right - closeRect.left, closeHeight = closeRect.bottom - closeRect.top;
    int listTop = margin + summaryHeight + margin / 2;
    int closeTop = height - margin - closeHeight;
    MoveWindow(summary, margin, margin, width - 2 * margin, summaryHeight, TRUE);
    MoveWindow(list, margin, listTop, width - 2 * margin, closeTop - margin / 2 - listTop, TRUE);
    MoveWindow(close, width - margin - closeWidth, closeTop, closeWidth, closeHeight, TRUE);
}

void OnInitDialog(HWND dialog, LPARAM editor)
{
    SetWindowLongPtrW(dialog, DWLP_USER, editor);
    HWND list = GetDlgItem(dialog, IDC_SKIN_CHECK_LIST);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client;
    GetClientRect(list, &client);
    int fileWidth = DialogUnitsToPixels(dialog, kFileColumnWidth);
    int lineWidth = DialogUnitsToPixels(dialog, kLineColumnWidth);
    int kindWidth = DialogUnitsToPixels(dialog, kKindColumnWidth);
    int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
    AddColumn(list, 0, L"ファイル", fileWidth);
    AddColumn(list, 1, L"行", lineWidth);
    AddColumn(list, 2, L"種類", kindWidth);
    AddColumn(list, 3, L"メッセージ", client.right - fileWidth - lineWidth - kindWidth - scrollBar);
}

void OnNotify(HWND dialog, const NMHDR* header)
{
    if (header->idFrom == IDC_SKIN_CHECK_LIST && header->code == NM_DBLCLK)
        GoToItem(EditorOf(dialog), reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem);
}

void OnCommand(HWND dialog, int id)
{
    HWND list = GetDlgItem(dialog, IDC_SKIN_CHECK_LIST);
    switch (id) {
    // Enter in the list: go to the selected finding.
    case IDOK:
        GoToItem(EditorOf(dialog), static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED)));
        break;
    case IDCANCEL: DestroyWindow(dialog); break;
    }
}

}  // namespace

INT_PTR CALLBACK SkinCheckDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, lParam);
        return TRUE;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) LayOut(dialog, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_GETMINMAXINFO:
        SetLeastDialogSize(dialog, 200, 100, reinterpret_cast<MINMAXINFO*>(lParam));
        return TRUE;
    case WM_NOTIFY:
        OnNotify(dialog, reinterpret_cast<const NMHDR*>(lParam));
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        g_hwndSkinCheck = nullptr;
        g_findings.clear();
        return TRUE;
    }
    return FALSE;
}

void CheckCurrentSkin(Editor* editor)
{
    const HWND owner = editor->window.main;
    const wchar_t* path = editor->document.path;
    // A new document has no folder yet, so the files it names are not looked for, nor its scripts read.
    std::wstring folder = SkinFolderOfDocument(path);
    std::vector<SkinFinding> findings =
        CheckSkinDefinition(WholeWindowText(editor->window.edit), folder, TitleOfPath(path));
    if (findings.empty()) {
        if (g_hwndSkinCheck) DestroyWindow(g_hwndSkinCheck);
        ShowMessage(owner, L"問題は見つかりませんでした。", kCaption, MB_ICONINFORMATION);
        return;
    }
    if (!g_hwndSkinCheck) {
        g_hwndSkinCheck = CreateDialogParamW(editor->window.instance, MAKEINTRESOURCEW(IDD_SKIN_CHECK), owner,
                                             SkinCheckDialogProc, reinterpret_cast<LPARAM>(editor));
        if (!g_hwndSkinCheck) {
            ShowMessage(owner, L"チェックの結果を表示できませんでした。", kCaption, MB_ICONWARNING);
            return;
        }
    }
    g_findings = std::move(findings);
    g_checkedPath = path;
    FillList(g_hwndSkinCheck);
    ShowWindow(g_hwndSkinCheck, SW_SHOW);
    SetActiveWindow(g_hwndSkinCheck);
}
