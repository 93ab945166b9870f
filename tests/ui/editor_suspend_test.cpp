// UI tests of suspend and resume: what is kept, what comes back, and what a failure leaves.
#include "document_test.h"

#include <shlobj.h>

#include <string>

namespace {

const int kSuspend = IDM_FILE_SUSPEND;
const wchar_t kDone[] = L"書きかけ終了処理が完了しました。\n次回起動時に復元されます。";
const wchar_t kRestored[] = L"書きかけ終了データを復元しました。";
const wchar_t kEncodingCaption[] = L"書きかけ終了データの復元確認";

class SuspendTest : public DocumentTest {
protected:
    std::wstring SuspendFolder() const
    {
        std::wstring file = kit::SuspendFilePath();
        return file.substr(0, file.rfind(L'\\'));
    }
    std::optional<std::string> SuspendFile() const { return kit::FileBytes(kit::SuspendFilePath()); }

    void AskSuspend() const
    {
        main_.PostCommand(kSuspend);
        ExpectBox(L"書きかけ終了確認", L"書きかけ終了します。\nよろしいですか？", Icon::Question).Answer(IDYES);
    }
    // A completed suspend says so and ends the program.
    void Suspend()
    {
        AskSuspend();
        ExpectBox(L"Quillmere", kDone, Icon::Information).Answer(IDOK);
        EXPECT_EQ(0u, app().WaitExit());
    }
    // Suspend data as an earlier run left them.
    void StoreSuspendData(const std::string& bytes, const std::wstring& path, DWORD isUnicode) const
    {
        SHCreateDirectoryExW(nullptr, SuspendFolder().c_str(), nullptr);
        kit::WriteBytes(kit::SuspendFilePath(), bytes);
        kit::SetRegString(kSettings, L"FileName", path.substr(path.find_last_of(L'\\') + 1));   // "" stays ""
        kit::SetRegString(kSettings, L"FileNameFullPath", path);
        kit::SetRegDword(kSettings, L"SleepModeFlag", 1);
        kit::SetRegDword(kSettings, L"IsUnicode", isUnicode);
    }
    void ExpectSuspendValues(const std::wstring& name, const std::wstring& path, DWORD isUnicode) const
    {
        EXPECT_EQ(name, kit::RegString(kSettings, L"FileName").value_or(L"<none>"));
        EXPECT_EQ(path, kit::RegString(kSettings, L"FileNameFullPath").value_or(L"<none>"));
        EXPECT_EQ(1u, kit::RegDword(kSettings, L"SleepModeFlag").value_or(0));
        EXPECT_EQ(isUnicode, kit::RegDword(kSettings, L"IsUnicode").value_or(99));
    }
    void ExpectNoSuspendData() const
    {
        for (const wchar_t* name : {L"FileName", L"FileNameFullPath"})
            EXPECT_FALSE(kit::RegString(kSettings, name)) << kit::Utf8(name) << " is deleted";
        for (const wchar_t* name : {L"SleepModeFlag", L"IsUnicode"})
            EXPECT_FALSE(kit::RegDword(kSettings, name)) << kit::Utf8(name) << " is deleted";
        EXPECT_FALSE(SuspendFile()) << "the suspend file is deleted";
    }
    void ExpectRestored(const std::wstring& text, const std::wstring& title, const std::wstring& path) const
    {
        EXPECT_EQ(text, Edit().Text());
        EXPECT_TRUE(Modified()) << "restored text is not saved";
        EXPECT_EQ(title, main_.Text());
        EXPECT_EQ(kRestored, Status().StatusText(0));
        EXPECT_EQ(path, Status().StatusText(1));
    }
};

}  // namespace

