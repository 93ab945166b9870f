// The editor's Find and Replace dialogs, Find next, and the notifications the dialogs send.
#pragma once
#include <windows.h>
#include <commdlg.h>

extern wchar_t g_findWhat[256];
extern wchar_t g_replaceWith[256];
extern int g_searchStart;   // offset where the next search begins

// The three commands: each first takes the end of the selection as the search position.
void ShowFindDialog();
void ShowReplaceDialog();
void FindNextFromSelection();   // F3: opens the Find dialog while there is nothing to find

// 1 when findWhat was found at or after g_searchStart: it is then selected.
int FindNextInText(const wchar_t* findWhat, HWND edit);

// Replaces every occurrence at once and returns how many. When none lies at or after
// g_searchStart, the not-found warning (owned by warningOwner) comes first.
int ReplaceAllInEdit(HWND edit, const wchar_t* findWhat, const wchar_t* replaceWith, HWND warningOwner);

// The registered message of the dialogs (lParam: their FINDREPLACEW).
void HandleFindReplaceMessage(const FINDREPLACEW* notification);
