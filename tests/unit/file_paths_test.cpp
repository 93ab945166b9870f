// The one paths-and-files module every program links.
#include "file_paths.h"

#include <gtest/gtest.h>

#include <string>

TEST(FilePaths, JoinParentAndTitle)
{
    EXPECT_EQ(L"C:\\a\\b.wmz", JoinPath(L"C:\\a", L"b.wmz"));
    EXPECT_EQ(L"C:\\a\\b.wmz", JoinPath(L"C:\\a\\", L"b.wmz"));
    EXPECT_EQ(L"C:/a/b.wmz", JoinPath(L"C:/a/", L"b.wmz"));
    EXPECT_EQ(L"b.wmz", JoinPath(L"", L"b.wmz"));
    EXPECT_EQ(L"C:\\", ParentFolder(L"C:\\x.qlmc")) << "a drive's root keeps its backslash";
    EXPECT_EQ(L"C:\\a", ParentFolder(L"C:\\a\\x.qlmc"));
    EXPECT_EQ(L"", ParentFolder(L"x.qlmc"));
    EXPECT_EQ(L"x.qlmc", TitleOfPath(L"C:\\a/x.qlmc"));
    EXPECT_EQ(L"x.qlmc", TitleOfPath(L"C:x.qlmc"));
    EXPECT_EQ(L"x.qlmc", TitleOfPath(L"x.qlmc"));
}

TEST(FilePaths, FullPathsOfAnyLengthAndFolderTests)
{
    std::wstring deep = L"C:\\" + std::wstring(300, L'd') + L"\\x.wmz";
    EXPECT_EQ(deep, FullPath(L"C:\\" + std::wstring(300, L'd') + L"\\.\\y\\..\\x.wmz"));
    EXPECT_EQ(L"C:\\a\\b", FullPath(L"C:\\a\\.\\c\\..\\b"));
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    EXPECT_TRUE(IsFolder(temp));
    EXPECT_FALSE(IsFolder(JoinPath(temp, L"no such folder")));
}

TEST(FilePaths, NamesCompareAndFoldByOneRule)
{
    EXPECT_TRUE(SameName(L"Blue.WMZ", L"blue.wmz"));
    EXPECT_TRUE(SameName(L"\u00C4.wmz", L"\u00E4.WMZ"));
    EXPECT_FALSE(SameName(L"blue.wmz", L"blue.wmz "));
    EXPECT_EQ(L"\u00E4b.wmz", FoldedName(L"\u00C4B.WMZ"));
    EXPECT_TRUE(EndsWith(L"backgroundimage", L"image"));
    EXPECT_FALSE(EndsWith(L"age", L"image"));
}

TEST(FilePaths, WholeFilesAndBoundedCopies)
{
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    std::wstring path = JoinPath(temp, L"file-paths-whole.bin");
    std::string bytes(70000, 'q');
    bytes[0] = '\0';
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    EXPECT_TRUE(WriteAll(file, bytes.data(), bytes.size()));
    CloseHandle(file);
    std::string read;
    EXPECT_TRUE(ReadWholeFile(path, &read));
    EXPECT_EQ(bytes, read);
    EXPECT_FALSE(ReadWholeFile(path, &read, bytes.size() - 1)) << "larger than the limit";
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(ReadWholeFile(JoinPath(temp, L"no such file"), &read));
    DeleteFileW(path.c_str());

    wchar_t buffer[4] = L"zzz";
    CopyToBuffer(buffer, 4, L"abcdef");
    EXPECT_STREQ(L"abc", buffer);
    CopyToBuffer(buffer, 0, L"x");
    EXPECT_STREQ(L"abc", buffer) << "no room, nothing written";
}
