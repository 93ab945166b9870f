// The two parts of the main window's status bar.
#pragma once
#include "editor_context.h"

enum StatusPart { StatusPartMessage = 0, StatusPartPath = 1 };

// An empty or null text clears the part.
void SetStatusText(const EditorWindow& window, StatusPart part, const wchar_t* text);
