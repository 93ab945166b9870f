// The editor's entry sequence, main window and message loop.
#pragma once
#include <windows.h>

int RunEditor(HINSTANCE instance, const wchar_t* commandLine, int showCommand);

ATOM RegisterMainClass(HINSTANCE instance);
HWND CreateEditControl(HWND parent);
HWND CreateMainToolbar(HWND parent);
HWND CreateMainStatusBar(HWND parent);
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditSubclassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
