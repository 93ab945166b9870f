// UI tests of the packaging dialog: auto-fill, refusals, the packager's command line and
// exit code, the lock while it runs, and a real package.
#include "document_test.h"

#include <string>

namespace {

enum {
    kPackaging = IDM_PACKAGING, kFolder = IDC_PACKAGING_FOLDER, kBrowseFolder = IDC_PACKAGING_BROWSE_FOLDER,
    kAutoFill = IDC_PACKAGING_AUTO_FILL, kOutput = IDC_PACKAGING_OUTPUT, kBrowseOutput = IDC_PACKAGING_BROWSE_OUTPUT,
};
const int kLocked[] = {kFolder, kBrowseFolder, kAutoFill, kOutput, kBrowseOutput, IDOK, IDCANCEL};
const wchar_t kTitle[] = L"パッケージ化";

class PackagingTest : public DocumentTest {
protected:
    // The editor copied into a folder with a blank in its name, with the stand-in (or
    // nothing) as its packager, started on the given document.
    std::wstring StartCopy(const std::wstring& packager, const std::wstring& document, const std::wstring& title)
    {
        folder_ = Scratch(L"editor copy");
        CreateDirectoryW(folder_.c_str(), nullptr);
        CopyFileW(kit::ProgramPath(L"Quillpad.exe").c_str(), (folder_ + L"\\Quillpad.exe").c_str(), FALSE);
        if (!packager.empty())
            CopyFileW(kit::ProgramPath(packager).c_str(), (folder_ + L"\\Zipwright.exe").c_str(), FALSE);
        app_.emplace(folder_ + L"\\Quillpad.exe", L"\"" + document + L"\"");
        main_ = app_->WaitWindow(L"Quillpad", title);
        return folder_;
    }
    Dialog Open() const
    {
        main_.PostCommand(kPackaging);
        return app_->WaitDialog(kTitle);
    }
    // Fills both fields, presses the button and confirms.
    void Package(const Dialog& dialog, const std::wstring& skin, const std::wstring& output) const
    {
        dialog.Item(kFolder).SetText(skin);
        dialog.Item(kOutput).SetText(output);
        dialog.Item(IDOK).Click();
        ExpectBox(L"確認",
                  L"パッケージ化を開始します。\nよろしいですか？\n"
                  L"(この処理には数分かかる場合があります。また、処理が始まるとキャンセルできません。)",
                  Icon::Question).Answer(IDYES);
    }
    void ExpectFailure(const std::wstring& code) const
    {
        ExpectBox(L"パッケージ化失敗", L"パッケージ化に失敗しました。\n(エラーコード : " + code + L")", Icon::Warning)
            .Answer(IDOK);
    }

    std::wstring folder_;
};

}  // namespace

TEST_F(PackagingTest, AutoFillServesSavedSkinDefinitionsOnly)
{
    std::wstring folder = Scratch(L"blue skin");
    CreateDirectoryW(folder.c_str(), nullptr);
    kit::WriteBytes(folder + L"\\blue.WMS", "<theme/>");
    Start(L"\"" + folder + L"\\blue.WMS\"", L"Quillmere - blue.WMS");
    Dialog dialog = Open();
    ASSERT_TRUE(dialog.Item(kAutoFill).Enabled());
    dialog.Item(kAutoFill).Click();
    EXPECT_TRUE(kit::WaitUntil([&] { return dialog.Item(kFolder).Text() == folder; }));
    dialog.Answer(IDCANCEL);

    main_.PostCommand(kNew);
    WaitTitle(kNewTitle);
    EXPECT_FALSE(Open().Item(kAutoFill).Enabled()) << "a new document";
}

TEST_F(PackagingTest, EmptyFieldsAreRefusedInTheDialog)
{
    Start();
    Dialog dialog = Open();
    dialog.Item(IDOK).Click();
    ExpectBox(L"Quillmere", L"WMS ファイルのフォルダ パスが入力されていません。", Icon::Warning).Answer(IDOK);
    dialog.Item(kFolder).SetText(L"C:\\skin");
    dialog.Item(IDOK).Click();
    ExpectBox(L"Quillmere", L"パッケージ出力先が入力されていません。", Icon::Warning).Answer(IDOK);
    EXPECT_TRUE(dialog.Exists());
}

