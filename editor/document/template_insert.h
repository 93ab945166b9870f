// The "雛形の挿入" command: a template file's whole text inserted at the caret.
#pragma once

// Reports every refusal and failure itself; the document is untouched by them.
void InsertTemplate();
