// Tests of Migrato's conversion against scratch keys.
#include "legacy_settings.h"
#include "registry_value.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

namespace {

const wchar_t kScratchRoot[] = L"Software\\QuillmereTests\\Converter";
const wchar_t kSourceV2[] = L"Software\\QuillmereTests\\Converter\\Quillmere V2";
const wchar_t kSourceV3[] = L"Software\\QuillmereTests\\Converter\\Quillmere V3";
const wchar_t kDestination[] = L"Software\\QuillmereTests\\Converter\\Current";

class ConverterTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScratchRoot); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScratchRoot); }

    static void SetString(const wchar_t* key, const wchar_t* name, const std::wstring& text)
    {
        HKEY handle = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &handle, nullptr));
        EXPECT_TRUE(WriteRegistryString(handle, name, text.c_str()));
        RegCloseKey(handle);
    }
    static void SetDword(const wchar_t* key, const wchar_t* name, DWORD value)
    {
        HKEY handle = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &handle, nullptr));
        EXPECT_TRUE(WriteRegistryDword(handle, name, value));
        RegCloseKey(handle);
    }
    // The value as stored, read without any bound of ours.
    static std::optional<std::wstring> StoredString(const wchar_t* key, const wchar_t* name)
    {
        wchar_t buffer[2048];
        DWORD bytes = sizeof(buffer);
        DWORD type = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, &type, buffer, &bytes) != ERROR_SUCCESS ||
            type != REG_SZ)
            return std::nullopt;
        return std::wstring(buffer);
    }
    static DWORD ValueCount(const wchar_t* key)
    {
        HKEY handle = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return 0;
        DWORD count = 0;
        RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         nullptr, nullptr, nullptr, nullptr);
        RegCloseKey(handle);
        return count;
    }
    static bool KeyExists(const wchar_t* key)
    {
        HKEY handle = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
        RegCloseKey(handle);
        return true;
    }
    // As the dialog does: written only when something was found.
    static LegacyReadStatus Convert(const wchar_t* source, LegacySettings* settings)
    {
        LegacyRead read = ReadLegacySettings(HKEY_CURRENT_USER, source, settings);
        if (read.status == LegacyFound) {
            EXPECT_TRUE(WriteCurrentSettings(HKEY_CURRENT_USER, kDestination, *settings));
        }
        return read.status;
    }
    void ExpectDestination(const std::wstring& templateName, const std::wstring& sdkPath)
    {
        EXPECT_EQ(templateName, StoredString(kDestination, L"TemplateFolderName").value_or(L"<missing>"));
        EXPECT_EQ(sdkPath, StoredString(kDestination, L"WMPSDKManualPath").value_or(L"<missing>"));
    }
    LegacySettings settings_ = {};
};

TEST_F(ConverterTest, CarriesBothValuesOverFromEitherVersion)
{
    SetString(kSourceV2, L"QLMTemplate", L"V2 テンプレート");
    SetString(kSourceV2, L"WMP7SDK", L"C:\\SDK\\v2\\wmplayer.chm");
    SetString(kSourceV3, L"QLMTemplate", L"V3 テンプレート");
    SetString(kSourceV3, L"WMP7SDK", L"D:\\Docs\\wmp9sdk.chm");

    Convert(kSourceV2, &settings_);
    ExpectDestination(L"V2 テンプレート", L"C:\\SDK\\v2\\wmplayer.chm");
    Convert(kSourceV3, &settings_);
    ExpectDestination(L"V3 テンプレート", L"D:\\Docs\\wmp9sdk.chm");
}

TEST_F(ConverterTest, WritesStringsWithTheirTerminator)
{
    SetString(kSourceV3, L"QLMTemplate", L"abc");
    SetString(kSourceV3, L"WMP7SDK", L"");
    Convert(kSourceV3, &settings_);
    DWORD type = 0, bytes = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, kDestination, L"TemplateFolderName",
                                          RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &bytes));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(2u * (3 + 1), bytes);
    ASSERT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, kDestination, L"WMPSDKManualPath",
                                          RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &bytes));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(2u, bytes);
}

// Defaults in place of a version never installed would empty the user's settings.
TEST_F(ConverterTest, MissingSourceKeyIsNotCreatedAndChangesNothing)
{
    SetString(kDestination, L"TemplateFolderName", L"old folder");
    SetString(kDestination, L"WMPSDKManualPath", L"C:\\old.chm");
    ASSERT_FALSE(KeyExists(kSourceV2));

    EXPECT_EQ(LegacyNothingFound, Convert(kSourceV2, &settings_));
    EXPECT_FALSE(KeyExists(kSourceV2));
    ExpectDestination(L"old folder", L"C:\\old.chm");
}

