// A window's whole text as a wide string.
#pragma once
#include <windows.h>

#include <string>

std::wstring WholeWindowText(HWND window);
