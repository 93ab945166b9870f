// The document's file: its path, its title and how it ends its lines.
#pragma once
#include <windows.h>

#include "line_ends.h"

extern wchar_t g_currentPath[MAX_PATH];   // empty: a new, never saved document
extern wchar_t g_currentTitle[MAX_PATH];
// How the document's file ends its lines; the control always holds CR LF.
extern LineEndStyle g_lineEndStyle;