TEST_F(SuspendTest, NewAndUtf8DocumentsComeBackModifiedUnderTheirNames)
{
    const std::wstring text = L"<theme>\r\n" + kWide + L"\r\n";
    std::wstring utf8 = WriteFile(L"skin.wms", kMarkUtf8 + "<old/>");
    struct Case {
        std::wstring path, title, args;
        std::string bytes;
        DWORD isUnicode;
    };
    const Case cases[] = {
        {L"", kNewTitle, L"", "<theme>\r\n" + kSjis + "\r\n", 0},
        {utf8, L"Quillmere - skin.wms", L"\"" + utf8 + L"\"", kMarkUtf8 + "<theme>\r\n" + kUtf8 + "\r\n", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kit::Utf8(c.title));
        Start(c.args, c.title);
        Type(text);
        Suspend();
        EXPECT_EQ(c.bytes, SuspendFile().value_or("<none>"));
        ExpectSuspendValues(c.path.empty() ? L"" : L"skin.wms", c.path, c.isUnicode);

        Start(L"", c.title);
        ExpectRestored(text, c.title, c.path);
        ExpectNoSuspendData();
        if (c.path.empty()) {
            main_.PostCommand(kSave);
            app().WaitDialog(kSaveAsCaption).Answer(IDCANCEL);
        } else {
            EXPECT_EQ(c.bytes, SaveUnchanged(utf8)) << "saved as UTF-8 where it was";
        }
    }
}

TEST_F(SuspendTest, Utf16BeDocumentAsksAboutItsEncodingAndNoKeepsTheData)
{
    std::wstring path = WriteFile(L"be.wms", std::string("\xFE\xFF", 2) + Utf16BE(L"<view/>"));
    Start(L"\"" + path + L"\"", L"Quillmere - be.wms");
    Type(L"<view id=\"日本\"/>");
    Suspend();
    EXPECT_EQ(kMarkLE + Utf16LE(L"<view id=\"日本\"/>"), SuspendFile().value_or("<none>"));
    ExpectSuspendValues(L"be.wms", path, 2);

    const std::wstring question =
        L"書きかけ終了データの文字列エンコードと書きかけ終了時に取得された文字列エンコードが一致しません。\n"
        L"続行すると、自動判別モードで書きかけ終了データの復元を試みますが、書きかけ終了データが正常に復元されない可能性があります。\n\n"
        L"自動判別モードに切り替えて復元を試みますか？([いいえ] ボタンを押すと復元を中止します。)";
    app_.emplace(L"Quillpad.exe");
    ExpectBox(kEncodingCaption, question, Icon::Question).Answer(IDNO);
    main_ = app().WaitWindow(L"Quillpad", kNewTitle);
    EXPECT_EQ(L"", Edit().Text());
    ExpectSuspendValues(L"be.wms", path, 2);
    EXPECT_TRUE(SuspendFile()) << "No keeps the suspend file";

    app_.emplace(L"Quillpad.exe");
    app().WaitDialog(kEncodingCaption).Answer(IDYES);
    main_ = app().WaitWindow(L"Quillpad", L"Quillmere - be.wms");
    ExpectRestored(L"<view id=\"日本\"/>", L"Quillmere - be.wms", path);
    ExpectNoSuspendData();
}

TEST_F(SuspendTest, CommandLineFileWhileSuspendedAsksFirstAndYesKeepsTheData)
{
    StoreSuspendData("suspended", L"", 0);
    std::wstring path = WriteFile(L"asked.wms", "<view/>");
    app_.emplace(L"Quillpad.exe", L"\"" + path + L"\"");
    Dialog question = app().WaitDialog(L"Quillmere");
    EXPECT_NE(std::wstring::npos, question.Message().find(L"ファイルを開きますか？"));
    EXPECT_EQ(Icon::Warning, question.IconKind());
    EXPECT_FALSE(app().Find(L"Quillpad")) << "asked before the window is shown";
    question.Answer(IDYES);
    main_ = app().WaitWindow(L"Quillpad", L"Quillmere - asked.wms");
    EXPECT_EQ(L"<view/>", Edit().Text());
    ExpectSuspendValues(L"", L"", 0);
    EXPECT_EQ("suspended", SuspendFile().value_or("<none>"));

    app_.emplace(L"Quillpad.exe", L"\"" + path + L"\"");
    app().WaitDialog(L"Quillmere").Answer(IDNO);
    main_ = app().WaitWindow(L"Quillpad", kNewTitle);
    ExpectRestored(L"suspended", kNewTitle, L"");
}

