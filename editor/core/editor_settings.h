// The editor's settings and suspend state, kept as values of one registry key.
#pragma once
#include <windows.h>

struct EditorSettings {
    int PackageLevel;              // no longer read; stored for older versions
    int NoZipRuntimeWarning;       // no longer read
    int NoX64RunningWarning;       // 1 suppresses the 64-bit start-up question
    wchar_t TemplateFolderName[MAX_PATH];
    wchar_t WMPSDKManualPath[MAX_PATH];
    wchar_t PPMPath[MAX_PATH];
    int SleepModeFlag;             // 1 while a suspended document is stored
    wchar_t FileNameFullPath[MAX_PATH];
    wchar_t FileName[MAX_PATH];
    int IsUnicode;                 // encoding mark of the suspended document's file
    int LineEndStyle;              // line ends of the suspended document's file (0 CR LF)
};

// Template folder name used when the settings key does not exist at all.
const wchar_t* DefaultTemplateFolderName(bool keyExists, UINT ansiCodePage);

EditorSettings LoadEditorSettings();
// 1 when the key could be opened and every value written, else 0.
int SaveEditorSettings(const EditorSettings& settings);

// The suspend state in an open settings key: "FileName", "FileNameFullPath",
// "SleepModeFlag", "IsUnicode" and "LineEndStyle" written in this order; false when a
// write failed.
bool WriteSuspendValues(HKEY key, const EditorSettings& settings);
// Deletes those values in the order a completed resume deletes them.
void DeleteSuspendValues(HKEY key);

// The same, on any key; the tests use scratch keys.
EditorSettings LoadEditorSettingsFromKey(HKEY root, const wchar_t* subKey);
int SaveEditorSettingsToKey(HKEY root, const wchar_t* subKey, const EditorSettings& settings);
