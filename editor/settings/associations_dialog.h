// The file associations dialog, and menu command 136 that opens it or the notice.
#pragma once
#include <windows.h>

#include "editor_context.h"

INT_PTR CALLBACK AssociationsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The dialog, or on Vista and later for a user without elevation the notice, over the main window.
void ShowAssociations(const EditorWindow& window);
