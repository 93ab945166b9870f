// The editor's Find and Replace dialogs, Find next, and the notifications the dialogs send.
#include "find_replace.h"

#include "editor_windows.h"
#include "message_box.h"
#include "text_search.h"
#include "window_text.h"

#include <dlgs.h>

#include <cwchar>
#include <string>

wchar_t g_findWhat[256] = L"";
wchar_t g_replaceWith[256] = L"";
int g_searchStart = 0;

namespace {

const DWORD kHiddenOptions = FR_HIDEUPDOWN | FR_HIDEMATCHCASE | FR_HIDEWHOLEWORD;

// The dialogs keep pointers to these for as long as they are open.
FINDREPLACEW g_findStructure = {};
FINDREPLACEW g_replaceStructure = {};
HWND g_hwndFindDialog = nullptr;
const FINDREPLACEW* g_openStructure = nullptr;   // which of the two g_hwndFindDialog shows

using OpenDialogFunction = HWND(WINAPI*)(FINDREPLACEW*);

int SelectionEnd(HWND edit)
{
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end);
}

std::size_t SearchPosition()
{
    return g_searchStart > 0 ? static_cast<std::size_t>(g_searchStart) : 0;
}

void ShowNotFound(HWND owner)
{
    ShowMessage(owner, L"指定された文字列が見つからないか、最後まで検索しました。", L"Quillmere", MB_ICONWARNING);
}

void PrepareStructure(FINDREPLACEW* structure, HINSTANCE instance, bool withReplace)
{
    *structure = {};
    structure->lStructSize = sizeof(FINDREPLACEW);
    structure->hwndOwner = g_hwndMain;
    structure->hInstance = instance;
    structure->Flags = kHiddenOptions;
    structure->lpstrFindWhat = g_findWhat;
    structure->wFindWhatLen = _countof(g_findWhat);
    if (withReplace) {
        structure->lpstrReplaceWith = g_replaceWith;
        structure->wReplaceWithLen = _countof(g_replaceWith);
    }
}

void CloseOpenDialog()
{
    HWND dialog = g_hwndFindDialog;
    // What the user typed but did not search for yet goes over into the other dialog.
    GetDlgItemTextW(dialog, edt1, g_findWhat, _countof(g_findWhat));
    // Cancel, as the user would close it: the dialog tells us with FR_DIALOGTERM.
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    g_hwndFindDialog = nullptr;
}

// One dialog at a time: the same kind again is brought forward, the other kind replaces it.
void OpenSearchDialog(FINDREPLACEW* structure, HINSTANCE instance, bool withReplace, OpenDialogFunction open)
{
    g_searchStart = SelectionEnd(g_hwndEdit);
    if (g_hwndFindDialog && g_openStructure == structure) {
        SetActiveWindow(g_hwndFindDialog);
        return;
    }
    if (g_hwndFindDialog) CloseOpenDialog();
    PrepareStructure(structure, instance, withReplace);
    g_hwndFindDialog = open(structure);
    g_openStructure = structure;
}

void FindOrWarn(const wchar_t* findWhat)
{
    if (FindNextInText(findWhat, g_hwndEdit)) return;
    ShowNotFound(g_hwndFindDialog);
    g_searchStart = 0;
}

void ReplaceNext(const wchar_t* findWhat, const wchar_t* replaceWith)
{
    if (!FindNextInText(findWhat, g_hwndEdit)) {
        ShowNotFound(g_hwndFindDialog);
        g_searchStart = 0;
        return;
    }
    SendMessageW(g_hwndEdit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(replaceWith));
    // Read back: a full control inserts only what fits.
    g_searchStart = SelectionEnd(g_hwndEdit);
}

// The Windows 9x control holds 64 KB at most, and SetWindowText would cut the rest off.
bool FitsInControl(HWND edit, std::size_t length, HWND owner)
{
    std::size_t limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
    if (length <= limit) return true;
    ShowMessage(owner,
                L"置換すると文書が編集できる文字数の上限を超えるため、すべて置換を中止しました。\n"
                L"文書は変更されていません。",
                L"Quillmere", MB_ICONWARNING);
    return false;
}

void ApplyReplaceAll(HWND edit, const ReplaceAllResult& result)
{
    // One SetWindowText for the whole document; it clears the modified flag, so set it again.
    SetWindowTextW(edit, result.text.c_str());
    SendMessageW(edit, EM_SETSEL, result.caret, static_cast<LPARAM>(result.caret));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SendMessageW(edit, EM_SETMODIFY, TRUE, 0);
}

}  // namespace

void ShowFindDialog()
{
    OpenSearchDialog(&g_findStructure, g_hInstance, false, FindTextW);
}

void ShowReplaceDialog()
{
    OpenSearchDialog(&g_replaceStructure, nullptr, true, ReplaceTextW);
}

void FindNextFromSelection()
{
    g_searchStart = SelectionEnd(g_hwndEdit);
    if (!g_findWhat[0]) {
        ShowFindDialog();
        return;
    }
    // A miss is not reported here.
    FindNextInText(g_findWhat, g_hwndEdit);
}

int FindNextInText(const wchar_t* findWhat, HWND edit)
{
    if (!findWhat || GetWindowTextLengthW(edit) == 0) return 0;
    std::size_t at = FindInText(WholeWindowText(edit), findWhat, SearchPosition());
    if (at == kNoMatch) return 0;
    std::size_t end = at + std::wcslen(findWhat);
    g_searchStart = static_cast<int>(end);
    SendMessageW(edit, EM_SETSEL, at, static_cast<LPARAM>(end));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    return 1;
}

int ReplaceAllInEdit(HWND edit, const wchar_t* findWhat, const wchar_t* replaceWith, HWND warningOwner)
{
    if (!findWhat || !replaceWith) return 0;
    std::wstring text = WholeWindowText(edit);
    ReplaceAllResult result = ReplaceAllInText(text, findWhat, replaceWith, SearchPosition());
    if (result.notFoundWarning) {
        ShowNotFound(warningOwner);
        // The box leaves the document open to typing: replace in what it holds now.
        std::wstring now = WholeWindowText(edit);
        if (now != text) result = ReplaceAllInText(now, findWhat, replaceWith, 0);
    }
    if (result.count > 0 && !FitsInControl(edit, result.text.size(), warningOwner)) return 0;
    g_searchStart = static_cast<int>(result.searchStart);
    if (result.count > 0) ApplyReplaceAll(edit, result);
    return static_cast<int>(result.count);
}

void HandleFindReplaceMessage(const FINDREPLACEW* notification)
{
    if (!notification) return;
    DWORD flags = notification->Flags;
    if (flags & FR_DIALOGTERM) {
        g_hwndFindDialog = nullptr;
        g_openStructure = nullptr;
    }
    if (flags & FR_FINDNEXT) FindOrWarn(notification->lpstrFindWhat);
    if (flags & FR_REPLACE) ReplaceNext(notification->lpstrFindWhat, notification->lpstrReplaceWith);
    if (flags & FR_REPLACEALL)
        ReplaceAllInEdit(g_hwndEdit, notification->lpstrFindWhat, notification->lpstrReplaceWith, g_hwndFindDialog);
}
