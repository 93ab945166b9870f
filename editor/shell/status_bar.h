// Texts of the main window's status bar and its menu help.
#pragma once

enum StatusPart { StatusPartMessage = 0, StatusPartPath = 1 };

// An empty or null text clears the part.
void SetStatusText(StatusPart part, const wchar_t* text);

// The help line shown while a menu item is highlighted ("レディ" for any other id).
const wchar_t* MenuHelpText(unsigned id);
