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
    DWORD shown = settings.shown ? 1 : 0, width = static_cast<DWORD>(settings.width);
    ReadUserRegistryDwords(kSettingsKey, {{L"PreviewPane", &shown}, {L"PreviewPaneWidth", &width}});
    settings.shown = shown != 0;
    if (width >= kNarrowestPane && width <= kWidestPane) settings.width = static_cast<int>(width);
    return settings;
}

bool SavePreviewPaneSettings(const PreviewPaneSettings& settings)
{
    return WriteUserRegistryDwords(kSettingsKey, {{L"PreviewPane", settings.shown ? 1u : 0u},
                                                  {L"PreviewPaneWidth", static_cast<DWORD>(settings.width)}});
}

int ClampPreviewWidth(int width, int clientWidth)
{
    return std::max(kNarrowestPane, std::min({width, kWidestPane, clientWidth - kNarrowestList}));
}
