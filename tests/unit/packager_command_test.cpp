// The packaging dialog's path rules and the packager's command line.
#include "packager_command.h"
#include "program_folder.h"
#include "zip_paths.h"

#include <gtest/gtest.h>

TEST(PackagerCommand, AutoFillTakesTheDocumentsFolderOfSkinDefinitionsOnly)
{
    EXPECT_TRUE(IsSkinDefinitionPath(L"C:\\skins\\blue\\blue.WMS"));
    EXPECT_FALSE(IsSkinDefinitionPath(L"C:\\skins\\blue\\player.js"));
    EXPECT_FALSE(IsSkinDefinitionPath(L""));
    EXPECT_EQ(L"C:\\skins\\blue", SkinFolderOfDocument(L"C:\\skins\\blue\\blue.wms"));
    EXPECT_EQ(L"C:\\", SkinFolderOfDocument(L"C:\\blue.wms")) << "\"C:\" alone is another folder";
    EXPECT_EQ(L"\\\\server\\share", SkinFolderOfDocument(L"\\\\server\\share\\a.wms"));
}

TEST(PackagerCommand, EveryPathIsQuotedAndSurvivesATrailingBackslash)
{
    std::wstring folder = FolderOfProgram(L"C:\\Program Files\\Quillmere\\Quillpad.exe");
    EXPECT_EQ(L"C:\\Program Files\\Quillmere\\", folder);
    EXPECT_EQ(L"\"C:\\Program Files\\Quillmere\\Zipwright.exe\" \"C:\\my skins\\blue\\\\\" \"D:\\out put.wmz\"",
              PackagerCommandLine(folder, L"C:\\my skins\\blue\\", L"D:\\out put.wmz"));
}

// What the editor writes, Zipwright reads back as the same two paths.
TEST(PackagerCommand, ZipwrightReadsBackBothPathsAsTyped)
{
    const std::vector<std::wstring> cases[] = {{L"C:\\skins\\", L"C:\\out.wmz"},
                                               {L"C:\\my skins\\blue\\", L"D:\\out put\\blue skin.wmz"},
                                               {L"\\\\server\\my share\\skin\\\\", L"C:\\a\\\\b c"}};
    for (const std::vector<std::wstring>& paths : cases)
        EXPECT_EQ(paths, SplitArguments(PackagerCommandLine(L"C:\\Program Files\\Q\\", paths[0], paths[1]).c_str()));
}
