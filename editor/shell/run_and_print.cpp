// Run the document through its file type's program, and print or preview it with PPM.
#include "run_and_print.h"

#include "current_document.h"
#include "document_commands.h"
#include "editor_windows.h"
#include "file_info.h"
#include "message_box.h"
#include "running_settings.h"
#include "shell_open.h"
#include "status_bar.h"


#include <string>

namespace {

const wchar_t kCaption[] = L"Quillmere";

enum SaveAnswer { SaveGoOn, SaveStop, SaveCancelled };

// The save question before a command that hands the file on disk to another program.
SaveAnswer SaveFirst(const wchar_t* question)
{
    if (SendMessageW(g_hwndEdit, EM_GETMODIFY, 0, 0) != 1) return SaveGoOn;
    switch (ShowMessage(g_hwndMain, question, L"実行確認", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:    return SaveCommand() ? SaveGoOn : SaveStop;
    case IDNO:     return SaveGoOn;
    default:       return SaveCancelled;
    }
}

void StartPpm(const std::wstring& parameters)
{
    if (!ShellOpen(g_hwndMain, g_settings.PPMPath, parameters.c_str()))
        ShowMessage(g_hwndMain, L"PPM を起動できませんでした。", kCaption, MB_ICONWARNING);
}

std::wstring QuotedDocumentPath()
{
    return L"\"" + std::wstring(g_currentPath) + L"\"";
}

}  // namespace

void RunCurrentFile()
{
    SetStatusText(StatusPartMessage, L"実行しています...");
    switch (SaveFirst(L"実行する前に保存しますか？")) {
    case SaveStop:
        return;
    case SaveCancelled:
        SetStatusText(StatusPartMessage, L"処理を中止しました。");
        return;
    case SaveGoOn:
        break;
    }
    if (ShellOpen(g_hwndMain, g_currentPath)) {
        SetStatusText(StatusPartMessage, L"実行処理が完了しました。");
        return;
    }
    ShowMessage(g_hwndMain, L"実行処理中にエラーが発生しました。", kCaption, MB_ICONWARNING);
    SetStatusText(StatusPartMessage, L"実行できませんでした。");
}

void PreviewWithPpm()
{
    if (!FileExists(g_currentPath)) {
        ShowMessage(g_hwndMain, L"印刷プレビューする前に保存してください。", kCaption, MB_ICONWARNING);
        return;
    }
    if (SaveFirst(L"印刷プレビューする前に保存しますか？") != SaveGoOn) return;
    StartPpm(QuotedDocumentPath());
}

void PrintWithPpm()
{
    if (GetWindowTextLengthW(g_hwndEdit) == 0) {
        ShowMessage(g_hwndMain, L"印刷できるものはありません。", kCaption, MB_ICONWARNING);
        return;
    }
    if (!FileExists(g_currentPath)) {
        ShowMessage(g_hwndMain, L"印刷する前に保存してください。", kCaption, MB_ICONWARNING);
        return;
    }
    if (SaveFirst(L"印刷する前に保存しますか？") != SaveGoOn) return;
    StartPpm(QuotedDocumentPath() + L" -p -q");
}
