// The editor's settings and suspend state, kept as values of one registry key.
#include "editor_settings.h"

#include "file_paths.h"
#include "registry_value.h"

#include <initializer_list>

namespace {

const wchar_t kJapaneseTemplateFolder[] = L"QLMテンプレート";
const wchar_t kEnglishTemplateFolder[] = L"QLM Templates";

void ReadNumber(HKEY key, const wchar_t* name, int* field, int fallback)
{
    DWORD value = 0;
    *field = ReadRegistryDword(key, name, &value) ? static_cast<int>(value) : fallback;
}

void ReadText(HKEY key, const wchar_t* name, wchar_t (&field)[MAX_PATH], const wchar_t* fallback)
{
    ReadRegistryStringOr(key, name, field, MAX_PATH, fallback);
}

}  // namespace

const wchar_t* DefaultTemplateFolderName(bool keyExists, UINT ansiCodePage)
{
    if (keyExists || ansiCodePage == 932) return kJapaneseTemplateFolder;
    return kEnglishTemplateFolder;
}

EditorSettings LoadEditorSettingsFromKey(HKEY root, const wchar_t* subKey)
{
    EditorSettings settings = {};
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        settings.PackageLevel = 6;
        CopyToBuffer(settings.TemplateFolderName, MAX_PATH, DefaultTemplateFolderName(false, GetACP()));
        return settings;
    }
    ReadNumber(key, L"PackageLevel", &settings.PackageLevel, 6);
    ReadText(key, L"TemplateFolderName", settings.TemplateFolderName, DefaultTemplateFolderName(true, GetACP()));
    ReadText(key, L"WMPSDKManualPath", settings.WMPSDKManualPath, L"");
    ReadText(key, L"PPMPath", settings.PPMPath, L"");
    ReadNumber(key, L"NoZipRuntimeWarning", &settings.NoZipRuntimeWarning, 0);
    ReadNumber(key, L"NoX64RunningWarning", &settings.NoX64RunningWarning, 0);
    ReadNumber(key, L"SleepModeFlag", &settings.SleepModeFlag, 0);
    ReadText(key, L"FileNameFullPath", settings.FileNameFullPath, L"");
    ReadText(key, L"FileName", settings.FileName, L"");
    ReadNumber(key, L"IsUnicode", &settings.IsUnicode, 0);
    ReadNumber(key, L"LineEndStyle", &settings.LineEndStyle, 0);
    RegCloseKey(key);
    return settings;
}

int SaveEditorSettingsToKey(HKEY root, const wchar_t* subKey, const EditorSettings& settings)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return 0;
    // Every value is tried, so one refused write costs no other.
    bool written = WriteRegistryDword(key, L"PackageLevel", static_cast<DWORD>(settings.PackageLevel));
    written = WriteRegistryString(key, L"TemplateFolderName", settings.TemplateFolderName) && written;
    written = WriteRegistryString(key, L"WMPSDKManualPath", settings.WMPSDKManualPath) && written;
    written = WriteRegistryString(key, L"PPMPath", settings.PPMPath) && written;
    written = WriteRegistryDword(key, L"NoZipRuntimeWarning", static_cast<DWORD>(settings.NoZipRuntimeWarning)) && written;
    written = WriteRegistryDword(key, L"NoX64RunningWarning", static_cast<DWORD>(settings.NoX64RunningWarning)) && written;
    RegCloseKey(key);
    return written ? 1 : 0;
}

bool WriteSuspendValues(HKEY key, const EditorSettings& settings)
{
    return WriteRegistryString(key, L"FileName", settings.FileName) &&
           WriteRegistryString(key, L"FileNameFullPath", settings.FileNameFullPath) &&
           WriteRegistryDword(key, L"SleepModeFlag", static_cast<DWORD>(settings.SleepModeFlag)) &&
           WriteRegistryDword(key, L"IsUnicode", static_cast<DWORD>(settings.IsUnicode)) &&
           WriteRegistryDword(key, L"LineEndStyle", static_cast<DWORD>(settings.LineEndStyle));
}

void DeleteSuspendValues(HKEY key)
{
    for (const wchar_t* name : {L"FileName", L"FileNameFullPath", L"IsUnicode", L"SleepModeFlag", L"LineEndStyle"})
        RegDeleteValueW(key, name);
}

EditorSettings LoadEditorSettings()
{
    return LoadEditorSettingsFromKey(HKEY_CURRENT_USER, kVendorRegistryKey);
}

int SaveEditorSettings(const EditorSettings& settings)
{
    return SaveEditorSettingsToKey(HKEY_CURRENT_USER, kVendorRegistryKey, settings);
}
