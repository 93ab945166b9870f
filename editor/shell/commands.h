// The main window's commands: one dispatch for menus, accelerators and toolbar.
#pragma once
#include <windows.h>

void DispatchCommand(HWND window, unsigned id);
