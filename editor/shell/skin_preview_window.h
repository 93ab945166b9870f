// The skin preview: the document's VIEW drawn as the player shows it, redrawn as the author types.
#pragma once
#include <windows.h>

// Opens the preview, owned by the window, or brings the open one forward.
void ShowSkinPreview(HWND owner);
