// Temporary: stands in for the initial input, comment, theme and view wizards until they exist.
#include "wizards.h"

INT_PTR ShowInitialInputWizard(HWND) { return 2; }
INT_PTR ShowCommentWizard(HWND) { return 2; }
INT_PTR ShowThemeWizard(HWND) { return 2; }
INT_PTR ShowViewWizard(HWND) { return 2; }
