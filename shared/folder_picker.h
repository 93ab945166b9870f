// The shell's folder browser, limited to folders with a file-system path.
#pragma once
#include <windows.h>
#include <shlobj.h>

// Shows the browser (validating, so a typed name that is not a folder is refused) and
// puts the chosen folder's path into path; false on cancel.
bool PickFolder(HWND owner, const wchar_t* title, BFFCALLBACK callback, wchar_t (&path)[MAX_PATH]);

// What a browser callback does: OK only for a file-system folder; a refused name gets
// the warning (text, caption) and keeps the browser open.
int HandleFolderPickerMessage(HWND browser, UINT message, LPARAM lParam, const wchar_t* refusal,
                              const wchar_t* caption);
