// What the editor's skin preview remembers between runs: its zoom and what the player is doing.
#pragma once
#include "skin_player.h"

struct SkinPreviewSettings {
    int zoom = 100;   // 100, 200, or 0: fit the window
    SkinPlayerState playerState = SkinPlayerPlaying;
};

// In the editor's settings key; values missing or out of range keep their defaults.
SkinPreviewSettings LoadSkinPreviewSettings();
// False when the values could not be written.
bool SaveSkinPreviewSettings(const SkinPreviewSettings& settings);
