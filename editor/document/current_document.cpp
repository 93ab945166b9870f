// The document's file: its path, its title and how it ends its lines.
#include "current_document.h"

wchar_t g_currentPath[MAX_PATH] = L"";
wchar_t g_currentTitle[MAX_PATH] = L"";
LineEndStyle g_lineEndStyle = LineEndCrLf;
