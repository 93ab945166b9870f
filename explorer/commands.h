// The main window's commands: one dispatch for menus, accelerators and toolbar, and help.
#pragma once
#include <windows.h>

// A command of the menus, the accelerators or the toolbar, for the main window.
void OnCommand(HWND window, int id);

// Fennick.chm beside the program, through HTML Help; silent when help cannot be had.
void ShowHelp(HWND owner);
