// The main window's commands: one dispatch for menus, accelerators and toolbar, and the
// rules that enable them.
#pragma once
#include <windows.h>

void DispatchCommand(HWND window, unsigned id);

// Grays or enables a menu item; SetCommandEnabled also the toolbar button of the command.
void EnableMenuCommand(HMENU menu, unsigned id, bool enabled);
void SetCommandEnabled(HMENU menu, unsigned id, bool enabled);

void UpdateEditCommandState(HMENU menu, HWND edit);
// Enables Run for .wms and .js files (1 when it is enabled), and the skin check for
// .wms files and new documents.
int UpdateRunCommandState(const wchar_t* path);
void UpdateFindCommandState();
void UpdatePrintCommandState();
void UpdateSdkManualCommandState();

// 0 when the document has no changes, else the answer IDYES, IDNO or IDCANCEL.
int PromptSaveChanges();

// The question and its gate: true when the caller may go on replacing or leaving the document.
bool PassSaveGate();
