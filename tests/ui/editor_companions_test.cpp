// UI tests of the programs the editor hands work to: Run, PPM, the companion programs,
// the help files and the desktop shortcut.
#include "document_test.h"

#include <shlobj.h>

#include <string>

namespace {

enum {
    kPreview = IDM_FILE_PRINT_PREVIEW, kPrint = IDM_FILE_PRINT, kFerncastle = IDM_TOOLS_FERNCASTLE,
    kConverter = IDM_TOOLS_CONVERTER, kSetupMaker = IDM_TOOLS_SETUP_MAKER, kShortcut = IDM_TOOLS_SHORTCUT,
    kHelp = IDM_HELP_CONTENTS, kReference = IDM_HELP_REFERENCE, kSdkManual = IDM_HELP_SDK_MANUAL,
};
const wchar_t kConfirm[] = L"実行確認";

class CompanionTest : public DocumentTest {
protected:
    // A stand-in program in a folder with a blank; it records how it was started.
    std::wstring StandIn(const std::wstring& name)
    {
        std::wstring folder = Scratch(L"stand in");
        CreateDirectoryW(folder.c_str(), nullptr);
        CopyFileW(kit::ProgramPath(L"kit_packager.exe").c_str(), (folder + L"\\" + name).c_str(), FALSE);
        recorded_ = folder + L"\\packager-command.txt";
        return folder + L"\\" + name;
    }
    // The command line the stand-in was started with ("" when it was not).
    std::string Started(kit::Ms timeout = kit::kTimeout) const
    {
        kit::WaitUntil([&] { return kit::FileBytes(recorded_).has_value(); }, timeout);
        std::string line = kit::FileBytes(recorded_).value_or("");
        DeleteFileW(recorded_.c_str());
        return line;
    }
    static bool EndsWith(const std::string& text, const std::wstring& end)
    {
        std::string tail = kit::Utf8(end);
        return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    }

    std::wstring recorded_;
};

}  // namespace

TEST_F(CompanionTest, RunStartsTheFileAsSavedOrSaysWhyNot)
{
    // Wine runs .js files itself rather than through their file type, so .wms serves.
    std::wstring skin = WriteFile(L"my skin.wms", "<theme/>");
    Start(L"\"" + skin + L"\"", L"Quillmere - my skin.wms");
    main_.PostCommand(kRun);
    ExpectBox(L"Quillmere", L"実行処理中にエラーが発生しました。", Icon::Warning).Answer(IDOK);
    WaitStatus(L"実行できませんでした。");

    kit::SetOpenCommand(L".wms", L"\"" + StandIn(L"runner.exe") + L"\" \"%1\"");
    Type(L"<edited/>");
    main_.PostCommand(kRun);
    ExpectBox(kConfirm, L"実行する前に保存しますか？", Icon::Question).Answer(IDNO);
    EXPECT_TRUE(EndsWith(Started(), L" \"" + skin + L"\"")) << "the file as saved";
    WaitStatus(L"実行処理が完了しました。");
    EXPECT_EQ("<theme/>", kit::FileBytes(skin));

    main_.PostCommand(kRun);
    app().WaitDialog(kConfirm).Answer(IDCANCEL);
    WaitStatus(L"処理を中止しました。");
    EXPECT_EQ("", Started(kit::Ms(1000))) << "nothing starts";
}

TEST_F(CompanionTest, PpmGetsTheQuotedPathToPreviewAndPrint)
{
    kit::SetRegString(kSettings, L"PPMPath", StandIn(L"PPM.exe"));
    std::wstring path = WriteFile(L"my skin.wms", "<theme/>");
    Start(L"\"" + path + L"\"", L"Quillmere - my skin.wms");
    // Found off the window's thread, then enabled by the answer it posts back.
    EXPECT_TRUE(kit::WaitUntil([&] { return main_.Menu(kPrint).enabled && main_.Menu(kPreview).enabled; }));
    Edit().SetText(L"");
    main_.PostCommand(kPrint);
    ExpectBox(L"Quillmere", L"印刷できるものはありません。", Icon::Warning).Answer(IDOK);
    main_.PostCommand(kPreview);
    EXPECT_TRUE(EndsWith(Started(), L" \"" + path + L"\"")) << "an empty document is previewed";
    Edit().SetText(L"<theme/>");
    main_.PostCommand(kPrint);
    EXPECT_TRUE(EndsWith(Started(), L" \"" + path + L"\" -p -q"));

    main_.PostCommand(kNew);
    WaitTitle(kNewTitle);
    main_.PostCommand(kPreview);
    ExpectBox(L"Quillmere", L"印刷プレビューする前に保存してください。", Icon::Warning).Answer(IDOK);
    Type(L"x");
    main_.PostCommand(kPrint);
    ExpectBox(L"Quillmere", L"印刷する前に保存してください。", Icon::Warning).Answer(IDOK);
    EXPECT_EQ("", Started(kit::Ms(500)));
}

