// The document commands of the main window and what they refresh after the document's files.
#include "document_commands.h"

#include "command_rules.h"
#include "command_state.h"
#include "document_files.h"
#include "message_box.h"
#include "status_bar.h"

namespace {

void ShowNewDocument(Editor* editor)
{
    editor->document.lineEnds = LineEndCrLf;
    ShowDocumentName(*editor);
    SetStatusText(editor->window, StatusPartMessage, L"初期化しました。");
    SetStatusText(editor->window, StatusPartPath, nullptr);
}

void ShowOpenedDocument(Editor* editor, const OpenedDocument& opened)
{
    if (!opened.opened) {
        // An open that emptied the window leaves a new document behind.
        if (opened.windowCleared) ShowNewDocument(editor);
        return;
    }
    ShowDocumentName(*editor);
    const LineEndStyle lineEnds = editor->document.lineEnds;
    const wchar_t* style = lineEnds == LineEndLf ? L"LF" : lineEnds == LineEndCr ? L"CR" : L"CR+LF";
    std::wstring text = L"ファイルを開きました。";
    if (opened.mixedLineEnds)
        text += L" 改行コードが混在しているため、保存時には " + std::wstring(style) + L" に統一されます。";
    SetStatusText(editor->window, StatusPartMessage, text.c_str());
    SetStatusText(editor->window, StatusPartPath, editor->document.path);
}

}  // namespace

void ShowDocumentName(const Editor& editor)
{
    SetWindowTextW(editor.window.main, DocumentWindowTitle(editor.document.title).c_str());
    UpdateRunCommandState(editor.window, editor.document.path);
}

void NewDocument(Editor* editor)
{
    if (!PassSaveGate(editor)) return;
    SetWindowTextW(editor->window.edit, L"");
    editor->document.path[0] = L'\0';
    editor->document.title[0] = L'\0';
    ShowNewDocument(editor);
}

bool OpenDocumentCommand(Editor* editor)
{
    if (!PassSaveGate(editor)) return false;
    OpenedDocument opened = OpenDocumentWithDialog(editor->window, &editor->document);
    ShowOpenedDocument(editor, opened);
    return opened.opened;
}

bool OpenFileAsDocument(Editor* editor, const std::wstring& path)
{
    OpenedDocument opened = OpenDocumentAsCurrent(editor->window, &editor->document, path);
    ShowOpenedDocument(editor, opened);
    return opened.opened;
}

bool SaveAsCommand(Editor* editor)
{
    if (!SaveDocumentAs(editor->window, &editor->document)) return false;
    ShowDocumentName(*editor);
    SetStatusText(editor->window, StatusPartMessage, L"ファイルを保存しました。");
    SetStatusText(editor->window, StatusPartPath, editor->document.path);
    return true;
}

bool SaveCommand(Editor* editor)
{
    if (!SaveDocument(editor->window, &editor->document)) return SaveAsCommand(editor);
    SetStatusText(editor->window, StatusPartMessage, L"ファイルを更新しました。");
    return true;
}

void OpenDroppedFiles(Editor* editor, HDROP drop)
{
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    if (count > 1) {
        ShowMessage(editor->window.main, L"一度に複数のファイルを開くことはできません。", L"Quillmere", MB_ICONERROR);
    } else if (count == 1 && PassSaveGate(editor)) {
        UINT length = DragQueryFileW(drop, 0, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(DragQueryFileW(drop, 0, &path[0], length + 1));
        OpenFileAsDocument(editor, path);
    }
    DragFinish(drop);
}

int PromptSaveChanges(Editor* editor)
{
    if (SendMessageW(editor->window.edit, EM_GETMODIFY, 0, 0) != 1) return 0;
    return ShowMessage(editor->window.main, SaveChangesQuestion(editor->document.path).c_str(), L"Quillmere",
                       MB_YESNOCANCEL | MB_ICONWARNING);
}

bool PassSaveGate(Editor* editor)
{
    switch (PromptSaveChanges(editor)) {
    case IDYES:    return SaveCommand(editor);
    case IDCANCEL: return false;
    default:       return true;
    }
}
