// Run the document through its file type's program, and print or preview it with PPM.
#pragma once
#include "editor.h"

// Each asks to save a changed document first and reports its own failures.
void RunCurrentFile(Editor* editor);
void PreviewWithPpm(Editor* editor);
void PrintWithPpm(Editor* editor);
