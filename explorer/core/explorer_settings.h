// What Ferncastle remembers between runs: the preview pane's state and width.
#pragma once

struct PreviewPaneSettings {
    bool shown = false;
    int width = 360;   // at 96 DPI, the splitter included
};

// Under HKEY_CURRENT_USER; values missing or out of range keep their defaults.
PreviewPaneSettings LoadPreviewPaneSettings();
// False when the values could not be written.
bool SavePreviewPaneSettings(const PreviewPaneSettings& settings);

// The width a pane may take beside a list that keeps at least its minimum (96-DPI pixels).
int ClampPreviewWidth(int width, int clientWidth);
