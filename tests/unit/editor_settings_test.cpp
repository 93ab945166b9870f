// Settings defaults, the code-page rule and the bounded reads of the settings key.
#include "editor_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t kScratch[] = L"Software\\QuillmereTests\\EditorSettings";

class EditorSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScratch); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScratch); }

    HKEY CreateScratchKey()
    {
        HKEY key = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key, nullptr));
        return key;
    }
    void SetString(const wchar_t* name, const std::wstring& text)
    {
        HKEY key = CreateScratchKey();
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    void SetDword(const wchar_t* name, DWORD value)
    {
        HKEY key = CreateScratchKey();
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
        RegCloseKey(key);
    }
    EditorSettings Load() { return LoadEditorSettingsFromKey(HKEY_CURRENT_USER, kScratch); }
};

TEST_F(EditorSettingsTest, MissingKeyGivesDefaultsWithTemplateNameByCodePage)
{
    EditorSettings settings = Load();
    EXPECT_EQ(6, settings.PackageLevel);
    EXPECT_EQ(0, settings.NoZipRuntimeWarning);
    EXPECT_EQ(0, settings.NoX64RunningWarning);
    EXPECT_STREQ(GetACP() == 932 ? L"QLMテンプレート" : L"QLM Templates", settings.TemplateFolderName);
    EXPECT_STREQ(L"", settings.WMPSDKManualPath);
    EXPECT_STREQ(L"", settings.PPMPath);
    EXPECT_EQ(0, settings.SleepModeFlag);
    EXPECT_STREQ(L"", settings.FileNameFullPath);
    EXPECT_STREQ(L"", settings.FileName);
    EXPECT_EQ(0, settings.IsUnicode);
}

TEST_F(EditorSettingsTest, TemplateNameRuleForBothCodePages)
{
    EXPECT_STREQ(L"QLMテンプレート", DefaultTemplateFolderName(false, 932));
    EXPECT_STREQ(L"QLM Templates", DefaultTemplateFolderName(false, 1252));
    EXPECT_STREQ(L"QLMテンプレート", DefaultTemplateFolderName(true, 932));
    EXPECT_STREQ(L"QLMテンプレート", DefaultTemplateFolderName(true, 1252));
}

TEST_F(EditorSettingsTest, ExistingKeyWithoutValuesGivesJapaneseTemplateName)
{
    RegCloseKey(CreateScratchKey());
    EditorSettings settings = Load();
    EXPECT_STREQ(L"QLMテンプレート", settings.TemplateFolderName);
    EXPECT_EQ(6, settings.PackageLevel);
}

TEST_F(EditorSettingsTest, EveryValueIsRead)
{
    SetDword(L"PackageLevel", 3);
    SetDword(L"NoZipRuntimeWarning", 1);
    SetDword(L"NoX64RunningWarning", 1);
    SetString(L"TemplateFolderName", L"雛形");
    SetString(L"WMPSDKManualPath", L"C:\\sdk\\wmp.chm");
    SetString(L"PPMPath", L"C:\\ppm\\PPM.exe");
    SetDword(L"SleepModeFlag", 1);
    SetString(L"FileNameFullPath", L"C:\\skins\\a.wms");
    SetString(L"FileName", L"a.wms");
    SetDword(L"IsUnicode", 3);
    EditorSettings settings = Load();
    EXPECT_EQ(3, settings.PackageLevel);
    EXPECT_EQ(1, settings.NoZipRuntimeWarning);
    EXPECT_EQ(1, settings.NoX64RunningWarning);
    EXPECT_STREQ(L"雛形", settings.TemplateFolderName);
    EXPECT_STREQ(L"C:\\sdk\\wmp.chm", settings.WMPSDKManualPath);
    EXPECT_STREQ(L"C:\\ppm\\PPM.exe", settings.PPMPath);
    EXPECT_EQ(1, settings.SleepModeFlag);
    EXPECT_STREQ(L"C:\\skins\\a.wms", settings.FileNameFullPath);
    EXPECT_STREQ(L"a.wms", settings.FileName);
    EXPECT_EQ(3, settings.IsUnicode);
}

// Cut short, a path would point somewhere else: an overlong value counts as absent.
TEST_F(EditorSettingsTest, OverlongStringsTakeTheirDefaultsAndTheNextFieldSurvives)
{
    SetString(L"TemplateFolderName", std::wstring(1000, L'T'));
    SetString(L"WMPSDKManualPath", L"after");
    SetString(L"FileName", std::wstring(MAX_PATH, L'F'));
    SetString(L"PPMPath", std::wstring(MAX_PATH - 1, L'P'));
    EditorSettings settings = Load();
    EXPECT_STREQ(L"QLMテンプレート", settings.TemplateFolderName);
    EXPECT_STREQ(L"after", settings.WMPSDKManualPath);
    EXPECT_STREQ(L"", settings.FileName);
    EXPECT_EQ(std::wstring(MAX_PATH - 1, L'P'), settings.PPMPath) << "259 characters still fit";
    EXPECT_EQ(0, settings.IsUnicode);
}

TEST_F(EditorSettingsTest, ValuesOfTheWrongTypeTakeTheirDefaults)
{
    SetString(L"PackageLevel", L"9");
    SetDword(L"TemplateFolderName", 5);
    SetDword(L"PPMPath", 7);
    SetString(L"SleepModeFlag", L"1");
    EditorSettings settings = Load();
    EXPECT_EQ(6, settings.PackageLevel);
    EXPECT_STREQ(L"QLMテンプレート", settings.TemplateFolderName);
    EXPECT_STREQ(L"", settings.PPMPath);
    EXPECT_EQ(0, settings.SleepModeFlag);
}

TEST_F(EditorSettingsTest, SaveWritesTheSixSettingsAndLeavesSuspendValues)
{
    SetDword(L"SleepModeFlag", 1);
    SetString(L"FileName", L"kept.wms");
    EditorSettings settings = Load();
    settings.PackageLevel = 0;
    settings.NoZipRuntimeWarning = 0;
    settings.NoX64RunningWarning = 1;
    wcscpy(settings.TemplateFolderName, L"");
    wcscpy(settings.PPMPath, L"C:\\PPM.exe");
    settings.SleepModeFlag = 0;
    wcscpy(settings.FileName, L"not written");
    ASSERT_EQ(1, SaveEditorSettingsToKey(HKEY_CURRENT_USER, kScratch, settings));

    EditorSettings loaded = Load();
    EXPECT_EQ(0, loaded.PackageLevel);
    EXPECT_EQ(0, loaded.NoZipRuntimeWarning);
    EXPECT_EQ(1, loaded.NoX64RunningWarning);
    EXPECT_STREQ(L"", loaded.TemplateFolderName);
    EXPECT_STREQ(L"C:\\PPM.exe", loaded.PPMPath);
    EXPECT_EQ(1, loaded.SleepModeFlag);
    EXPECT_STREQ(L"kept.wms", loaded.FileName);

    HKEY key = CreateScratchKey();
    DWORD type = 0, size = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, L"PPMPath", nullptr, &type, nullptr, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ((wcslen(L"C:\\PPM.exe") + 1) * sizeof(wchar_t), size);
    RegCloseKey(key);
}

}  // namespace
