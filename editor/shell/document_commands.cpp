// The main window's own document commands: New, and files dropped on the window.
#include "document_commands.h"

#include "command_rules.h"
#include "commands.h"
#include "document_files.h"
#include "editor_state.h"
#include "message_box.h"
#include "registry_value.h"
#include "status_bar.h"

void NewDocument()
{
    if (!PassSaveGate()) return;
    SetWindowTextW(g_hwndEdit, L"");
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
        DocumentNameBackup backup;
        // A path too long for the document's buffer would be cut to another name.
        if (DragQueryFileW(drop, 0, nullptr, 0) >= MAX_PATH) {
            ShowMessage(g_hwndMain, L"ファイルを開けませんでした。", L"Quillmere", MB_ICONWARNING);
        } else {
            DragQueryFileW(drop, 0, g_currentPath, MAX_PATH);
            if (OpenDocumentByPath(g_currentPath))
                CopyToBuffer(g_currentTitle, MAX_PATH, FileTitleOf(g_currentPath).c_str());
            else
                backup.Restore();
        }
    }
    DragFinish(drop);
}
