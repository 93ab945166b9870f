// The document commands of the main window: each calls the document's files and then
// refreshes the title, the status bar and the commands that hang on the file.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "editor.h"

#include <string>

void NewDocument(Editor* editor);
// The save question and Open; true when a file was opened.
bool OpenDocumentCommand(Editor* editor);
// Opens the file as the document (drops, the command line); true when it was opened.
bool OpenFileAsDocument(Editor* editor, const std::wstring& path);
// Save to the document's file, or Save As without one; true when saved.
bool SaveCommand(Editor* editor);
bool SaveAsCommand(Editor* editor);

// Opens the one file dropped (refusing several at once) and releases the drop.
void OpenDroppedFiles(Editor* editor, HDROP drop);

// 0 when the document has no changes, else the answer IDYES, IDNO or IDCANCEL.
int PromptSaveChanges(Editor* editor);
// The question and its gate: true when the caller may go on replacing or leaving the document.
bool PassSaveGate(Editor* editor);

// Puts "Quillmere - <file title>" (or the new-document title for "") on the main window,
// and enables the commands that hang on the document's file.
void ShowDocumentName(const Editor& editor);
