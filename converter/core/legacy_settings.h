// Carrying the editor's two settings over from the keys of earlier versions.
#pragma once
#include <windows.h>

// Keys under HKEY_CURRENT_USER.
#define QLM_LEGACY_KEY_V2    L"Software\\Corvel-Halvenor\\Quillmere V2"
#define QLM_LEGACY_KEY_V3    L"Software\\Corvel-Halvenor\\Quillmere V3"

// The two values in transit; the sizes are those the settings always had. Only the
// values found in the old key are carried over.
struct LegacySettings {
    wchar_t templateFolderName[64];
    wchar_t sdkManualPath[260];
    bool hasTemplateFolderName;
    bool hasSdkManualPath;
};

enum LegacyReadStatus {
    LegacyFound,              // at least one of the two values, each whole
    LegacyNothingFound,       // no such key, or neither value as a string in it
    LegacyTemplateTooLong,    // "QLMTemplate" does not fit its buffer: nothing is carried over
    LegacySdkPathTooLong,     // "WMP7SDK" does not fit its buffer: nothing is carried over
    LegacyUnreadable,         // the key exists but cannot be read
};

struct LegacyRead {
    LegacyReadStatus status;
    DWORD error;              // the system's reason for LegacyUnreadable
};

// Reads "QLMTemplate" and "WMP7SDK" of root\sourceKey into settings, which starts empty.
// The key is only read: a version that was never installed leaves nothing behind.
LegacyRead ReadLegacySettings(HKEY root, const wchar_t* sourceKey, LegacySettings* settings);

// Writes the values found as "TemplateFolderName" and "WMPSDKManualPath" into
// root\destinationKey, creating it when missing, and leaves the others as they are.
// Returns true when all of them were written.
bool WriteCurrentSettings(HKEY root, const wchar_t* destinationKey, const LegacySettings& settings);
