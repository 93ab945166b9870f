// What the editor's skin preview remembers between runs: its zoom and what the player is doing.
#include "preview_settings.h"

#include "file_paths.h"
#include "registry_value.h"

#include <windows.h>

SkinPreviewSettings LoadSkinPreviewSettings()
{
    SkinPreviewSettings settings;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kVendorRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return settings;
    DWORD value = 0;
    if (ReadRegistryDword(key, L"PreviewZoom", &value) && (value == 0 || value == 100 || value == 200))
        settings.zoom = static_cast<int>(value);
    if (ReadRegistryDword(key, L"PreviewPlayerState", &value) && value <= SkinPlayerPaused)
        settings.playerState = static_cast<SkinPlayerState>(value);
    RegCloseKey(key);
    return settings;
}

bool SaveSkinPreviewSettings(const SkinPreviewSettings& settings)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kVendorRegistryKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const bool written = WriteRegistryDword(key, L"PreviewZoom", static_cast<DWORD>(settings.zoom)) &&
                         WriteRegistryDword(key, L"PreviewPlayerState", static_cast<DWORD>(settings.playerState));
    RegCloseKey(key);
    return written;
}
