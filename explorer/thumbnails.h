// Small pictures of each package's first view as its icon in the large-icon view, drawn on
// a worker thread and kept for the session by the package's name, size and date.
#pragma once
#include <windows.h>

// The message the worker posts to the main window with a finished picture.
const UINT WM_THUMBNAIL_DONE = WM_APP + 1;

// The worker starts at once and waits for work; results go to the window.
bool StartThumbnails(HWND window);
// Ends the worker; results not yet taken are dropped.
void StopThumbnails();
// Asks for the pictures of the listed packages, in the large-icon view only; what is
// cached is shown at once, the rest follows as the worker draws it. Earlier requests are
// forgotten.
void RequestThumbnails();
// WM_THUMBNAIL_DONE: the picture joins the image lists and the items of that package.
void TakeThumbnail(LPARAM result);
