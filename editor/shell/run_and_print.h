// Run the document through its file type's program, and print or preview it with PPM.
#pragma once

// Each asks to save a changed document first and reports its own failures.
void RunCurrentFile();
void PreviewWithPpm();
void PrintWithPpm();
