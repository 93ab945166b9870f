// The editor's entry sequence, main window and message loop.
#pragma once
#include <windows.h>
#include <commctrl.h>

int RunEditor(HINSTANCE instance, const wchar_t* commandLine, int showCommand);

ATOM RegisterMainClass(HINSTANCE instance);
// The document's edit control; *font receives the font it made, for the caller to delete.
HWND CreateEditControl(HWND parent, HINSTANCE instance, HFONT* font);
// *images receives the toolbar's image list, for the caller to destroy.
HWND CreateMainToolbar(HWND parent, HINSTANCE instance, HIMAGELIST* images);
HWND CreateMainStatusBar(HWND parent, HINSTANCE instance);
// The window's Editor comes with CreateWindowEx as its creation parameter.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditSubclassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
