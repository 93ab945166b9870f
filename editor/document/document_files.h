// Opening the document from a file and saving it back.
#pragma once
#include <windows.h>

#include "editor_context.h"
#include "text_encoding.h"

#include <string>

// The document's path and title, kept while an operation may still give up.
class DocumentNameBackup {
public:
    explicit DocumentNameBackup(EditorDocument* document);
    void Restore() const;

private:
    EditorDocument* document_;
    wchar_t path_[MAX_PATH];
    wchar_t title_[MAX_PATH];
};

// What an open did, for the caller to show: whether the file replaced the document, and
// whether it mixed kinds of line end (the document's lineEnds then names the one a save writes).
struct OpenedDocument {
    bool opened = false;
    bool mixedLineEnds = false;
    // Why the file could not be read, when no message has said so yet (0 otherwise).
    DWORD error = 0;
    // The control could not take the text and was emptied: the document is a new one now.
    bool windowCleared = false;
};

// Each reads and writes the text of window.edit and shows its messages over window.main.

// The file dialog and the read; the caller asks the save question first. On success the
// file is the document's path and title, on failure the previous ones stay.
OpenedDocument OpenDocumentWithDialog(const EditorWindow& window, EditorDocument* document);

// Reads the file by its mark into the window. Leaves the document's path and title to the
// caller.
OpenedDocument OpenDocumentByPath(const EditorWindow& window, EditorDocument* document, const wchar_t* path);

// Opens the file as the document, for drops and the command line: on success its full
// path becomes the document's path and title, on failure the previous ones stay and a
// message names the file and why it could not be opened.
OpenedDocument OpenDocumentAsCurrent(const EditorWindow& window, EditorDocument* document, const std::wstring& path);

// Writes the document to its path in the encoding of the file there. 0 without a file, on
// a cancel or a failed write; the callers then offer Save As.
int SaveDocument(const EditorWindow& window, EditorDocument* document);

// Asks for a file name and writes the document there, which becomes its path and title;
// 1 on success, 0 on failure or cancel.
int SaveDocumentAs(const EditorWindow& window, EditorDocument* document);

// The mode of the editor window and its whole text in that mode.
WindowTextMode CurrentWindowTextMode(const EditorWindow& window);
WindowText ReadWindowText(const EditorWindow& window, WindowTextMode mode);

// The question before characters outside the code page are written as others; action
// names what writes them ("保存"). True: go on.
bool ConfirmReplacedCharacters(HWND owner, UINT codePage, const wchar_t* action);
