// The current user's Windows Media Player skins folder.
#pragma once
#include <windows.h>

// Application data + "Microsoft\Media Player\Skins", each level made when missing. An
// empty path when the application-data folder cannot be had.
void PrepareSkinsRoot(wchar_t (&root)[MAX_PATH]);
