// The colour survey dialog: a colour from the system picker as values and a #RRGGBB code.
#pragma once
#include <windows.h>

#include "editor_context.h"

INT_PTR CALLBACK ColorSurveyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Modal over the main window; Insert puts the code at the caret of window.edit.
void ShowColorSurvey(const EditorWindow& window);
