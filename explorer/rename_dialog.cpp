// The rename dialog: a new base name for one skin package in the folder on screen.
#include "rename_dialog.h"

#include "file_names.h"
#include "fennick.h"
#include "file_paths.h"
#include "language.h"
#include "message_box.h"
#include "resource.h"

#include <string>

namespace {

struct RenameFields {
    std::wstring current;   // with ".wmz" appended
    std::wstring renamed;
    std::wstring typed;     // the new name as typed
};

void ShowRenameError(HWND dialog, const wchar_t* japanese, const wchar_t* english)
{
    ShowMessage(dialog, UiText(japanese, english), UiText(L"リネームエラー", L"Rename Error"), MB_ICONWARNING);
}

// The base name of the entry joined to the folder on screen: no folder, no extension.
std::wstring BaseName(const wchar_t* entryName)
{
    std::wstring name = TitleOfPath(JoinPath(g_currentFolder, entryName));
    size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

RenameFields ReadFields(HWND dialog)
{
    wchar_t current[520] = L"";
    wchar_t typed[520] = L"";
    GetDlgItemTextW(dialog, IDC_RENAME_CURRENT, current, _countof(current));
    GetDlgItemTextW(dialog, IDC_RENAME_NEW, typed, _countof(typed));
    return {std::wstring(current) + L".wmz", std::wstring(typed) + L".wmz", typed};
}

// Names stay in the current directory: a separator or ".." would move the package elsewhere.
void OnOk(HWND dialog)
{
    RenameFields fields = ReadFields(dialog);
    if (fields.typed.empty())
        return ShowRenameError(dialog, L"新しいファイル名が空欄です。", L"New file name is blank.");
    if (!IsPlainFileName(fields.typed.c_str()))
        return ShowRenameError(dialog,
            L"新しいファイル名に使用できない文字または名前が含まれています。\n(\\ / : * ? \" < > | や \"..\" は使用できません。)",
            L"The new file name contains a character or name that cannot be used.\n(\\ / : * ? \" < > | and \"..\" are not allowed.)");
    if (SameName(fields.current, fields.renamed))
        return ShowRenameError(dialog, L"ファイル名が同じです。", L"The same file name.");
    if (!MoveFileW(fields.current.c_str(), fields.renamed.c_str()))
        return ShowRenameError(dialog,
            L"リネームできませんでした。考えられる原因として、\n\n・ファイル名に使用できない文字が含まれている\n・NTFS アクセス権により拒否されている\n\nなどが挙げられます。",
            L"Could not rename. Possible causes of,\n\n- These characters are not allowed to name the file that contains\n- NTFS permissions that are rejected\n\nAnd others.");
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK RenameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextW(dialog, IDC_RENAME_CURRENT, BaseName(reinterpret_cast<const wchar_t*>(lParam)).c_str());
        SendDlgItemMessageW(dialog, IDC_RENAME_NEW, EM_LIMITTEXT, kRenameNameLimit, 0);
        // The read-only name comes first in tab order; typing starts in the new one.
        SetFocus(GetDlgItem(dialog, IDC_RENAME_NEW));
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnOk(dialog);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

INT_PTR RunRenameDialog(HWND owner, const wchar_t* entryName)
{
    int id = IsJapaneseUi() ? IDD_RENAME_JP : IDD_RENAME_EN;
    return DialogBoxParamW(g_hInstance, MAKEINTRESOURCEW(id), owner, RenameDialogProc,
                           reinterpret_cast<LPARAM>(entryName));
}
