// The Insert menu's wizards, each opened modally over owner.
#pragma once
#include <windows.h>

INT_PTR ShowInitialInputWizard(HWND owner);
INT_PTR ShowCommentWizard(HWND owner);
INT_PTR ShowThemeWizard(HWND owner);
INT_PTR ShowViewWizard(HWND owner);
INT_PTR ShowButtonGroupWizard(HWND owner);
INT_PTR ShowButtonElementWizard(HWND owner);
INT_PTR ShowButtonWizard(HWND owner);
INT_PTR ShowTextWizard(HWND owner);
INT_PTR ShowEffectsWizard(HWND owner);
INT_PTR ShowVideoWizard(HWND owner);
INT_PTR ShowPlaylistWizard(HWND owner);
// The slider wizard is modeless: it disables owner until it ends.
void ShowSliderWizard(HWND owner);
