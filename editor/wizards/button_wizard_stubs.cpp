// Temporary: stands in for the button group, button element and button wizards until they exist.
#include "wizards.h"

INT_PTR ShowButtonGroupWizard(HWND) { return 2; }
INT_PTR ShowButtonElementWizard(HWND) { return 2; }
INT_PTR ShowButtonWizard(HWND) { return 2; }
