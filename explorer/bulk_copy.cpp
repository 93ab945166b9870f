// The bulk copy: the packages listed by setup files copied into the skins folder.
#include "bulk_copy.h"

#include "fennick.h"
#include "file_paths.h"
#include "language.h"
#include "message_box.h"
#include "resource.h"
#include "setup_copy.h"

#include <cwchar>
#include <string>

namespace {

const wchar_t kCaption[] = L"Ferncastle";

bool AskToStart()
{
    const wchar_t* question = IsJapaneseUi()
        ? L"QLMC ファイルを使用して WMZ ファイルの一括コピーを行いますか？\n\n注意 : コピー処理がすべて完了するとプログラムは終了します。"
        : L"QLMC using the file, WMZ bulk copy files to be done?\n\nNote : All copy process is completed, the program is terminated.";
    return ShowMessage(nullptr, question, kCaption, MB_ICONQUESTION | MB_YESNO) == IDYES;
}

OverwriteAnswer AskToOverwrite(const std::wstring& entry)
{
    int dialog = IsJapaneseUi() ? IDD_OVERWRITE_JP : IDD_OVERWRITE_EN;
    switch (DialogBoxParamW(g_hInstance, MAKEINTRESOURCEW(dialog), nullptr, OverwriteDialogProc,
                            reinterpret_cast<LPARAM>(entry.c_str()))) {
    case IDYES:                    return AnswerYes;
    case IDC_OVERWRITE_YES_TO_ALL: return AnswerYesToAll;
    case IDNO:                     return AnswerNo;
    case IDC_OVERWRITE_NO_TO_ALL:  return AnswerNoToAll;
    default:                       return AnswerCancel;
    }
}

void ShowResult(const std::wstring& setupPath, const SetupCopyResult& result)
{
    std::wstring name = TitleOfPath(setupPath);
    wchar_t text[640];
    if (IsJapaneseUi())
        swprintf(text, _countof(text), L"ファイル '%ls' から %01d 個のファイルを処理しました。\n\n成功 : %01d ファイル\n失敗 : %01d ファイル",
                 name.c_str(), result.entries, result.succeeded, result.failed);
    else
        swprintf(text, _countof(text),
                 L"File '%ls' from %01d File(s) to be processed.\n\nSuccess : %01d File(s)\nFailure : %01d File(s)",
                 name.c_str(), result.entries, result.succeeded, result.failed);
    ShowMessage(nullptr, text, IsJapaneseUi() ? L"コピー完了" : L"Copy Complete", MB_ICONINFORMATION);
}

void ShowTooLarge(const std::wstring& setupPath)
{
    std::wstring text = IsJapaneseUi()
        ? L"セットアップ ファイル '" + TitleOfPath(setupPath) + L"' は大きすぎるため、読み込むことができません。\nファイルはコピーされませんでした。"
        : L"Setup file '" + TitleOfPath(setupPath) + L"' is too large to be read.\nNo files were copied.";
    ShowMessage(nullptr, text.c_str(), kCaption, MB_ICONWARNING);
}

void CopySetupFile(const std::wstring& setupPath, const std::wstring& destination)
{
    SetupCopyResult result = CopySetupPackages(setupPath, destination, AskToOverwrite);
    if (result.tooLarge) return ShowTooLarge(setupPath);
    ShowResult(setupPath, result);
}

}  // namespace

int RunBulkCopy(int count, wchar_t** setupFiles, const std::wstring& workingFolder, const wchar_t* skinsRoot)
{
    std::wstring destination = BulkCopyDestination(workingFolder, skinsRoot);
    if (destination.empty()) {
        ShowMessage(nullptr, IsJapaneseUi() ? L"Skins フォルダが見つからないため、一括コピーを行うことができません。"
                                            : L"Skins folder can not be found, so the bulk copy can not be done.",
                    kCaption, MB_ICONERROR);
        return 0;
    }
    if (!AskToStart()) return 0;
    for (int index = 0; index < count; ++index) CopySetupFile(setupFiles[index], destination);
    return 0;
}

INT_PTR CALLBACK OverwriteDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const wchar_t* entry = reinterpret_cast<const wchar_t*>(lParam);
        wchar_t text[400];
        swprintf(text, _countof(text),
                 IsJapaneseUi() ? L"コピー先にはファイル %ls が既に存在しています。" : L"%ls to copy the file already exists.",
                 entry);
        SetDlgItemTextW(dialog, IDC_OVERWRITE_MESSAGE, text);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDYES:
        case IDC_OVERWRITE_YES_TO_ALL:
        case IDNO:
        case IDC_OVERWRITE_NO_TO_ALL:
        case IDCANCEL:
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}
