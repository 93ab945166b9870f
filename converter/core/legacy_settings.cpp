// Carrying the editor's two settings over from the keys of earlier versions.
#include "legacy_settings.h"

#include "registry_value.h"

LegacyRead ReadLegacySettings(HKEY root, const wchar_t* sourceKey, LegacySettings* settings)
{
    *settings = LegacySettings();
    HKEY key = nullptr;
    LONG status = RegOpenKeyExW(root, sourceKey, 0, KEY_QUERY_VALUE, &key);
    if (status == ERROR_FILE_NOT_FOUND) return {LegacyNothingFound, 0};
    if (status != ERROR_SUCCESS) return {LegacyUnreadable, static_cast<DWORD>(status)};

    RegistryStringRead templateName = QueryRegistryString(key, L"QLMTemplate", settings->templateFolderName,
                                                          _countof(settings->templateFolderName));
    RegistryStringRead sdkPath =
        QueryRegistryString(key, L"WMP7SDK", settings->sdkManualPath, _countof(settings->sdkManualPath));
    RegCloseKey(key);

    settings->hasTemplateFolderName = templateName == RegistryStringDone;
    settings->hasSdkManualPath = sdkPath == RegistryStringDone;
    // Cut short, a folder name or a path would name another one.
    if (templateName == RegistryStringTooLong || sdkPath == RegistryStringTooLong) {
        LegacyReadStatus which = templateName == RegistryStringTooLong ? LegacyTemplateTooLong : LegacySdkPathTooLong;
        *settings = LegacySettings();
        return {which, 0};
    }
    bool found = settings->hasTemplateFolderName || settings->hasSdkManualPath;
    return {found ? LegacyFound : LegacyNothingFound, 0};
}

bool WriteCurrentSettings(HKEY root, const wchar_t* destinationKey, const LegacySettings& settings)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, destinationKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    bool written = true;
    if (settings.hasTemplateFolderName)
        written = WriteRegistryString(key, L"TemplateFolderName", settings.templateFolderName);
    if (settings.hasSdkManualPath)
        written = WriteRegistryString(key, L"WMPSDKManualPath", settings.sdkManualPath) && written;
    RegCloseKey(key);
    return written;
}
