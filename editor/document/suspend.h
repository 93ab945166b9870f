// Suspend ("書きかけ終了"): keeping the unfinished document for the next start.
#pragma once
#include <windows.h>

#include <string>

#include "editor_context.h"
#include "editor_settings.h"
#include "text_encoding.h"

// Asks, then writes the document text and the suspend values. 1 suspended; 0 not, each
// reason already told to the user. fileEncoding is the mark of the document's file.
int SuspendDocument(const EditorWindow& window, const EditorDocument& document, EditorSettings settings,
                    TextEncoding fileEncoding);

// Restores suspended text into the window as a modified document with the line ends of its
// file, and deletes the suspend data. 1 restored; 0 not (the editor starts with a new
// document). The caller gives the document its path and title.
int ResumeDocument(const EditorWindow& window, EditorDocument* document, EditorSettings settings);
