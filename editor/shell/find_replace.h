// The editor's Find and Replace dialogs, Find next, and the notifications the dialogs send.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "editor_context.h"

// What the two dialogs share; they keep pointers into it for as long as they are open.
struct SearchState {
    wchar_t findWhat[256] = L"";
    wchar_t replaceWith[256] = L"";
    int start = 0;   // offset where the next search begins
    FINDREPLACEW findStructure = {};
    FINDREPLACEW replaceStructure = {};
    HWND dialog = nullptr;
    const FINDREPLACEW* openStructure = nullptr;   // which of the two dialog shows
};

// The three commands: each first takes the end of the selection as the search position.
void ShowFindDialog(const EditorWindow& window, SearchState* search);
void ShowReplaceDialog(const EditorWindow& window, SearchState* search);
// F3: opens the Find dialog while there is nothing to find.
void FindNextFromSelection(const EditorWindow& window, SearchState* search);

// 1 when findWhat was found at or after *searchStart: it is then selected and *searchStart
// moves behind it.
int FindNextInText(const wchar_t* findWhat, HWND edit, int* searchStart);

// Replaces every occurrence at once and returns how many. When none lies at or after
// *searchStart, the not-found warning (owned by warningOwner) comes first.
int ReplaceAllInEdit(HWND edit, const wchar_t* findWhat, const wchar_t* replaceWith, HWND warningOwner,
                     int* searchStart);

// The registered message of the dialogs (lParam: their FINDREPLACEW).
void HandleFindReplaceMessage(const EditorWindow& window, SearchState* search, const FINDREPLACEW* notification);
