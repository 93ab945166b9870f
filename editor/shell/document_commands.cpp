// The main window's own document commands: New, and files dropped on the window.
#include "document_commands.h"

#include "commands.h"
#include "document_files.h"
#include "editor_state.h"
#include "message_box.h"
#include "status_bar.h"

#include <string>

void NewDocument()
{
    if (!PassSaveGate()) return;
    SetWindowTextW(g_hwndEdit, L"");
    g_lineEndStyle = LineEndCrLf;
    g_currentPath[0] = L'\0';
    g_currentTitle[0] = L'\0';
    UpdateRunCommandState(g_currentPath);
    ShowDocumentTitle(g_currentTitle);
    SetStatusText(StatusPartMessage, L"初期化しました。");
    SetStatusText(StatusPartPath, nullptr);
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
        OpenDocumentAsCurrent(path);
    }
    DragFinish(drop);
}
