// Carrying the editor's two settings over from the keys of earlier versions.
#pragma once
#include <windows.h>

// Keys under HKEY_CURRENT_USER.
#define QLM_LEGACY_KEY_V2    L"Software\\Corvel-Halvenor\\Quillmere V2"
#define QLM_LEGACY_KEY_V3    L"Software\\Corvel-Halvenor\\Quillmere V3"

#define QLM_DEFAULT_TEMPLATE_FOLDER L"QLMテンプレート"

// The two values in transit; the sizes are those the settings always had.
struct LegacySettings {
    wchar_t templateFolderName[64];
    wchar_t sdkManualPath[260];
};

// Reads "QLMTemplate" and "WMP7SDK" of root\sourceKey into settings, creating the key
// when it is missing. A value that cannot be read as a string takes its default; one
// longer than its buffer is cut to fit. Returns false when the key could not be opened
// (both values then hold their defaults).
bool ReadLegacySettings(HKEY root, const wchar_t* sourceKey, LegacySettings* settings);

// Writes settings as "TemplateFolderName" and "WMPSDKManualPath" into root\destinationKey,
// creating it when missing. Returns true when both values were written.
bool WriteCurrentSettings(HKEY root, const wchar_t* destinationKey, const LegacySettings& settings);
