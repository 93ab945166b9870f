// What the shell owns and hands down to the document, settings and wizard dialogs: the
// editor's windows and its document. Nothing below the shell keeps either.
#pragma once
#include <windows.h>

#include "line_ends.h"

// The instance the resources come from, the main window and the children the commands
// write to.
struct EditorWindow {
    HINSTANCE instance = nullptr;
    HWND main = nullptr;
    HWND edit = nullptr;
    HWND toolbar = nullptr;
    HWND status = nullptr;
};

// The document's file and how it is written back.
struct EditorDocument {
    wchar_t path[MAX_PATH] = L"";   // empty: a new, never saved document
    wchar_t title[MAX_PATH] = L"";
    // How the document's file ends its lines; the control always holds CR LF.
    LineEndStyle lineEnds = LineEndCrLf;
    // The language last chosen for ANSI files in a Unicode window: its index in the list
    // of the ANSI language dialog (0, "Auto", is the code page the program started with).
    int ansiLanguage = 0;
};
