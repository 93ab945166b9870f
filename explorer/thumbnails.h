// Small pictures of each package's first view as its icon in the large-icon view, drawn on
// worker threads and kept for the session by the package's name, size and date.
#pragma once
#include <windows.h>

// The message a worker posts to the main window with a finished picture.
const UINT WM_THUMBNAIL_DONE = WM_APP + 1;

// The workers start at once and wait for work; results go to the window.
bool StartThumbnails(HWND window, HWND list);
// Asks the workers to stop what they draw; WaitForThumbnails then waits for them at most that
// long. Results not yet taken are dropped.
void StopThumbnails();
void WaitForThumbnails(DWORD milliseconds);
// Asks for the pictures of the listed packages, in the large-icon view only; what is
// cached is shown at once, the rest follows as the workers draw it. Earlier requests are
// called off.
void RequestThumbnails();
// WM_THUMBNAIL_DONE: the picture joins the image lists and the items of that package.
void TakeThumbnail(LPARAM result);
