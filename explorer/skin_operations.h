// What Fennick does to the entries of its list: open, delete, rename, add.
#pragma once
#include <windows.h>

#include <string>

// What an operation changed on disk, and what it has to say once the folder on screen is
// re-listed (nothing when message is empty). Refusals and failures that change nothing
// are shown by the operation itself, its boxes owned by the owner.
struct SkinChange {
    bool changed = false;
    std::wstring message;
    std::wstring caption;
    UINT icon = 0;
};

// A package at the path, through the shell; refused for more than one selected entry.
void OpenSkinPackage(HWND owner, const wchar_t* path);
SkinChange DeleteSelectedSkins(HWND owner);
// The entry at the selection mark, through the rename dialog.
SkinChange RenameSelectedSkin(HWND owner);
// A package chosen elsewhere is copied into the folder on screen; a setup file goes to a
// second copy of the program for the bulk copy.
SkinChange AddSkin(HWND owner);
