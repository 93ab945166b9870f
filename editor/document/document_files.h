// Saving the document to its file.
#pragma once

// 1 when the document was written to g_currentPath, 0 otherwise (also without a path).
int SaveDocument();

// Asks for a file name and writes the document there; 1 on success, 0 on failure or cancel.
int SaveDocumentAs();
