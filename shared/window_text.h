// A window's or a dialog control's whole text as a wide string.
#pragma once
#include <windows.h>

#include <string>

std::wstring WholeWindowText(HWND window);
std::wstring FieldText(HWND dialog, int id);
