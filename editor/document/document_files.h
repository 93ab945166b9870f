// Opening the document from a file and saving it back.
#pragma once
#include <windows.h>

#include "text_encoding.h"

#include <string>

// The document's path and title, kept while an operation may still give up.
class DocumentNameBackup {
public:
    DocumentNameBackup();
    void Restore() const;

private:
    wchar_t path_[MAX_PATH];
    wchar_t title_[MAX_PATH];
};

// What an open did, for the caller to show: whether the file replaced the document, and
// whether it mixed kinds of line end (g_lineEndStyle then names the one a save writes).
struct OpenedDocument {
    bool opened = false;
    bool mixedLineEnds = false;
    // Why the file could not be read, when no message has said so yet (0 otherwise).
    DWORD error = 0;
    // The control could not take the text and was emptied: the document is a new one now.
    bool windowCleared = false;
};

// The file dialog and the read; the caller asks the save question first. On success the
// file is g_currentPath and g_currentTitle, on failure the previous ones stay.
OpenedDocument OpenDocumentWithDialog();

// Reads the file by its mark into the window. Leaves g_currentPath and g_currentTitle to
// the caller.
OpenedDocument OpenDocumentByPath(const wchar_t* path);

// Opens the file as the document, for drops and the command line: on success its full
// path becomes g_currentPath and g_currentTitle, on failure the previous ones stay and a
// message names the file and why it could not be opened.
OpenedDocument OpenDocumentAsCurrent(const std::wstring& path);

// Writes the document to g_currentPath in the encoding of the file there. 0 without a
// file, on a cancel or a failed write; the callers then offer Save As.
int SaveDocument();

// Asks for a file name and writes the document there, which becomes g_currentPath and
// g_currentTitle; 1 on success, 0 on failure or cancel.
int SaveDocumentAs();

// The mode of the editor window and its whole text in that mode.
WindowTextMode CurrentWindowTextMode();
WindowText ReadWindowText(WindowTextMode mode);

// The question before characters outside the code page are written as others; action
// names what writes them ("保存"). True: go on.
bool ConfirmReplacedCharacters(UINT codePage, const wchar_t* action);
