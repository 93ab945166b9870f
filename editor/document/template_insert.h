// The "雛形の挿入" command: a template file's whole text inserted at the caret.
#pragma once
#include "editor_context.h"

// Reports every refusal and failure itself; the document is untouched by them.
// The file dialog starts in folderName under the user's documents.
void InsertTemplate(const EditorWindow& window, const wchar_t* folderName);
