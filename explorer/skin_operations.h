// What Fennick does to the entries of its list: open, delete, rename, add.
#pragma once
#include <windows.h>

// A package at the relative path, through the shell; refused for more than one selected entry.
void OpenSkinPackage(const wchar_t* path);
void DeleteSelectedSkins();
// The entry at the selection mark, through the rename dialog.
void RenameSelectedSkin();
// A package chosen elsewhere is copied into the folder on screen; a setup file goes to a
// second copy of the program for the bulk copy.
void AddSkin();
