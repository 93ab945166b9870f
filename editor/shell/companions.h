// The programs and help files that ship beside the editor, and the desktop shortcut.
#pragma once
#include <windows.h>

// Fennick, Migrato or Setwright, by the command that starts it.
void StartCompanion(unsigned command);

// Quillpad.chm, Reference.chm or the SDK manual, by the command that opens it.
void OpenHelpFile(unsigned command);

// 1 when "Quillmere.lnk" on the desktop now points at this editor, 0 otherwise.
int CreateDesktopShortcut();
// The command: its question, the shortcut and the result message.
void OfferDesktopShortcut();