TEST_F(CompanionTest, MissingProgramsAndHelpFilesAreReported)
{
    // The editor alone in a folder of its own: nothing ships beside it.
    std::wstring folder = Scratch(L"alone");
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW(kit::ProgramPath(L"Quillpad.exe").c_str(), (folder + L"\\Quillpad.exe").c_str(), FALSE);
    kit::SetRegString(kSettings, L"WMPSDKManualPath", Scratch(L"gone.chm"));
    app_.emplace(folder + L"\\Quillpad.exe");
    main_ = app().WaitWindow(L"Quillpad", kNewTitle);
    struct Case {
        int command;
        const wchar_t* message;
    };
    for (const Case& c : {Case{kFerncastle, L"Ferncastle を起動できませんでした。"},
                          Case{kConverter, L"設定コンバータを起動できませんでした。"},
                          Case{kSetupMaker, L"QLMC ファイル作成ツールを起動できませんでした。"},
                          Case{kHelp, L"ヘルプを開けませんでした。"},
                          Case{kReference, L"リファレンス マニュアルを開けませんでした。"},
                          Case{kSdkManual, L"Windows Media Player SDK マニュアルを開けませんでした。\nオプション設定を確認してください。"}}) {
        main_.PostCommand(c.command);
        ExpectBox(L"Quillmere", c.message, Icon::Warning).Answer(IDOK);
    }
}

TEST_F(CompanionTest, ExistingHelpFileOpensWithoutAMessage)
{
    Start();
    main_.PostCommand(kHelp);
    // Any box would fail this wait; Wine's HTML Help shows a window of its own.
    Window help = app().WaitWindow(L"HH Parent");
    EXPECT_TRUE(help.Visible());
}

TEST_F(CompanionTest, ShortcutOnTheDesktopPointsAtTheEditorAndIsOverwritten)
{
    wchar_t desktop[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    std::wstring link = std::wstring(desktop) + L"\\Quillmere.lnk";
    kit::RemoveAtReset(link);
    DeleteFileW(link.c_str());
    Start();
    const std::wstring question =
        L"デスクトップに Quillmere へのショートカットを作成してもよろしいですか？\n"
        L"(すでに同名の Quillmere.lnk が存在する場合は上書きされます。)";
    main_.PostCommand(kShortcut);
    ExpectBox(L"ショートカットの作成", question, Icon::Question).Answer(IDNO);
    EXPECT_FALSE(kit::FileBytes(link));
    for (int pass = 0; pass < 2; ++pass) {
        main_.PostCommand(kShortcut);
        app().WaitDialog(L"ショートカットの作成").Answer(IDYES);
        ExpectBox(L"作成完了",
                  L"ショートカットの作成が完了しました。\n"
                  L"(ショートカットはアンインストールしても残りますので、アンインストールした場合は手動で削除してください。)",
                  Icon::Information).Answer(IDOK);
    }
    CoInitialize(nullptr);
    IShellLinkW* shortcut = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&shortcut))));
    if (SUCCEEDED(shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(link.c_str(), STGM_READ)))
        shortcut->GetPath(target, MAX_PATH, nullptr, 0);
    if (file) file->Release();
    shortcut->Release();
    CoUninitialize();
    EXPECT_EQ(0, _wcsicmp(kit::ProgramPath(L"Quillpad.exe").c_str(), target)) << kit::Utf8(target);
}
