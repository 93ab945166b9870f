// Which of the main window's commands are enabled, from the document and the settings.
#pragma once
#include <windows.h>

#include "editor_context.h"
#include "editor_settings.h"

// Grays or enables a menu item; SetCommandEnabled also the toolbar button of the command.
void EnableMenuCommand(HMENU menu, unsigned id, bool enabled);
void SetCommandEnabled(const EditorWindow& window, HMENU menu, unsigned id, bool enabled);

// menu: the main window's, also while it is being made.
void UpdateEditCommandState(const EditorWindow& window, HMENU menu);
// Enables Run for .wms and .js files (1 when it is enabled), and the skin check for
// .wms files and new documents.
int UpdateRunCommandState(const EditorWindow& window, const wchar_t* path);
void UpdateFindCommandState(const EditorWindow& window);
// Posted to the main window with the print tool's presence (wParam 1: found).
const UINT WM_APP_PRINT_TOOL_CHECKED = WM_APP + 1;
// Asks off the UI thread whether the print tool's path exists: a path on an unreachable
// share would hold the window for the network's time-out. The answer comes back as
// WM_APP_PRINT_TOOL_CHECKED.
void CheckPrintToolInBackground(const EditorWindow& window, const EditorSettings& settings);
void UpdatePrintCommandState(const EditorWindow& window, bool found);
void UpdateSdkManualCommandState(const EditorWindow& window, const EditorSettings& settings);
