// The explorer's toolbar: six buttons over the list, with tooltips in the user's language.
#pragma once
#include <windows.h>

HWND CreateExplorerToolbar(HWND parent);
void EnableToolbarCommand(int command, bool enabled);
// Takes the image list back from the toolbar and destroys it.
void ReleaseToolbarImages();