TEST_F(SuspendTest, AnUnknownFolderKeepsTheDataAndAMissingFileDiscardsThemOnce)
{
    StoreSuspendData("kept", L"", 0);
    // The folder gone at the start: the system cannot name it then.
    const std::wstring appData = kit::AppDataDir(), away = appData + L".away";
    ASSERT_TRUE(MoveFileW(appData.c_str(), away.c_str()));
    struct Restore {
        std::wstring from, to;
        ~Restore() { MoveFileW(from.c_str(), to.c_str()); }
    } restore{away, appData};
    app_.emplace(L"Quillpad.exe");
    Dialog box = app().WaitDialog(L"Quillmere");
    EXPECT_EQ(Icon::Warning, box.IconKind());
    EXPECT_NE(std::wstring::npos, box.Message().find(L"次回の起動時")) << kit::Utf8(box.Message());
    box.Answer(IDOK);
    main_ = app().WaitWindow(L"Quillpad", kNewTitle);
    ExpectSuspendValues(L"", L"", 0);
    EXPECT_TRUE(MoveFileW(away.c_str(), appData.c_str()));
    EXPECT_EQ("kept", SuspendFile().value_or("<none>"));

    DeleteFileW(kit::SuspendFilePath().c_str());
    app_.emplace(L"Quillpad.exe");
    ExpectBox(L"Quillmere",
              L"書きかけ終了データを復元中にエラーが発生しました。\n書きかけ終了時に設定されたデータを破棄します。",
              Icon::Warning).Answer(IDOK);
    main_ = app().WaitWindow(L"Quillpad", kNewTitle);
    ExpectNoSuspendData();
    Start();   // any box at this start fails the wait
}

TEST_F(SuspendTest, RefusalsKeepTheProgramRunningAndStoreNothing)
{
    Start();
    AskSuspend();
    ExpectBox(L"Quillmere", L"書きかけ終了するには最低でも 1 文字は入力してください。", Icon::Warning).Answer(IDOK);
    Type(L"smile \U0001F600");
    AskSuspend();
    Dialog lossy = ExpectBox(L"Quillmere",
                             L"この文書には、ANSI 形式 (コード ページ 932) で表せない文字が含まれています。\n"
                             L"このまま書きかけ終了すると、それらの文字は別の文字に置き換えられます。\n\n"
                             L"文字を置き換えて書きかけ終了しますか？",
                             Icon::Question);
    EXPECT_EQ(IDNO, lossy.DefaultButton());
    lossy.Answer(IDNO);
    EXPECT_TRUE(app().Running());
    EXPECT_EQ(L"smile \U0001F600", Edit().Text());
    ExpectNoSuspendData();
    AskSuspend();
    app().WaitDialog(L"Quillmere").Answer(IDYES);
    ExpectBox(L"Quillmere", kDone, Icon::Information).Answer(IDOK);
    app().WaitExit();
    EXPECT_EQ(0u, SuspendFile().value_or("").find("smile ")) << "kept with the character replaced";
}

TEST_F(SuspendTest, SuspendOnAFullDiskLeavesTheEarlierDataAsTheyWere)
{
    if (!kit::MountSmallDisk(SuspendFolder(), 64)) GTEST_SKIP() << "this machine does not allow a mount";
    std::wstring earlier = Scratch(L"earlier.wms");
    Start();
    StoreSuspendData("earlier text", earlier, 0);
    Type(std::wstring(100000, L'a'));
    AskSuspend();
    ExpectBox(L"Quillmere", L"書きかけ終了中にエラーが発生しました。", Icon::Error).Answer(IDOK);
    EXPECT_TRUE(app().Running());
    EXPECT_EQ("earlier text", SuspendFile().value_or("<none>"));
    ExpectSuspendValues(L"earlier.wms", earlier, 0);
    EXPECT_SOON_FALSE(TemporaryLeftIn(SuspendFolder())) << "no half-written file is left";
}
