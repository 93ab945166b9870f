// The notice shown instead of the associations dialog to a user without elevation.
#pragma once
#include <windows.h>

#include "editor_context.h"

INT_PTR CALLBACK RestrictedAdminNoticeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void ShowRestrictedAdminNotice(const EditorWindow& window);
