// Saving the document to its file.
#include "document_files.h"

// Writing files arrives with the encodings; until then nothing is saved and the callers'
// save gate keeps the document open.
int SaveDocument()
{
    return 0;
}

int SaveDocumentAs()
{
    return 0;
}
