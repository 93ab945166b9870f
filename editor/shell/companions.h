// The programs and help files that ship beside the editor, and the desktop shortcut.
#pragma once
#include <windows.h>

#include "editor_settings.h"

// Fennick, Migrato or Setwright, by the command that starts it; messages go over owner.
void StartCompanion(HWND owner, unsigned command);

// Quillpad.chm, Reference.chm or the SDK manual of the settings, by the command that opens it.
void OpenHelpFile(HWND owner, const EditorSettings& settings, unsigned command);

// 1 when "Quillmere.lnk" on the desktop now points at this editor, 0 otherwise.
int CreateDesktopShortcut();
// The command: its question, the shortcut and the result message, over owner.
void OfferDesktopShortcut(HWND owner);
