// The file associations dialog, and menu command 136 that opens it or the notice.
#include "associations_dialog.h"

#include "admin_notice.h"
#include "associations.h"
#include "message_box.h"
#include "os_checks.h"
#include "program_folder.h"
#include "resource.h"

namespace {

const wchar_t kCaption[] = L"Quillmere";

// Lets Explorer and open file dialogs see the new file types at once.
void BroadcastChange()
{
    PostMessageW(HWND_BROADCAST, WM_WININICHANGE, 0, 0);
}

void Associate(HWND dialog)
{
    if (ShowMessage(dialog,
                    L"以下のファイルに関連付けます。\n\n"
                    L"・Windows Media Player スキン ファイル (*.wms)\n・Java スクリプト (*.js)\n"
                    L"・Quillmere 雛形ファイル (*.qlmt)\n・Ferncastle スキン セットアップ ファイル (*.qlmc)\n\n"
                    L"よろしいですか？",
                    L"関連付けの確認", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    AssociateResult result = WriteAssociations(OwnProgramPath());
    if (result != AssociateResultRefused) BroadcastChange();
    // A value that failed after the first is reported too: the association is not complete.
    if (result == AssociateResultDone)
        ShowMessage(dialog, L"関連付けが完了しました。", kCaption, MB_ICONINFORMATION);
    else
        ShowMessage(dialog, L"関連付けできませんでした。\n管理者権限があるかどうかを確認してください。", kCaption,
                    MB_ICONWARNING);
}

void Remove(HWND dialog)
{
    if (ShowMessage(dialog, L"関連付けを解除します。\nよろしいですか？", L"関連付け解除の確認",
                    MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    RemoveResult result = RemoveAssociations();
    if (result != RemoveResultRefused) BroadcastChange();
    // A key left behind is reported too: the association is not wholly removed.
    if (result == RemoveResultDone)
        ShowMessage(dialog, L"関連付け解除が完了しました。", kCaption, MB_ICONINFORMATION);
    else
        ShowMessage(dialog, L"関連付けを解除できませんでした。\n管理者権限があるかどうかを確認してください。",
                    kCaption, MB_ICONWARNING);
}

void OnInitDialog(HWND dialog)
{
    DWORD platform = 0, major = 0;
    QueryPlatformVersion(&platform, &major);
    BOOL enabled = AssociationButtonsEnabled(platform, AskIsUserAnAdmin()) ? TRUE : FALSE;
    EnableWindow(GetDlgItem(dialog, IDC_ASSOCIATIONS_ASSOCIATE), enabled);
    EnableWindow(GetDlgItem(dialog, IDC_ASSOCIATIONS_REMOVE), enabled);
}

}  // namespace

INT_PTR CALLBACK AssociationsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_ASSOCIATIONS_ASSOCIATE: Associate(dialog); return TRUE;
        case IDC_ASSOCIATIONS_REMOVE:    Remove(dialog); return TRUE;
        case IDOK:
        case IDCANCEL:                   EndDialog(dialog, 1); return TRUE;
        }
        break;
    }
    return FALSE;
}

void ShowAssociations(const EditorWindow& window)
{
    DWORD platform = 0, major = 0;
    QueryPlatformVersion(&platform, &major);
    if (ChooseAssociationsWindow(platform, major, AskIsUserAnAdmin()) == AssociationsWindowNotice) {
        ShowRestrictedAdminNotice(window);
        return;
    }
    DialogBoxParamW(window.instance, MAKEINTRESOURCEW(IDD_ASSOCIATIONS), window.main, AssociationsDialogProc, 0);
}
