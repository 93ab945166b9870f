// Texts and rules of the main window that depend only on the document's path.
#pragma once
#include <string>

// ".wms" and ".js" in any case can be run.
bool IsRunnablePath(const std::wstring& path);

// The save-changes question for the document at this path ("" for a new document).
std::wstring SaveChangesQuestion(const std::wstring& path);

// The main window's title for a file title ("" for a new document).
std::wstring DocumentWindowTitle(const std::wstring& fileTitle);

// The path as a message box shows it: one too long for a line of the box keeps its start
// and its end (the file's name) around "…", so the box stays on the screen.
std::wstring PathForMessage(const std::wstring& path);
