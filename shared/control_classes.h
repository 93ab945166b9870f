// The window classes of the common controls a program uses.
#pragma once
#include <windows.h>
#include <commctrl.h>

// Registers the classes (ICC_* flags) before the first window or message box: with the
// manifest's version 6 of the common controls, even buttons and edits come from it.
void RegisterControlClasses(DWORD classes);
