// UI tests of Fennick's bulk copy: setup files on its command line, the overwrite
// question and its modes, the counts, and values that would leave their folders.
#include "kit.h"
#include "explorer/resource.h"

#include <shlobj.h>

#include <string>
#include <vector>

namespace {

using kit::Dialog;

enum { kYesToAll = IDC_OVERWRITE_YES_TO_ALL, kNoToAll = IDC_OVERWRITE_NO_TO_ALL, kMessage = IDC_OVERWRITE_MESSAGE };

class BulkCopyTest : public kit::UiTest {
protected:
    void SetUp() override
    {
        kit::UiTest::SetUp();
        SHCreateDirectoryExW(nullptr, Skins().c_str(), nullptr);
    }
    bool Japanese() const { return GetACP() == 932; }
    std::wstring Packages() const { return kit::ScratchDir() + L"\\my packages"; }
    std::wstring Skins() const { return kit::SkinsDir(); }

    // Packages beside a setup file that lists the given keys and values.
    std::wstring SetupFile(const std::wstring& name, const std::vector<std::pair<int, std::wstring>>& entries)
    {
        CreateDirectoryW(Packages().c_str(), nullptr);
        std::string text = "[QLMCInfo]\r\nVersion=1.0\r\n[CopyInfo]\r\n";
        for (const auto& entry : entries) {
            text += "Skin" + std::to_string(entry.first) + "=" + kit::Utf8(entry.second) + "\r\n";
            kit::WriteBytes(Packages() + L"\\" + entry.second, "package " + kit::Utf8(entry.second));
        }
        kit::WriteBytes(Packages() + L"\\" + name, text);
        return Packages() + L"\\" + name;
    }
    void Start(const std::vector<std::wstring>& setupFiles, const std::wstring& workDir = L"")
    {
        std::wstring args;
        for (const std::wstring& file : setupFiles) args += L"\"" + file + L"\" ";
        app_.emplace(L"Fennick.exe", args, workDir);
        Dialog question = app_->WaitDialog(L"Ferncastle");
        EXPECT_EQ(Japanese() ? L"QLMC ファイルを使用して WMZ ファイルの一括コピーを行いますか？\n\n注意 : コピー処理がすべて完了するとプログラムは終了します。"
                             : L"QLMC using the file, WMZ bulk copy files to be done?\n\nNote : All copy process is completed, the program is terminated.",
                  question.Message());
        EXPECT_EQ(kit::Icon::Question, question.IconKind());
        question.Answer(IDYES);
    }
    void Answer(const std::wstring& entry, int button) const
    {
        Dialog dialog = app_->WaitDialog(Japanese() ? L"上書き確認" : L"Overwrite Confirmation");
        EXPECT_EQ(Japanese() ? L"コピー先にはファイル " + entry + L" が既に存在しています。"
                             : entry + L" to copy the file already exists.",
                  dialog.Item(kMessage).Text());
        EXPECT_EQ(IDNO, dialog.DefaultButton());
        dialog.Answer(button);
    }
    void ExpectResult(const std::wstring& file, int read, int succeeded, int failed) const
    {
        Dialog box = app_->WaitDialog(Japanese() ? L"コピー完了" : L"Copy Complete");
        wchar_t text[400];
        swprintf(text, 400,
                 Japanese() ? L"ファイル '%ls' から %d 個のファイルを処理しました。\n\n成功 : %d ファイル\n失敗 : %d ファイル"
                            : L"File '%ls' from %d File(s) to be processed.\n\nSuccess : %d File(s)\nFailure : %d File(s)",
                 file.c_str(), read, succeeded, failed);
        EXPECT_EQ(text, box.Message());
        EXPECT_EQ(kit::Icon::Information, box.IconKind());
        box.Answer(IDOK);
    }
    void ExpectInSkins(const std::wstring& name, bool copied) const
    {
        EXPECT_EQ(copied, kit::FileBytes(Skins() + L"\\" + name).has_value()) << kit::Utf8(name);
    }
    // An older package of that name already in the skins folder.
    void Existing(const std::wstring& name) const { kit::WriteBytes(Skins() + L"\\" + name, "older"); }

    std::optional<kit::App> app_;
};

class EnglishBulkCopy : public BulkCopyTest {};

}  // namespace

TEST_F(BulkCopyTest, NoEndsAtOnceAndAGapEndsTheList)
{
    std::wstring setup = SetupFile(L"gap.qlmc", {{0, L"a.wmz"}, {1, L"b b.wmz"}, {3, L"d.wmz"}});
    app_.emplace(L"Fennick.exe", L"\"" + setup + L"\"");
    app_->WaitDialog(L"Ferncastle").Answer(IDNO);
    EXPECT_EQ(0u, app_->WaitExit());
    ExpectInSkins(L"a.wmz", false);

    Start({setup});
    ExpectResult(L"gap.qlmc", 2, 2, 0);
    EXPECT_EQ(0u, app_->WaitExit());
    ExpectInSkins(L"a.wmz", true);
    ExpectInSkins(L"b b.wmz", true);
    ExpectInSkins(L"d.wmz", false);
}

