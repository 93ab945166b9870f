// The document commands of the main window: each calls the document's files and then
// refreshes the title, the status bar and the commands that hang on the file.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

void NewDocument();
// The save question and Open; true when a file was opened.
bool OpenDocumentCommand();
// Opens the file as the document (drops, the command line); true when it was opened.
bool OpenFileAsDocument(const std::wstring& path);
// Save to the document's file, or Save As without one; true when saved.
bool SaveCommand();
bool SaveAsCommand();

// Opens the one file dropped (refusing several at once) and releases the drop.
void OpenDroppedFiles(HDROP drop);

// 0 when the document has no changes, else the answer IDYES, IDNO or IDCANCEL.
int PromptSaveChanges();
// The question and its gate: true when the caller may go on replacing or leaving the document.
bool PassSaveGate();

// Puts "Quillmere - <file title>" (or the new-document title for "") on the main window,
// and enables the commands that hang on the document's file.
void ShowDocumentName();