TEST_F(ConverterTest, AnEarlierConversionLeavesNothingInTheBuffers)
{
    SetString(kSourceV3, L"QLMTemplate", L"from V3");
    SetString(kSourceV3, L"WMP7SDK", L"C:\\v3.chm");
    Convert(kSourceV3, &settings_);
    SetString(kSourceV2, L"Unrelated", L"x");
    EXPECT_EQ(LegacyNothingFound, Convert(kSourceV2, &settings_));
    EXPECT_FALSE(settings_.hasTemplateFolderName || settings_.hasSdkManualPath);
    ExpectDestination(L"from V3", L"C:\\v3.chm");
}

TEST_F(ConverterTest, ConvertingTwiceGivesTheSameAndLeavesTheSourceAlone)
{
    SetString(kSourceV3, L"QLMTemplate", L"Templates");
    SetString(kSourceV3, L"WMP7SDK", L"C:\\sdk.chm");
    SetDword(kSourceV3, L"OtherSetting", 9);

    Convert(kSourceV3, &settings_);
    Convert(kSourceV3, &settings_);
    ExpectDestination(L"Templates", L"C:\\sdk.chm");
    EXPECT_EQ(3u, ValueCount(kSourceV3));
    EXPECT_EQ(L"Templates", StoredString(kSourceV3, L"QLMTemplate").value_or(L""));
    EXPECT_EQ(L"C:\\sdk.chm", StoredString(kSourceV3, L"WMP7SDK").value_or(L""));
}

TEST_F(ConverterTest, OtherValuesOfTheDestinationAreUntouched)
{
    SetString(kDestination, L"PPMPath", L"C:\\ppm.exe");
    SetDword(kDestination, L"SleepModeFlag", 1);
    SetString(kSourceV3, L"QLMTemplate", L"T");

    Convert(kSourceV3, &settings_);
    EXPECT_EQ(3u, ValueCount(kDestination)) << "only the value found is written";
    EXPECT_FALSE(StoredString(kDestination, L"WMPSDKManualPath"));
    EXPECT_EQ(L"C:\\ppm.exe", StoredString(kDestination, L"PPMPath").value_or(L""));
    DWORD flag = 0, bytes = sizeof(flag);
    ASSERT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, kDestination, L"SleepModeFlag",
                                          RRF_RT_REG_DWORD, nullptr, &flag, &bytes));
    EXPECT_EQ(1u, flag);
}

// Cut short, a folder name or a path names another one: an overlong value stops the
// whole conversion; values that just fit are carried over whole.
TEST_F(ConverterTest, OverlongValuesAreRefusedNeverCut)
{
    const struct {
        size_t templateLength;
        size_t pathLength;
        LegacyReadStatus status;
    } cases[] = {
        {64, 10, LegacyTemplateTooLong},
        {10, 260, LegacySdkPathTooLong},
        {100, 400, LegacyTemplateTooLong},
        {63, 259, LegacyFound},
    };
    for (const auto& c : cases) {
        SetString(kDestination, L"TemplateFolderName", L"mine");
        SetString(kDestination, L"WMPSDKManualPath", L"C:\\mine.chm");
        SetString(kSourceV3, L"QLMTemplate", std::wstring(c.templateLength, L'T'));
        SetString(kSourceV3, L"WMP7SDK", std::wstring(c.pathLength, L'p'));
        EXPECT_EQ(c.status, Convert(kSourceV3, &settings_)) << c.templateLength << " " << c.pathLength;
        if (c.status == LegacyFound)
            ExpectDestination(std::wstring(c.templateLength, L'T'), std::wstring(c.pathLength, L'p'));
        else
            ExpectDestination(L"mine", L"C:\\mine.chm");
    }
}

TEST_F(ConverterTest, WrongTypedValuesAreNotCarriedOver)
{
    SetDword(kSourceV2, L"QLMTemplate", 0x00410041);
    SetDword(kSourceV2, L"WMP7SDK", 0x00420042);
    SetString(kDestination, L"TemplateFolderName", L"mine");
    EXPECT_EQ(LegacyNothingFound, Convert(kSourceV2, &settings_));
    EXPECT_EQ(L"mine", StoredString(kDestination, L"TemplateFolderName").value_or(L"<missing>"));

    SetString(kSourceV2, L"WMP7SDK", L"C:\\sdk.chm");
    EXPECT_EQ(LegacyFound, Convert(kSourceV2, &settings_));
    ExpectDestination(L"mine", L"C:\\sdk.chm");
}

TEST_F(ConverterTest, EmptyStoredValuesStayEmpty)
{
    SetString(kSourceV3, L"QLMTemplate", L"");
    SetString(kSourceV3, L"WMP7SDK", L"");
    Convert(kSourceV3, &settings_);
    ExpectDestination(L"", L"");
}

}  // namespace

namespace {

// Wine grants every access a key handle asks for, so an invalid root stands in for a
// destination that cannot be written.
TEST_F(ConverterTest, WriteThatCannotReachItsKeyReportsFailure)
{
    LegacySettings settings = {};
    wcscpy(settings.templateFolderName, L"never written");
    settings.hasTemplateFolderName = true;
    EXPECT_FALSE(WriteCurrentSettings(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7FFF0000)), L"Current", settings));
}

}  // namespace
