// The document commands of the main window and what they refresh after the document's files.
#include "document_commands.h"

#include "command_rules.h"
#include "command_state.h"
#include "current_document.h"
#include "document_files.h"
#include "editor_windows.h"
#include "message_box.h"
#include "status_bar.h"

namespace {

void ShowNewDocument()
{
    g_lineEndStyle = LineEndCrLf;
    ShowDocumentName();
    SetStatusText(StatusPartMessage, L"初期化しました。");
    SetStatusText(StatusPartPath, nullptr);
}

void ShowOpenedDocument(const OpenedDocument& opened)
{
    if (!opened.opened) {
        // An open that emptied the window leaves a new document behind.
        if (opened.windowCleared) ShowNewDocument();
        return;
    }
    ShowDocumentName();
    const wchar_t* style = g_lineEndStyle == LineEndLf ? L"LF" : g_lineEndStyle == LineEndCr ? L"CR" : L"CR+LF";
    std::wstring text = L"ファイルを開きました。";
    if (opened.mixedLineEnds)
        text += L" 改行コードが混在しているため、保存時には " + std::wstring(style) + L" に統一されます。";
    SetStatusText(StatusPartMessage, text.c_str());
    SetStatusText(StatusPartPath, g_currentPath);
}

}  // namespace

void ShowDocumentName()
{
    SetWindowTextW(g_hwndMain, DocumentWindowTitle(g_currentTitle).c_str());
    UpdateRunCommandState(g_currentPath);
}

void NewDocument()
{
    if (!PassSaveGate()) return;
    SetWindowTextW(g_hwndEdit, L"");
    g_currentPath[0] = L'\0';
    g_currentTitle[0] = L'\0';
    ShowNewDocument();
}

bool OpenDocumentCommand()
{
    if (!PassSaveGate()) return false;
    OpenedDocument opened = OpenDocumentWithDialog();
    ShowOpenedDocument(opened);
    return opened.opened;
}

bool OpenFileAsDocument(const std::wstring& path)
{
    OpenedDocument opened = OpenDocumentAsCurrent(path);
    ShowOpenedDocument(opened);
    return opened.opened;
}

bool SaveAsCommand()
{
    if (!SaveDocumentAs()) return false;
    ShowDocumentName();
    SetStatusText(StatusPartMessage, L"ファイルを保存しました。");
    SetStatusText(StatusPartPath, g_currentPath);
    return true;
}

bool SaveCommand()
{
    if (!SaveDocument()) return SaveAsCommand();
    SetStatusText(StatusPartMessage, L"ファイルを更新しました。");
    return true;
}

void OpenDroppedFiles(HDROP drop)
{
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    if (count > 1) {
        ShowMessage(g_hwndMain, L"一度に複数のファイルを開くことはできません。", L"Quillmere", MB_ICONERROR);
    } else if (count == 1 && PassSaveGate()) {
        UINT length = DragQueryFileW(drop, 0, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(DragQueryFileW(drop, 0, &path[0], length + 1));
        OpenFileAsDocument(path);
    }
    DragFinish(drop);
}

int PromptSaveChanges()
{
    if (SendMessageW(g_hwndEdit, EM_GETMODIFY, 0, 0) != 1) return 0;
    return ShowMessage(g_hwndMain, SaveChangesQuestion(g_currentPath).c_str(), L"Quillmere",
                       MB_YESNOCANCEL | MB_ICONWARNING);
}

bool PassSaveGate()
{
    switch (PromptSaveChanges()) {
    case IDYES:    return SaveCommand();
    case IDCANCEL: return false;
    default:       return true;
    }
}
