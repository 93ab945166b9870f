// Placeholder until the slider wizard exists.
#include "wizards.h"
void ShowSliderWizard(HWND) {}
