// The main window's own document commands: New, and files dropped on the window.
#pragma once
#include <windows.h>
#include <shellapi.h>

void NewDocument();

// Opens the one file dropped (refusing several at once) and releases the drop.
void OpenDroppedFiles(HDROP drop);
