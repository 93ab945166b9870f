// Which of the main window's commands are enabled, from the document and the settings.
#pragma once
#include <windows.h>

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
