// The running editor: its windows, its document and settings, and what the main window
// keeps while it lives. RunEditor owns it; the main window hands it to every command.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "editor_context.h"
#include "editor_settings.h"
#include "find_replace.h"

struct Editor {
    EditorWindow window;
    EditorDocument document;
    // Read at start and again after the options dialog.
    EditorSettings settings = {};
    SearchState search;
    HFONT editFont = nullptr;
    HIMAGELIST toolbarImages = nullptr;
    WNDPROC originalEditProc = nullptr;
    UINT findReplaceMessage = 0;
};