TEST_F(PackagingTest, PackagerGetsQuotedPathsAndTheDialogStaysLockedUntilItEnds)
{
    std::wstring script = WriteFile(L"player.js", "var x;");
    std::wstring folder = StartCopy(L"kit_packager.exe", script, L"Quillmere - player.js");
    kit::WriteBytes(folder + L"\\packager-exit.txt", "3");
    kit::WriteBytes(folder + L"\\packager-hold", "");
    Dialog dialog = Open();
    EXPECT_FALSE(dialog.Item(kAutoFill).Enabled()) << "a script";
    const std::wstring skin = L"C:\\my skins\\blue\\", output = L"C:\\out put\\blue skin.wmz";
    Package(dialog, skin, output);

    std::wstring recorded = folder + L"\\packager-command.txt";
    ASSERT_TRUE(kit::WaitUntil([&] { return kit::FileBytes(recorded).has_value(); }));
    for (int id : kLocked) EXPECT_SOON_FALSE(dialog.Item(id).Enabled()) << id;
    dialog.PostCommand(IDCANCEL);
    dialog.Close();
    dialog.Send(WM_NULL);   // handled while the packager still runs
    DeleteFileW((folder + L"\\packager-hold").c_str());
    ExpectFailure(L"3");
    EXPECT_EQ(kit::Utf8(L"\"" + folder + L"\\Zipwright.exe\" \"C:\\my skins\\blue\\\\\" \"" + output + L"\""),
              kit::FileBytes(recorded).value_or(""));
    // The dialog unlocks once the failure box has returned, a moment after it has gone.
    for (int id : kLocked) EXPECT_SOON_TRUE(dialog.Item(id).Enabled()) << id << " after the failure";
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((kit::AppDataDir() + L"\\Halvenor's Software\\Quillmere").c_str()))
        << "the log folder is made";

    DeleteFileW((folder + L"\\Zipwright.exe").c_str());
    dialog.Item(IDOK).Click();
    app().WaitDialog(L"確認").Answer(IDYES);
    ExpectFailure(L"-1");
}

// The editor closed while the packager runs: its thread waits without spinning until the
// packager ends, and then the editor ends too.
TEST_F(PackagingTest, ClosingTheEditorMeanwhileWaitsIdlyAndEndsWithThePackager)
{
    std::wstring folder = StartCopy(L"kit_packager.exe", WriteFile(L"player.js", ""), L"Quillmere - player.js");
    kit::WriteBytes(folder + L"\\packager-hold", "");
    Package(Open(), Scratch(L"skin"), Scratch(L"skin.wmz"));
    ASSERT_TRUE(kit::WaitUntil([&] { return kit::FileBytes(folder + L"\\packager-command.txt").has_value(); }));
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, GetWindowThreadProcessId(main_.hwnd(), nullptr));
    main_.Close();
    EXPECT_TRUE(kit::WaitUntil([&] { return !main_.Exists(); }));
    auto cpuMs = [&] {
        FILETIME created, ended, kernel, user;
        GetThreadTimes(thread, &created, &ended, &kernel, &user);
        auto ticks = [](FILETIME t) { return static_cast<ULONGLONG>(t.dwHighDateTime) << 32 | t.dwLowDateTime; };
        return (ticks(kernel) + ticks(user)) / 10000;
    };
    ULONGLONG before = cpuMs();
    Sleep(1500);   // an interval to measure, not a wait for something
    EXPECT_LT(cpuMs() - before, 150u) << "CPU while waiting";
    CloseHandle(thread);
    DeleteFileW((folder + L"\\packager-hold").c_str());
    EXPECT_EQ(0u, app().WaitExit());
}

TEST_F(PackagingTest, RealPackagerClosesTheDialogAndLeavesAPackage)
{
    std::wstring skin = Scratch(L"blue skin");
    CreateDirectoryW(skin.c_str(), nullptr);
    kit::WriteBytes(skin + L"\\blue.wms", "<theme/>");
    kit::WriteBytes(skin + L"\\ボタン.bmp", std::string(4000, 'b'));
    Start(L"\"" + skin + L"\\blue.wms\"", L"Quillmere - blue.wms");
    Dialog dialog = Open();
    Package(dialog, skin, Scratch(L"out put.wmz"));
    ExpectBox(L"パッケージ化完了", L"パッケージ化が完了しました。", Icon::Information).Answer(IDOK);
    app().WaitGone(L"#32770", kTitle);
    EXPECT_EQ(0u, kit::FileBytes(Scratch(L"out put.wmz")).value_or("").find("PK\x03\x04"));
    EXPECT_TRUE(kit::FileBytes(kit::AppDataDir() + L"\\Halvenor's Software\\Quillmere\\PACKLOG.TXT"));
}

TEST_F(PackagingTest, ASkinWithErrorsIsQuestionedAndNoLeavesEverything)
{
    std::wstring skin = Scratch(L"broken skin");
    CreateDirectoryW(skin.c_str(), nullptr);
    kit::WriteBytes(skin + L"\\broken.wms", "<theme>\r\n<view>\r\n<button image=\"gone.bmp\"/>\r\n</theme>");
    kit::WriteBytes(skin + L"\\fine.wms", "<theme/>");
    std::wstring output = Scratch(L"broken.wmz");
    kit::WriteBytes(output, "old");
    Start();
    Dialog dialog = Open();
    dialog.Item(kFolder).SetText(skin);
    dialog.Item(kOutput).SetText(output);
    dialog.Item(IDOK).Click();
    Dialog box = ExpectBox(L"スキンのチェック",
                           L"次のスキン定義にエラーがあります。\n\nbroken.wms : エラー 2 件\n\nこのままパッケージ化しますか？",
                           Icon::Warning);
    EXPECT_EQ(IDNO, box.DefaultButton());
    box.Answer(IDNO);
    EXPECT_TRUE(dialog.Exists());
    EXPECT_EQ(skin, dialog.Item(kFolder).Text());
    EXPECT_EQ("old", kit::FileBytes(output).value_or(""));
}
