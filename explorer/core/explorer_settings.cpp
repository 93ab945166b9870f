// What Ferncastle remembers between runs: the preview pane's state and width.
#include "explorer_settings.h"

#include "registry_value.h"

#include <windows.h>

#include <algorithm>

namespace {

const wchar_t kSettingsKey[] = L"Software\\Halvenor's Software\\Ferncastle";
const int kNarrowestPane = 120;
const int kNarrowestList = 160;
const int kWidestPane = 4000;

}  // namespace

PreviewPaneSettings LoadPreviewPaneSettings()
{
    PreviewPaneSettings settings;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return settings;
    DWORD value = 0;
    if (ReadRegistryDword(key, L"PreviewPane", &value)) settings.shown = value != 0;
    if (ReadRegistryDword(key, L"PreviewPaneWidth", &value) && value >= kNarrowestPane && value <= kWidestPane)
        settings.width = static_cast<int>(value);
    RegCloseKey(key);
    return settings;
}

bool SavePreviewPaneSettings(const PreviewPaneSettings& settings)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    bool written = WriteRegistryDword(key, L"PreviewPane", settings.shown ? 1 : 0) &&
                   WriteRegistryDword(key, L"PreviewPaneWidth", static_cast<DWORD>(settings.width));
    RegCloseKey(key);
    return written;
}

int ClampPreviewWidth(int width, int clientWidth)
{
    return std::max(kNarrowestPane, std::min({width, kWidestPane, clientWidth - kNarrowestList}));
}
