// The main window's path rules: Run by extension, the save question, titles.
#include "command_rules.h"

#include <gtest/gtest.h>

TEST(CommandRules, RunIsForSkinAndScriptFilesInAnyCase)
{
    EXPECT_TRUE(IsRunnablePath(L"C:\\skins\\A.WMS"));
    EXPECT_TRUE(IsRunnablePath(L"C:\\skins\\player.Js"));
    EXPECT_FALSE(IsRunnablePath(L"C:\\skins\\a.wmz"));
    EXPECT_FALSE(IsRunnablePath(L"C:\\skins\\a.wms.txt"));
    EXPECT_FALSE(IsRunnablePath(L"C:\\skins.wms\\readme"));
    EXPECT_FALSE(IsRunnablePath(L""));
}

TEST(CommandRules, SaveQuestionNamesTheFileOrTheNewDocument)
{
    EXPECT_EQ(L"skin.wms への変更を保存しますか？", SaveChangesQuestion(L"C:\\work\\skin.wms"));
    EXPECT_EQ(L"新規ファイル への変更を保存しますか？", SaveChangesQuestion(L""));
    EXPECT_EQ(L"Quillmere - skin.wms", DocumentWindowTitle(L"skin.wms"));
    EXPECT_EQ(L"Quillmere - 新規ファイル", DocumentWindowTitle(L""));
}

TEST(CommandRules, LongPathsShowTheirStartAndTheirNameInMessages)
{
    const std::wstring folder = L"C:\\" + std::wstring(300, L'd');
    const std::wstring shown = PathForMessage(folder + L"\\skin.wms");
    EXPECT_EQ(100u, shown.size());
    EXPECT_EQ(0u, shown.find(L"C:\\ddd")) << "the drive and folder";
    EXPECT_EQ(L"d…" + std::wstring(50, L'd') + L"\\skin.wms", shown.substr(39));
    const std::wstring fits = L"C:\\" + std::wstring(97, L'x');
    EXPECT_EQ(fits, PathForMessage(fits));
}
