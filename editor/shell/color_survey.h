// The colour survey dialog: a colour from the system picker as values and a #RRGGBB code.
#pragma once
#include <windows.h>

INT_PTR CALLBACK ColorSurveyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void ShowColorSurvey(HWND owner);
