// Saving through a temporary file: the target is replaced whole or left exactly as it was.
#include "file_info.h"
#include "file_paths.h"
#include "file_replace.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class FileReplaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"qlm-replace";
        CreateDirectoryW(folder_.c_str(), nullptr);
        target_ = folder_ + L"\\skin.wms";
        SetFileAttributesW(target_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(target_.c_str());
    }
    void TearDown() override
    {
        SetFileAttributesW(target_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(target_.c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    void Write(const std::string& bytes, const std::wstring& path = std::wstring())
    {
        HANDLE file = CreateFileW((path.empty() ? target_ : path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    std::string Contents() const
    {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(target_.c_str(), &bytes));
        return bytes;
    }
    bool TemporaryLeft() const
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder_ + L"\\~ql*.tmp").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) FindClose(search);
        return search != INVALID_HANDLE_VALUE;
    }

    std::wstring folder_;
    std::wstring target_;
};

}  // namespace

TEST_F(FileReplaceTest, WritesNewFilesAndReplacesOldOnes)
{
    EXPECT_EQ(ReplaceDone, WriteFileReplacing(target_.c_str(), "first").stage);
    EXPECT_EQ("first", Contents());
    EXPECT_EQ(ReplaceDone, WriteFileReplacing(target_.c_str(), "2").stage);
    EXPECT_EQ("2", Contents()) << "the longer old contents are gone";
    EXPECT_EQ(ReplaceDone, WriteFileReplacing(target_.c_str(), "").stage);
    EXPECT_EQ("", Contents());
    EXPECT_FALSE(TemporaryLeft());
}

TEST_F(FileReplaceTest, KeepsTheTargetsAttributes)
{
    Write("old");
    SetFileAttributesW(target_.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(ReplaceDone, WriteFileReplacing(target_.c_str(), "new").stage);
    EXPECT_EQ("new", Contents());
    EXPECT_TRUE(GetFileAttributesW(target_.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(FileReplaceTest, ReadOnlyTargetIsRefusedAndKept)
{
    Write("old bytes");
    SetFileAttributesW(target_.c_str(), FILE_ATTRIBUTE_READONLY);
    ReplaceOutcome outcome = WriteFileReplacing(target_.c_str(), "new");
    EXPECT_EQ(ReplaceCannotWrite, outcome.stage);
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), outcome.error);
    EXPECT_EQ("old bytes", Contents());
    EXPECT_FALSE(TemporaryLeft());
}

TEST_F(FileReplaceTest, LockedTargetIsRefusedAndKept)
{
    Write("old bytes");
    HANDLE lock = CreateFileW(target_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_NE(ReplaceDone, WriteFileReplacing(target_.c_str(), "new").stage);
    CloseHandle(lock);
    EXPECT_EQ("old bytes", Contents());
    EXPECT_FALSE(TemporaryLeft());
}

TEST_F(FileReplaceTest, MissingFolderCannotBeWritten)
{
    std::wstring gone = folder_ + L"\\gone\\skin.wms";
    ReplaceOutcome outcome = WriteFileReplacing(gone.c_str(), "new");
    EXPECT_EQ(ReplaceCannotWrite, outcome.stage);
    EXPECT_NE(0u, outcome.error);
    EXPECT_FALSE(FileExists(gone.c_str()));
}

TEST_F(FileReplaceTest, FolderTargetIsRefused)
{
    std::wstring sub = folder_ + L"\\sub";
    CreateDirectoryW(sub.c_str(), nullptr);
    EXPECT_EQ(ReplaceCannotWrite, WriteFileReplacing(sub.c_str(), "new").stage);
    EXPECT_TRUE(IsFolder(sub.c_str()));
    RemoveDirectoryW(sub.c_str());
}

// A file of the user's may bear any name the temporary file could have had, and a folder
// may leave no room for one: that file is never overwritten, moved or taken for the target.
TEST_F(FileReplaceTest, UsersFilesNeverServeAsTheTemporary)
{
    std::wstring longFolder = folder_ + L"\\" + std::wstring(249 - folder_.size(), L'd');
    ASSERT_EQ(250u, longFolder.size());
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + longFolder).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    const struct {
        std::wstring target;
        std::wstring usersFile;   // the name the temporary file once took
        ReplaceStage stage;
        DWORD error;
    } cases[] = {
        {target_, folder_ + L"\\~qlm-skin.wms", ReplaceDone, 0},
        {longFolder + L"\\skin.wms", longFolder + L"\\~qlm-ski", ReplaceCannotWrite, ERROR_FILENAME_EXCED_RANGE},
    };
    for (const auto& c : cases) {
        Write("mine", c.usersFile);
        ReplaceOutcome outcome = WriteFileReplacing(c.target.c_str(), "new");
        EXPECT_EQ(c.stage, outcome.stage) << c.target;
        EXPECT_EQ(c.error, outcome.error) << c.target;
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(c.usersFile, &bytes));
        EXPECT_EQ("mine", bytes) << c.usersFile;
        EXPECT_EQ(c.stage == ReplaceDone, ReadWholeFile(c.target, &bytes) && bytes == "new") << c.target;
        DeleteFileW(c.usersFile.c_str());
        DeleteFileW(c.target.c_str());
    }
    EXPECT_TRUE(RemoveDirectoryW((L"\\\\?\\" + longFolder).c_str())) << "nothing left in it";
    EXPECT_FALSE(TemporaryLeft());
}

TEST(FileInfo, SizesExistenceAndFolders)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring path = std::wstring(temp) + L"qlm-size.bin";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "12345", 5, &written, nullptr);
    CloseHandle(file);
    EXPECT_EQ(5, GetFileSizeByName(path.c_str()));
    // Sparse, so past 4 GiB without using the disk: the size tests need all 64 bits.
    file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER end{};
    end.QuadPart = (4LL << 30) + 5;
    EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    EXPECT_EQ((4LL << 30) + 5, GetFileSizeByName(path.c_str()));
    EXPECT_TRUE(FileExists(path.c_str()));
    EXPECT_FALSE(IsFolder(path.c_str()));
    EXPECT_TRUE(IsFolder(temp));
    DeleteFileW(path.c_str());
    EXPECT_EQ(-1, GetFileSizeByName(path.c_str()));
    EXPECT_FALSE(FileExists(path.c_str()));
    EXPECT_FALSE(FileExists(L""));
}
