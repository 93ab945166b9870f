// Carrying the editor's two settings over from the keys of earlier versions.
#include "legacy_settings.h"

#include "registry_value.h"

bool ReadLegacySettings(HKEY root, const wchar_t* sourceKey, LegacySettings* settings)
{
    // Created rather than opened: a version that was never installed yields an empty key
    // and so the defaults.
    HKEY key = nullptr;
    LONG status = RegCreateKeyExW(root, sourceKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) key = nullptr;

    ReadRegistryStringOr(key, L"QLMTemplate", settings->templateFolderName,
                         _countof(settings->templateFolderName), QLM_DEFAULT_TEMPLATE_FOLDER);
    ReadRegistryStringOr(key, L"WMP7SDK", settings->sdkManualPath, _countof(settings->sdkManualPath), L"");

    if (key) RegCloseKey(key);
    return key != nullptr;
}

bool WriteCurrentSettings(HKEY root, const wchar_t* destinationKey, const LegacySettings& settings)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, destinationKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    bool written = WriteRegistryString(key, L"TemplateFolderName", settings.templateFolderName);
    written = WriteRegistryString(key, L"WMPSDKManualPath", settings.sdkManualPath) && written;
    RegCloseKey(key);
    return written;
}
