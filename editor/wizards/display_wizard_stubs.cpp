// Placeholder until the display wizards exist.
#include "wizards.h"
INT_PTR ShowTextWizard(HWND) { return 2; }
INT_PTR ShowEffectsWizard(HWND) { return 2; }
INT_PTR ShowVideoWizard(HWND) { return 2; }
INT_PTR ShowPlaylistWizard(HWND) { return 2; }
