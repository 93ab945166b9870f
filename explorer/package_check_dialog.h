// The package check of the one selected package, run on a worker thread, its findings listed
// in a dialog.
#pragma once
#include <windows.h>

// The message the worker posts to the owner with the findings.
const UINT WM_PACKAGE_CHECKED = WM_APP + 4;

// Starts the check of the selected package; its answer comes as WM_PACKAGE_CHECKED.
void CheckSelectedPackage(HWND owner);
// WM_PACKAGE_CHECKED: the findings in a dialog, or a message when there are none.
void ShowPackageCheck(HWND owner, LPARAM result);
// Asks the worker to stop; WaitForPackageCheck then waits for it at most that long.
void StopPackageCheck();
void WaitForPackageCheck(HWND owner, DWORD milliseconds);
