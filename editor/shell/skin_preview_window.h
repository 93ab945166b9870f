// The skin preview: the document's VIEW drawn as the player shows it, redrawn as the author types.
#pragma once
#include "editor_context.h"

// Opens the preview, owned by the editor's main window, or brings the open one forward. It reads
// the edit control and the document's path while it is open: both outlive it.
void ShowSkinPreview(const EditorWindow& editor, const EditorDocument& document);
