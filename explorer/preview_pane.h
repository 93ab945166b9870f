// The preview pane beside the list: the selected package's first view, fitted, with its
// title, author, size and entry count, drawn on a worker thread; its left edge is the splitter.
#pragma once
#include <windows.h>

#include <string>

// Created shown or hidden as the last run left it.
HWND CreatePreviewPane(HWND parent, HWND list);
// View → Preview: shows or hides the pane, remembers it and lays the window out again.
void TogglePreviewPane();
// Places the list and, when shown, the pane in the area below the toolbar.
void PlaceListAndPreview(int left, int top, int width, int height);
// The selection changed: the pane follows it once the list has settled.
void PreviewSelectionLater();
// Asks the worker to stop what it draws; WaitForPreviewPane then waits for it at most that long.
void StopPreviewPane();
void WaitForPreviewPane(DWORD milliseconds);

