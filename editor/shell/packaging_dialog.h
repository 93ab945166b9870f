// The packaging dialog: a skin folder and an output file, handed to the packager.
#pragma once
#include <windows.h>

#include "editor_context.h"

// Keeps the folder browser's OK for folders with a file-system path only.
int CALLBACK BrowseFolderCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data);
INT_PTR CALLBACK PackagingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Modal over the main window; Auto fill takes the folder of the document's file.
INT_PTR ShowPackagingDialog(const EditorWindow& window, const EditorDocument& document);