TEST_F(BulkCopyTest, OverwriteAnswersAreCountedPerSetupFile)
{
    std::wstring yes = SetupFile(L"yes.qlmc", {{0, L"y1.wmz"}, {1, L"y2.wmz"}, {2, L"y3.wmz"}});
    std::wstring no = SetupFile(L"no.qlmc", {{0, L"n1.wmz"}, {1, L"n2.wmz"}, {2, L"n3.wmz"}});
    std::wstring none = SetupFile(L"none.qlmc", {{0, L"x1.wmz"}, {1, L"x2.wmz"}, {2, L"x3.wmz"}, {3, L"gone.wmz"}});
    DeleteFileW((Packages() + L"\\gone.wmz").c_str());
    for (const wchar_t* name : {L"y1.wmz", L"y3.wmz", L"n1.wmz", L"x1.wmz", L"x2.wmz"}) Existing(name);

    Start({yes, no, none});
    Answer(L"y1.wmz", kYesToAll);   // y3 is then overwritten without a question
    ExpectResult(L"yes.qlmc", 3, 3, 0);
    Answer(L"n1.wmz", IDNO);        // skipped and counted nowhere
    ExpectResult(L"no.qlmc", 3, 2, 0);
    Answer(L"x1.wmz", kNoToAll);    // x1 and x2 fail, the missing package too
    ExpectResult(L"none.qlmc", 4, 1, 3);
    EXPECT_EQ(0u, app_->WaitExit());
    EXPECT_EQ("package y3.wmz", kit::FileBytes(Skins() + L"\\y3.wmz"));
    EXPECT_EQ("older", kit::FileBytes(Skins() + L"\\n1.wmz"));
    EXPECT_EQ("older", kit::FileBytes(Skins() + L"\\x2.wmz"));
}

TEST_F(BulkCopyTest, ValuesLeavingTheirFoldersAreRefusedAndACopyFromElsewhereLandsInTheSkinsFolder)
{
    std::wstring outside = kit::ScratchDir() + L"\\outside.wmz";
    kit::WriteBytes(outside, "outside");
    CreateDirectoryW((Skins() + L"\\sub").c_str(), nullptr);
    CreateDirectoryW(Packages().c_str(), nullptr);
    CreateDirectoryW((Packages() + L"\\sub").c_str(), nullptr);
    std::wstring setup = SetupFile(L"hostile.qlmc", {{0, L"ok.wmz"}, {1, L"sub\\deep.wmz"}});
    std::string hostile;
    int key = 2;
    for (const wchar_t* value : {L"..\\outside.wmz", L"C:\\Windows\\x.wmz", L"\\\\server\\share\\x.wmz", L"\\x.wmz",
                                 L"sub\\..\\..\\outside.wmz", L"C:x.wmz"})
        hostile += "Skin" + std::to_string(key++) + "=" + kit::Utf8(value) + "\r\n";
    kit::WriteBytes(setup, *kit::FileBytes(setup) + hostile);

    // Started from another folder, as the shell may start it.
    Start({setup}, kit::ScratchDir());
    ExpectResult(L"hostile.qlmc", 8, 2, 6);
    EXPECT_EQ(0u, app_->WaitExit());
    ExpectInSkins(L"ok.wmz", true);
    EXPECT_EQ("package sub\\deep.wmz", kit::FileBytes(Skins() + L"\\sub\\deep.wmz"));
    EXPECT_EQ("outside", kit::FileBytes(outside));
    EXPECT_FALSE(kit::FileBytes(kit::ScratchDir() + L"\\ok.wmz")) << "nothing lands in the working directory";
    EXPECT_FALSE(kit::FileBytes(kit::AppDataDir() + L"\\Microsoft\\Media Player\\outside.wmz"));
}

TEST_F(BulkCopyTest, ASetupFileAtADriveRootOddValuesAndAHugeFile)
{
    // Q: is the packages folder, so the setup file lies at a drive's root.
    std::wstring setup = SetupFile(L"root.qlmc", {{0, L"a.wmz"}, {1, L"q.wmz"}});
    CreateDirectoryW((Packages() + L"\\sub").c_str(), nullptr);
    kit::MapDrive(L'q', Packages());
    // A wildcard matches packages but names none: refused without an overwrite question.
    std::string text = *kit::FileBytes(setup);
    text.replace(text.find("Skin1=q.wmz"), 11, "Skin1='q.wmz'\r\nSkin2=*.wmz");
    kit::WriteBytes(setup, text);
    std::string huge = "[CopyInfo]\r\nSkin0=a.wmz\r\n";
    for (int key = 0; huge.size() <= (21u << 20); ++key) huge += "Key" + std::to_string(key) + "=x\r\n";
    kit::WriteBytes(Packages() + L"\\huge.qlmc", huge);

    // Started on the same drive: "Q:" alone would be its current folder.
    Start({L"q:\\root.qlmc", L"q:\\huge.qlmc"}, L"q:\\sub");
    ExpectResult(L"root.qlmc", 3, 2, 1);
    Dialog refused = app_->WaitDialog(L"Ferncastle");
    EXPECT_EQ(L"セットアップ ファイル 'huge.qlmc' は大きすぎるため、読み込むことができません。\nファイルはコピーされませんでした。",
              refused.Message());
    EXPECT_EQ(kit::Icon::Warning, refused.IconKind());
    refused.Answer(IDOK);
    EXPECT_EQ(0u, app_->WaitExit());
    EXPECT_EQ("package q.wmz", kit::FileBytes(Skins() + L"\\q.wmz"));
}

TEST_F(EnglishBulkCopy, AskAndReportInEnglish)
{
    std::wstring setup = SetupFile(L"en.qlmc", {{0, L"e1.wmz"}, {1, L"e2.wmz"}});
    Existing(L"e1.wmz");
    Start({setup});
    Answer(L"e1.wmz", IDYES);
    ExpectResult(L"en.qlmc", 2, 2, 0);
    EXPECT_EQ("package e1.wmz", kit::FileBytes(Skins() + L"\\e1.wmz"));
}
