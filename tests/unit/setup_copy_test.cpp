// The bulk copy's loop, its overwrite question answered by a script instead of the dialog.
#include "setup_copy.h"

#include "file_paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void Write(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    WriteAll(file, bytes.data(), bytes.size());
    CloseHandle(file);
}

std::string Read(const std::wstring& path)
{
    std::string bytes;
    ReadWholeFile(path, &bytes);
    return bytes;
}

}  // namespace

TEST(SetupCopy, AnswersToTheOverwriteQuestionLastAsTheySay)
{
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    const std::wstring from = JoinPath(temp, L"copy-from"), to = JoinPath(temp, L"copy-to");
    const struct {
        const char* name;
        std::vector<OverwriteAnswer> answers;
        int asked, succeeded, failed;
        std::string a, b, c;   // what the destination holds afterwards
    } cases[] = {
        {"no, then yes to all", {AnswerNo, AnswerYesToAll}, 2, 2, 0, "old", "new", "new"},
        {"no to all", {AnswerNoToAll}, 1, 0, 3, "old", "old", "old"},
        {"yes, cancel, yes", {AnswerYes, AnswerCancel, AnswerYes}, 3, 2, 0, "new", "old", "new"},
    };
    for (const auto& c : cases) {
        CreateDirectoryW(from.c_str(), nullptr);
        CreateDirectoryW(to.c_str(), nullptr);
        for (const wchar_t* name : {L"a.wmz", L"b.wmz", L"c.wmz"}) {
            Write(JoinPath(from, name), "new");
            Write(JoinPath(to, name), "old");
        }
        // Outside the setup file's folder, and missing: failed without a question.
        Write(JoinPath(from, L"list.qlmc"),
              "[CopyInfo]\r\nSkin0=a.wmz\r\nSkin1=..\\x.wmz\r\nSkin2=b.wmz\r\nSkin3=gone.wmz\r\nSkin4=c.wmz\r\n");
        size_t asked = 0;
        SetupCopyResult result = CopySetupPackages(JoinPath(from, L"list.qlmc"), to, [&](const std::wstring&) {
            return asked < c.answers.size() ? c.answers[asked++] : AnswerCancel;
        });
        EXPECT_EQ(5, result.entries) << c.name;
        EXPECT_EQ(static_cast<size_t>(c.asked), asked) << c.name;
        EXPECT_EQ(c.succeeded, result.succeeded) << c.name;
        EXPECT_EQ(c.failed + 2, result.failed) << c.name;
        EXPECT_EQ(c.a + c.b + c.c, Read(JoinPath(to, L"a.wmz")) + Read(JoinPath(to, L"b.wmz")) +
                                       Read(JoinPath(to, L"c.wmz"))) << c.name;
    }
}
