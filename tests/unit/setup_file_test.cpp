// The skin setup file: its reader, its writer, and the folders a bulk copy may touch.
#include "setup_copy.h"
#include "setup_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

namespace {

std::wstring ScratchFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"qlm-setup-test";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void Write(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

TEST(SetupFile, ReaderStopsAtTheFirstGapAndKeeps259Characters)
{
    std::wstring path = ScratchFolder() + L"\\gap.qlmc";
    std::string longName(300, 'n');
    Write(path, "[CopyInfo]\r\nSkin0=a.wmz\r\nSkin1=" + longName + "\r\nSkin3=d.wmz\r\n");
    std::vector<std::wstring> entries = ReadSetupEntries(path);
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ(L"a.wmz", entries[0]);
    EXPECT_EQ(std::wstring(259, L'n'), entries[1]);
    EXPECT_TRUE(ReadSetupEntries(ScratchFolder() + L"\\missing.qlmc").empty());
}

TEST(SetupFile, ValuesThatLeaveTheFolderAreRefused)
{
    std::wstring folder = ScratchFolder();
    for (const wchar_t* hostile : {L"..\\..\\x.wmz", L"C:\\Windows\\x.wmz", L"\\\\server\\share\\x.wmz", L"\\x.wmz",
                                   L"sub\\..\\..\\x.wmz", L"C:x.wmz", L"../x.wmz", L"sub\\. .\\..\\x.wmz", L"x.wmz:s",
                                   L"sub\\..", L"", L"*.wmz", L"a?.wmz", L"<.wmz"}) {
        EXPECT_FALSE(ResolvesInside(folder, hostile)) << hostile;
    }
    EXPECT_TRUE(ResolvesInside(folder, L"x.wmz"));
    EXPECT_TRUE(ResolvesInside(folder, L"sub\\x.wmz"));
}

TEST(SetupFile, RewriteListsTheFolderAndKeepsOtherSections)
{
    std::wstring folder = ScratchFolder() + L"\\packages";
    CreateDirectoryW(folder.c_str(), nullptr);
    Write(folder + L"\\one.wmz", "1");
    Write(folder + L"\\two.wmz", "2");
    std::wstring path = folder + L"\\list.qlmc";
    Write(path, "[Other]\r\nKeep=yes\r\n[CopyInfo]\r\nSkin0=old.wmz\r\nSkin5=older.wmz\r\n");
    SetupWriteResult result = WriteSetupFile(folder, path);
    EXPECT_EQ(2, result.count);
    EXPECT_TRUE(result.written);
    std::vector<std::wstring> entries = ReadSetupEntries(path);
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ((std::vector<std::wstring>{L"one.wmz", L"two.wmz"}), entries);
    wchar_t value[16] = {};
    GetPrivateProfileStringW(L"Other", L"Keep", L"", value, 16, path.c_str());
    EXPECT_STREQ(L"yes", value);
    GetPrivateProfileStringW(L"QLMCInfo", L"Version", L"", value, 16, path.c_str());
    EXPECT_STREQ(L"1.0", value);
    GetPrivateProfileStringW(L"CopyInfo", L"Skin5", L"", value, 16, path.c_str());
    EXPECT_STREQ(L"", value) << "the old list is gone";
}

TEST(SetupFile, BulkCopyWritesInsideTheSkinsFolderOnly)
{
    const std::wstring root = L"C:\\users\\me\\AppData\\Roaming\\Microsoft\\Media Player\\Skins";
    EXPECT_EQ(root, BulkCopyDestination(root, root));
    EXPECT_EQ(root + L"\\blue", BulkCopyDestination(root + L"\\blue", root + L"\\"));
    EXPECT_EQ(L"c:\\USERS\\me\\AppData\\Roaming\\Microsoft\\Media Player\\Skins\\x",
              BulkCopyDestination(L"c:\\USERS\\me\\AppData\\Roaming\\Microsoft\\Media Player\\Skins\\x", root));
    EXPECT_EQ(root, BulkCopyDestination(root + L"2", root));
    EXPECT_EQ(root, BulkCopyDestination(L"C:\\Windows\\system32", root));
    EXPECT_EQ(L"", BulkCopyDestination(L"C:\\Windows\\system32", L"")) << "no skins folder, no destination";
}

TEST(SetupFile, ReaderTakesQuotesOffAsTheProfileFunctionsDo)
{
    std::wstring path = ScratchFolder() + L"\\quotes.qlmc";
    Write(path, "[CopyInfo]\r\nSkin0='q.wmz'\r\nSkin1=\"d.wmz\"\r\n skin2 = 'e.wmz\r\nOther=x\r\nSkin2=no.wmz\r\n");
    EXPECT_EQ((std::vector<std::wstring>{L"q.wmz", L"d.wmz", L"'e.wmz"}), ReadSetupEntries(path));
}

// A file in another encoding turns UTF-16 for a name outside the code page, whole.
TEST(SetupFile, RewriteKeepsOtherSectionsInEveryEncodingAndListsOnlyPackages)
{
    std::wstring folder = ScratchFolder() + L"\\marks";
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\dir.wmz").c_str(), nullptr);
    for (const wchar_t* name : {L"\u30B9\U0001F600.wmz", L" lead.wmz", L"x.wmz1"}) Write(folder + L"\\" + name, "");
    const std::string other = "[Other]\r\nKeep=yes\r\n";
    std::string utf16be("\xFE\xFF", 2);
    for (char c : other) utf16be += std::string{'\0', c};
    const struct { const char* encoding; std::string bytes; } cases[] = {
        {"ANSI", other}, {"UTF-8", "\xEF\xBB\xBF" + other}, {"UTF-16BE", utf16be}};
    for (const auto& c : cases) {
        std::wstring path = folder + L"\\list.qlmc";
        Write(path, c.bytes);
        SetupWriteResult result = WriteSetupFile(folder, path);
        EXPECT_EQ(2, result.count) << c.encoding;
        EXPECT_TRUE(result.written) << c.encoding;
        std::vector<std::wstring> entries = ReadSetupEntries(path);
        std::sort(entries.begin(), entries.end());
        EXPECT_EQ((std::vector<std::wstring>{L" lead.wmz", L"\u30B9\U0001F600.wmz"}), entries) << c.encoding;
        wchar_t value[16] = {};
        GetPrivateProfileStringW(L"Other", L"Keep", L"", value, 16, path.c_str());
        EXPECT_STREQ(L"yes", value) << c.encoding;
    }
}
