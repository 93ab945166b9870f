// What the editor's skin preview remembers between runs: its zoom and what the player is doing.
#include "preview_settings.h"

#include "file_paths.h"
#include "registry_value.h"

SkinPreviewSettings LoadSkinPreviewSettings()
{
    SkinPreviewSettings settings;
    DWORD zoom = static_cast<DWORD>(settings.zoom), state = static_cast<DWORD>(settings.playerState);
    ReadUserRegistryDwords(kVendorRegistryKey, {{L"PreviewZoom", &zoom}, {L"PreviewPlayerState", &state}});
    if (zoom == 0 || zoom == 100 || zoom == 200) settings.zoom = static_cast<int>(zoom);
    if (state <= SkinPlayerPaused) settings.playerState = static_cast<SkinPlayerState>(state);
    return settings;
}

bool SaveSkinPreviewSettings(const SkinPreviewSettings& settings)
{
    return WriteUserRegistryDwords(kVendorRegistryKey, {{L"PreviewZoom", static_cast<DWORD>(settings.zoom)},
                                                        {L"PreviewPlayerState", static_cast<DWORD>(settings.playerState)}});
}
