// The two parts of the main window's status bar.
#pragma once

enum StatusPart { StatusPartMessage = 0, StatusPartPath = 1 };

// An empty or null text clears the part.
void SetStatusText(StatusPart part, const wchar_t* text);
