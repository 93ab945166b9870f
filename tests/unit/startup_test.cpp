// The editor's start-up decisions: system versions, locale, toolbar art, command line, menu help.
#include "command_line.h"
#include "os_checks.h"
#include "menu_help.h"
#include "template_folder.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>

TEST(OsChecks, VersionsThatMayRunTheEditor)
{
    EXPECT_EQ(0, ClassifyOsVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 0));   // Windows 95
    EXPECT_EQ(1, ClassifyOsVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 10));  // Windows 98
    EXPECT_EQ(1, ClassifyOsVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 90));  // Me
    EXPECT_EQ(0, ClassifyOsVersion(VER_PLATFORM_WIN32_NT, 3, 51));
    EXPECT_EQ(0, ClassifyOsVersion(VER_PLATFORM_WIN32_NT, 4, 0));
    EXPECT_EQ(1, ClassifyOsVersion(VER_PLATFORM_WIN32_NT, 5, 0));
    EXPECT_EQ(1, ClassifyOsVersion(VER_PLATFORM_WIN32_NT, 10, 0));
    EXPECT_EQ(-1, ClassifyOsVersion(VER_PLATFORM_WIN32s, 3, 10));
    EXPECT_EQ(-1, ClassifyOsVersion(7, 6, 1));
}

TEST(OsChecks, FamiliesAndToolbarArt)
{
    EXPECT_EQ(1, ClassifyOsFamily(VER_PLATFORM_WIN32_WINDOWS));
    EXPECT_EQ(0, ClassifyOsFamily(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(-1, ClassifyOsFamily(VER_PLATFORM_WIN32s));

    EXPECT_EQ(ToolbarArtClassic, ChooseToolbarArt(VER_PLATFORM_WIN32_WINDOWS, 4, 10));
    EXPECT_EQ(ToolbarArtClassic, ChooseToolbarArt(VER_PLATFORM_WIN32_NT, 5, 0));
    EXPECT_EQ(ToolbarArtModern, ChooseToolbarArt(VER_PLATFORM_WIN32_NT, 5, 1));
    EXPECT_EQ(ToolbarArtModern, ChooseToolbarArt(VER_PLATFORM_WIN32_NT, 6, 1));
    EXPECT_EQ(ToolbarArtNone, ChooseToolbarArt(VER_PLATFORM_WIN32_NT, 4, 0));
}

TEST(OsChecks, LocaleTestPassesForUnicodeWindowsOrCodePage932)
{
    EXPECT_TRUE(LocaleAllowsStart(true, 1252));
    EXPECT_TRUE(LocaleAllowsStart(false, 932));
    EXPECT_FALSE(LocaleAllowsStart(false, 1252));
    EXPECT_FALSE(LocaleAllowsStart(false, 936));
}

TEST(CommandLine, FirstArgumentWithQuotesRemoved)
{
    std::wstring file;
    EXPECT_TRUE(FirstCommandLineArgument(L"C:\\skins\\a.wms", &file));
    EXPECT_EQ(L"C:\\skins\\a.wms", file);
    EXPECT_TRUE(FirstCommandLineArgument(L"\"C:\\My Skins\\b c.wms\" second", &file));
    EXPECT_EQ(L"C:\\My Skins\\b c.wms", file);
    EXPECT_TRUE(FirstCommandLineArgument(L"  padded.js  ", &file));
    EXPECT_EQ(L"padded.js", file);
}

TEST(CommandLine, EmptyOrBlankLineCountsAsNone)
{
    std::wstring file = L"stale";
    EXPECT_FALSE(FirstCommandLineArgument(L"", &file));
    EXPECT_EQ(L"", file);
    EXPECT_FALSE(FirstCommandLineArgument(L"   ", &file));
    EXPECT_FALSE(FirstCommandLineArgument(L"\t \t", &file));
    EXPECT_FALSE(FirstCommandLineArgument(L"\"\"", &file));
    EXPECT_FALSE(FirstCommandLineArgument(nullptr, &file));
}

TEST(MenuHelp, TextsByIdAndReadyForAnythingElse)
{
    EXPECT_STREQ(L"新規にファイルを作成します。", MenuHelpText(32768));
    EXPECT_STREQ(L"Quillmere の設定を変更できます。", MenuHelpText(131));
    EXPECT_STREQ(L"ボタングループ タグ、ボタンエレメント タグを入力するためのメニューです。", MenuHelpText(6));
    EXPECT_STREQ(L"スライダー タグを挿入します。", MenuHelpText(151));
    EXPECT_STREQ(L"レディ", MenuHelpText(0));
    EXPECT_STREQ(L"レディ", MenuHelpText(32794));
    EXPECT_STREQ(L"レディ", MenuHelpText(160));
}

class TemplateFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(S_OK, SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents_));
        Remove();
        GetCurrentDirectoryW(MAX_PATH, previous_);
    }
    void TearDown() override
    {
        Remove();
        SetCurrentDirectoryW(previous_);
    }
    std::wstring InDocuments(const wchar_t* name) { return std::wstring(documents_) + L"\\" + name; }
    void Remove()
    {
        RemoveDirectoryW(InDocuments(L"QuillmereTestTemplates").c_str());
        DeleteFileW(InDocuments(L"QuillmereTestFile").c_str());
    }
    wchar_t documents_[MAX_PATH] = L"";
    wchar_t previous_[MAX_PATH] = L"";
};

TEST_F(TemplateFolderTest, CreatesOneLevelAndMovesIntoDocuments)
{
    EXPECT_EQ(1, EnsureTemplateFolder(L"QuillmereTestTemplates"));
    DWORD attributes = GetFileAttributesW(InDocuments(L"QuillmereTestTemplates").c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    wchar_t current[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(0, lstrcmpiW(documents_, current));
    // Already there counts as success.
    EXPECT_EQ(1, EnsureTemplateFolder(L"QuillmereTestTemplates"));
}

TEST_F(TemplateFolderTest, TwoLevelsWithAMissingFirstLevelFail)
{
    EXPECT_EQ(0, EnsureTemplateFolder(L"QuillmereMissingLevel\\Templates"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(InDocuments(L"QuillmereMissingLevel").c_str()));
}
