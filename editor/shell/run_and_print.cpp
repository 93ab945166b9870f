// Run the document through its file type's program, and print or preview it with PPM.
#include "run_and_print.h"

#include "document_commands.h"
#include "file_info.h"
#include "message_box.h"
#include "shell_open.h"
#include "status_bar.h"

#include <string>

namespace {

const wchar_t kCaption[] = L"Quillmere";

enum SaveAnswer { SaveGoOn, SaveStop, SaveCancelled };

// The save question before a command that hands the file on disk to another program.
SaveAnswer SaveFirst(Editor* editor, const wchar_t* question)
{
    if (SendMessageW(editor->window.edit, EM_GETMODIFY, 0, 0) != 1) return SaveGoOn;
    switch (ShowMessage(editor->window.main, question, L"実行確認", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:    return SaveCommand(editor) ? SaveGoOn : SaveStop;
    case IDNO:     return SaveGoOn;
    default:       return SaveCancelled;
    }
}

void StartPpm(const Editor& editor, const std::wstring& parameters)
{
    if (!ShellOpen(editor.window.main, editor.settings.PPMPath, parameters.c_str()))
        ShowMessage(editor.window.main, L"PPM を起動できませんでした。", kCaption, MB_ICONWARNING);
}

std::wstring QuotedDocumentPath(const Editor& editor)
{
    return L"\"" + std::wstring(editor.document.path) + L"\"";
}

}  // namespace

void RunCurrentFile(Editor* editor)
{
    const EditorWindow& window = editor->window;
    SetStatusText(window, StatusPartMessage, L"実行しています...");
    switch (SaveFirst(editor, L"実行する前に保存しますか？")) {
    case SaveStop:
        return;
    case SaveCancelled:
        SetStatusText(window, StatusPartMessage, L"処理を中止しました。");
        return;
    case SaveGoOn:
        break;
    }
    if (ShellOpen(window.main, editor->document.path)) {
        SetStatusText(window, StatusPartMessage, L"実行処理が完了しました。");
        return;
    }
    ShowMessage(window.main, L"実行処理中にエラーが発生しました。", kCaption, MB_ICONWARNING);
    SetStatusText(window, StatusPartMessage, L"実行できませんでした。");
}

void PreviewWithPpm(Editor* editor)
{
    if (!FileExists(editor->document.path)) {
        ShowMessage(editor->window.main, L"印刷プレビューする前に保存してください。", kCaption, MB_ICONWARNING);
        return;
    }
    if (SaveFirst(editor, L"印刷プレビューする前に保存しますか？") != SaveGoOn) return;
    StartPpm(*editor, QuotedDocumentPath(*editor));
}

void PrintWithPpm(Editor* editor)
{
    if (GetWindowTextLengthW(editor->window.edit) == 0) {
        ShowMessage(editor->window.main, L"印刷できるものはありません。", kCaption, MB_ICONWARNING);
        return;
    }
    if (!FileExists(editor->document.path)) {
        ShowMessage(editor->window.main, L"印刷する前に保存してください。", kCaption, MB_ICONWARNING);
        return;
    }
    if (SaveFirst(editor, L"印刷する前に保存しますか？") != SaveGoOn) return;
    StartPpm(*editor, QuotedDocumentPath(*editor) + L" -p -q");
}
