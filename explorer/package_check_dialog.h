// The package check of the one selected package, its findings listed in a dialog.
#pragma once
#include <windows.h>

void CheckSelectedPackage(HWND owner);
