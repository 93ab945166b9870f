// The code page used for ANSI files in a Unicode window, and dialog 139 that chooses it.
#pragma once
#include <windows.h>

#include "editor_context.h"

struct AnsiCodePage {
    const wchar_t* name;
    UINT codePage;      // 0 for "Auto": the process's own, taken at start
};

extern const AnsiCodePage g_ansiCodePages[7];

// Shows dialog 139 over the main window when the system's code page is not 932, and keeps
// the choice in the document; false when it was cancelled.
bool ChooseAnsiLanguage(const EditorWindow& window, EditorDocument* document);

// The code page of the document's choice.
UINT ChosenAnsiCodePage(const EditorDocument& document);
