// The editor's Find and Replace dialogs, Find next, and the notifications the dialogs send.
#include "find_replace.h"

#include "message_box.h"
#include "text_search.h"
#include "window_text.h"

#include <dlgs.h>

#include <cwchar>
#include <string>

namespace {

const DWORD kHiddenOptions = FR_HIDEUPDOWN | FR_HIDEMATCHCASE | FR_HIDEWHOLEWORD;

using OpenDialogFunction = HWND(WINAPI*)(FINDREPLACEW*);

int SelectionEnd(HWND edit)
{
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end);
}

std::size_t SearchPosition(int searchStart)
{
    return searchStart > 0 ? static_cast<std::size_t>(searchStart) : 0;
}

void ShowNotFound(HWND owner)
{
    ShowMessage(owner, L"指定された文字列が見つからないか、最後まで検索しました。", L"Quillmere", MB_ICONWARNING);
}

void PrepareStructure(SearchState* search, FINDREPLACEW* structure, HWND owner, HINSTANCE instance,
                      bool withReplace)
{
    *structure = {};
    structure->lStructSize = sizeof(FINDREPLACEW);
    structure->hwndOwner = owner;
    structure->hInstance = instance;
    structure->Flags = kHiddenOptions;
    structure->lpstrFindWhat = search->findWhat;
    structure->wFindWhatLen = _countof(search->findWhat);
    if (withReplace) {
        structure->lpstrReplaceWith = search->replaceWith;
        structure->wReplaceWithLen = _countof(search->replaceWith);
    }
}

void CloseOpenDialog(SearchState* search)
{
    HWND dialog = search->dialog;
    // What the user typed but did not search for yet goes over into the other dialog.
    GetDlgItemTextW(dialog, edt1, search->findWhat, _countof(search->findWhat));
    // Cancel, as the user would close it: the dialog tells us with FR_DIALOGTERM.
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    search->dialog = nullptr;
}

// One dialog at a time: the same kind again is brought forward, the other kind replaces it.
void OpenSearchDialog(const EditorWindow& window, SearchState* search, FINDREPLACEW* structure, HINSTANCE instance,
                      bool withReplace, OpenDialogFunction open)
{
    search->start = SelectionEnd(window.edit);
    if (search->dialog && search->openStructure == structure) {
        SetActiveWindow(search->dialog);
        return;
    }
    if (search->dialog) CloseOpenDialog(search);
    PrepareStructure(search, structure, window.main, instance, withReplace);
    search->dialog = open(structure);
    search->openStructure = structure;
}

void FindOrWarn(HWND edit, SearchState* search, const wchar_t* findWhat)
{
    if (FindNextInText(findWhat, edit, &search->start)) return;
    ShowNotFound(search->dialog);
    search->start = 0;
}

void ReplaceNext(HWND edit, SearchState* search, const wchar_t* findWhat, const wchar_t* replaceWith)
{
    if (!FindNextInText(findWhat, edit, &search->start)) {
        ShowNotFound(search->dialog);
        search->start = 0;
        return;
    }
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(replaceWith));
    // Read back: a full control inserts only what fits.
    search->start = SelectionEnd(edit);
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

void ShowFindDialog(const EditorWindow& window, SearchState* search)
{
    OpenSearchDialog(window, search, &search->findStructure, window.instance, false, FindTextW);
}

void ShowReplaceDialog(const EditorWindow& window, SearchState* search)
{
    OpenSearchDialog(window, search, &search->replaceStructure, nullptr, true, ReplaceTextW);
}

void FindNextFromSelection(const EditorWindow& window, SearchState* search)
{
    search->start = SelectionEnd(window.edit);
    if (!search->findWhat[0]) {
        ShowFindDialog(window, search);
        return;
    }
    // A miss is not reported here.
    FindNextInText(search->findWhat, window.edit, &search->start);
}

int FindNextInText(const wchar_t* findWhat, HWND edit, int* searchStart)
{
    if (!findWhat || GetWindowTextLengthW(edit) == 0) return 0;
    std::size_t at = FindInText(WholeWindowText(edit), findWhat, SearchPosition(*searchStart));
    if (at == kNoMatch) return 0;
    std::size_t end = at + std::wcslen(findWhat);
    *searchStart = static_cast<int>(end);
    SendMessageW(edit, EM_SETSEL, at, static_cast<LPARAM>(end));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    return 1;
}

int ReplaceAllInEdit(HWND edit, const wchar_t* findWhat, const wchar_t* replaceWith, HWND warningOwner,
                     int* searchStart)
{
    if (!findWhat || !replaceWith) return 0;
    std::wstring text = WholeWindowText(edit);
    ReplaceAllResult result = ReplaceAllInText(text, findWhat, replaceWith, SearchPosition(*searchStart));
    if (result.notFoundWarning) {
        ShowNotFound(warningOwner);
        // The box leaves the document open to typing: replace in what it holds now.
        std::wstring now = WholeWindowText(edit);
        if (now != text) result = ReplaceAllInText(now, findWhat, replaceWith, 0);
    }
    if (result.count > 0 && !FitsInControl(edit, result.text.size(), warningOwner)) return 0;
    *searchStart = static_cast<int>(result.searchStart);
    if (result.count > 0) ApplyReplaceAll(edit, result);
    return static_cast<int>(result.count);
}

void HandleFindReplaceMessage(const EditorWindow& window, SearchState* search, const FINDREPLACEW* notification)
{
    if (!notification) return;
    DWORD flags = notification->Flags;
    if (flags & FR_DIALOGTERM) {
        search->dialog = nullptr;
        search->openStructure = nullptr;
    }
    if (flags & FR_FINDNEXT) FindOrWarn(window.edit, search, notification->lpstrFindWhat);
    if (flags & FR_REPLACE)
        ReplaceNext(window.edit, search, notification->lpstrFindWhat, notification->lpstrReplaceWith);
    if (flags & FR_REPLACEALL)
        ReplaceAllInEdit(window.edit, notification->lpstrFindWhat, notification->lpstrReplaceWith, search->dialog,
                         &search->start);
}
