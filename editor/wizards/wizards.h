// The Insert menu's wizards, each opened modally over the main window; they insert into its
// edit control.
#pragma once
#include <windows.h>

#include "editor_context.h"

INT_PTR ShowInitialInputWizard(const EditorWindow& window);
INT_PTR ShowCommentWizard(const EditorWindow& window);
INT_PTR ShowThemeWizard(const EditorWindow& window);
INT_PTR ShowViewWizard(const EditorWindow& window);
INT_PTR ShowButtonGroupWizard(const EditorWindow& window);
INT_PTR ShowButtonElementWizard(const EditorWindow& window);
INT_PTR ShowButtonWizard(const EditorWindow& window);
INT_PTR ShowTextWizard(const EditorWindow& window);
INT_PTR ShowEffectsWizard(const EditorWindow& window);
INT_PTR ShowVideoWizard(const EditorWindow& window);
INT_PTR ShowPlaylistWizard(const EditorWindow& window);
// The slider wizard is modeless: it disables the main window until it ends.
void ShowSliderWizard(const EditorWindow& window);
