// UI tests of the editor's start-up, its ends, the options dialog and the About box.
#include "kit.h"
#include "editor/resource.h"
#include "version.h"

#include <optional>
#include <string>

namespace {

using kit::App;
using kit::Dialog;
using kit::Icon;
using kit::Window;

const std::wstring kSettings = L"Software\\Halvenor's Software\\Quillmere";
const wchar_t kNewTitle[] = L"Quillmere - 新規ファイル";
const wchar_t kX64Question[] =
    L"64 ビット (x64) 環境であることが検出されました。\n\n"
    L"Quillmere は Windows 98/Me/2000 および Windows XP/Vista の各 32 ビット (x86) 版を前提に設計されており、"
    L"x64 環境では動作しないか、動作しても使用できない機能がある可能性があります。\n\n"
    L"このまま Quillmere を起動してもよろしいですか？";

enum {
    kEdit = IDC_MAIN_EDIT, kStatus = IDC_MAIN_STATUS, kToolbar = IDC_MAIN_TOOLBAR, kAbout = IDM_ABOUT,
    kOptions = IDM_OPTIONS, kOptTemplate = IDC_OPTIONS_TEMPLATE_FOLDER, kOptSdk = IDC_OPTIONS_SDK_PATH,
    kOptPpm = IDC_OPTIONS_PPM_PATH, kOptNoX64 = IDC_OPTIONS_NO_X64_WARNING, kPrintPreview = IDM_FILE_PRINT_PREVIEW,
    kPrint = IDM_FILE_PRINT, kExit = IDM_FILE_EXIT, kRun = IDM_TOOLS_RUN, kSdkManual = IDM_HELP_SDK_MANUAL,
};

bool HasButton(const Dialog& box, int id)
{
    for (int button : box.Buttons())
        if (button == id) return true;
    return false;
}

class EditorTest : public kit::UiTest {
protected:
    Window Start(const std::wstring& args = L"")
    {
        app_.emplace(L"Quillpad.exe", args);
        return app_->WaitWindow(L"Quillpad", kNewTitle);
    }
    App& app() { return *app_; }

    Dialog OpenOptions(const Window& main)
    {
        main.PostCommand(kOptions);
        return app().WaitDialog(L"オプション");
    }

    void ExpectRefusal(const std::wstring& version)
    {
        kit::SetWindowsVersion(L"Quillpad.exe", version);
        app_.emplace(L"Quillpad.exe");
        Dialog refusal = app().WaitDialog(L"Quillmere");
        EXPECT_EQ(L"Windows 95/NT4 以前の環境では起動できません。", refusal.Message());
        EXPECT_EQ(Icon::Warning, refusal.IconKind());
        EXPECT_FALSE(app().Find(L"Quillpad")) << "the main window is never shown";
        refusal.Answer(IDOK);
        EXPECT_EQ(0u, app().WaitExit());
    }

    std::optional<App> app_;
};

TEST_F(EditorTest, NormalStartShowsTitleWelcomeAndGrayedCommands)
{
    Window main = Start();
    EXPECT_EQ(kNewTitle, main.Text());
    Window status = main.Item(kStatus);
    EXPECT_EQ(L"Quillmere へようこそ！", status.StatusText(0));
    EXPECT_EQ(L"", status.StatusText(1));
    EXPECT_FALSE(main.Menu(kPrintPreview).enabled);
    EXPECT_FALSE(main.Menu(kPrint).enabled);
    EXPECT_FALSE(main.Menu(kRun).enabled);
    EXPECT_FALSE(main.Menu(kSdkManual).enabled) << "no SDK manual path is set";
    Window toolbar = main.Item(kToolbar);
    EXPECT_FALSE(toolbar.ToolbarButtonEnabled(kPrint));
    EXPECT_FALSE(toolbar.ToolbarButtonEnabled(kRun));
    EXPECT_TRUE(toolbar.ToolbarButtonEnabled(32768));
    EXPECT_TRUE(main.Item(kEdit).Visible());
    // The NT edit control gets its largest limit, not the 64 KB of Windows 9x.
    EXPECT_GT(static_cast<DWORD>(main.Item(kEdit).Send(EM_GETLIMITTEXT)), 65536u);
}

TEST_F(EditorTest, MenuLabelsCarryTheirKeys)
{
    Window main = Start();
    EXPECT_EQ(L"新規作成(&N)\tF2", main.Menu(32768).label);
    EXPECT_EQ(L"終了(&X)\tAlt+F4", main.Menu(kExit).label);
    EXPECT_EQ(L"置換(&R)...\tCtrl+H", main.Menu(32784).label);
    EXPECT_EQ(L"ボタンエレメント要素(&E)", main.Menu(145).label);
    EXPECT_EQ(L"Windows Media Player SDK マニュアル(&W)\tCtrl+F1", main.Menu(kSdkManual).label);
    EXPECT_EQ(L"オプション(&O)", main.Menu(kOptions).label);
}

TEST_F(EditorTest, TypedTextLandsInTheDocument)
{
    Window main = Start();
    Window edit = main.Item(kEdit);
    for (wchar_t c : std::wstring(L"<theme>"))
        edit.Send(WM_CHAR, c, 1);
    EXPECT_EQ(L"<theme>", edit.Text());
    EXPECT_NE(0, edit.Send(EM_GETMODIFY));
}

TEST_F(EditorTest, SdkManualIsEnabledWhenItsPathIsSet)
{
    kit::SetRegString(kSettings, L"WMPSDKManualPath", L"C:\\sdk\\wmplayer.chm");
    Window main = Start();
    EXPECT_TRUE(main.Menu(kSdkManual).enabled);
}

TEST_F(EditorTest, ExitWithoutChangesEndsWithoutAQuestion)
{
    Window main = Start();
    main.PostCommand(kExit);
    EXPECT_EQ(0u, app().WaitExit());
}

TEST_F(EditorTest, CloseWithChangesAsksAndNoEnds)
{
    Window main = Start();
    main.Item(kEdit).Send(WM_CHAR, L'x', 1);
    main.Close();
    Dialog question = app().WaitDialog(L"Quillmere");
    EXPECT_EQ(L"新規ファイル への変更を保存しますか？", question.Message());
    EXPECT_EQ(Icon::Warning, question.IconKind());
    EXPECT_TRUE(HasButton(question, IDYES) && HasButton(question, IDNO) && HasButton(question, IDCANCEL));
    question.Answer(IDCANCEL);
    EXPECT_TRUE(main.Exists()) << "Cancel keeps the window";
    main.Close();
    app().WaitDialog(L"Quillmere").Answer(IDNO);
    EXPECT_EQ(0u, app().WaitExit());
}

TEST_F(EditorTest, RefusesWindows95)
{
    ExpectRefusal(L"win95");
}

TEST_F(EditorTest, RefusesNt4)
{
    ExpectRefusal(L"nt40");
}

TEST_F(EditorTest, Windows98GetsThe64KbEditLimit)
{
    kit::SetWindowsVersion(L"Quillpad.exe", L"win98");
    Window main = Start();
    EXPECT_EQ(65536, main.Item(kEdit).Send(EM_GETLIMITTEXT));
}

TEST_F(EditorTest, CreatesTheTemplateFolderInDocuments)
{
    Start();
    DWORD attributes = GetFileAttributesW((kit::DocumentsDir() + L"\\QLMテンプレート").c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(EditorTest, TwoLevelTemplateFolderNameFailsAndStartUpGoesOn)
{
    kit::SetRegString(kSettings, L"TemplateFolderName", L"QuillmereNoSuchLevel\\Templates");
    app_.emplace(L"Quillpad.exe");
    Dialog failure = app().WaitDialog(L"Quillmere");
    EXPECT_EQ(L"雛形フォルダの作成に失敗しました。", failure.Message());
    EXPECT_EQ(Icon::Error, failure.IconKind());
    failure.Answer(IDOK);
    Window main = app().WaitWindow(L"Quillpad", kNewTitle);
    EXPECT_EQ(L"Quillmere へようこそ！", main.Item(kStatus).StatusText(0));
}

TEST_F(EditorTest, EmptyTemplateFolderNameCreatesNothingAndSaysNothing)
{
    kit::SetRegString(kSettings, L"TemplateFolderName", L"");
    Start();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((kit::DocumentsDir() + L"\\QLMテンプレート").c_str()));
}

TEST_F(EditorTest, OptionsOkStoresTheFieldsAndZeroesTheRetiredValues)
{
    kit::SetRegDword(kSettings, L"PackageLevel", 9);
    kit::SetRegDword(kSettings, L"NoZipRuntimeWarning", 1);
    kit::SetRegString(kSettings, L"PPMPath", L"C:\\tools\\PPM.exe");
    Window main = Start();
    Dialog options = OpenOptions(main);
    EXPECT_EQ(L"QLMテンプレート", options.Item(kOptTemplate).Text());
    EXPECT_EQ(L"C:\\tools\\PPM.exe", options.Item(kOptPpm).Text());
    EXPECT_FALSE(options.Item(kOptNoX64).Visible()) << "hidden unless under WOW64";
    kit::Screenshot(L"editor-options", options.hwnd());
    options.Item(kOptTemplate).SetText(L"Skin Templates");
    options.Item(kOptSdk).SetText(L"C:\\sdk\\wmplayer.chm");
    options.Answer(IDOK);

    EXPECT_SOON_EQ(0u, kit::RegDword(kSettings, L"PackageLevel").value_or(99));
    EXPECT_SOON_EQ(0u, kit::RegDword(kSettings, L"NoZipRuntimeWarning").value_or(99));
    EXPECT_SOON_EQ(0u, kit::RegDword(kSettings, L"NoX64RunningWarning").value_or(99));
    EXPECT_SOON_EQ(L"Skin Templates", kit::RegString(kSettings, L"TemplateFolderName").value_or(L""));
    EXPECT_SOON_EQ(L"C:\\sdk\\wmplayer.chm", kit::RegString(kSettings, L"WMPSDKManualPath").value_or(L""));
    EXPECT_SOON_EQ(L"C:\\tools\\PPM.exe", kit::RegString(kSettings, L"PPMPath").value_or(L""));
    kit::RemoveAtReset(kit::DocumentsDir() + L"\\Skin Templates");
    EXPECT_SOON_TRUE(GetFileAttributesW((kit::DocumentsDir() + L"\\Skin Templates").c_str()) != INVALID_FILE_ATTRIBUTES);
    // The settings are reloaded at once: the SDK manual command follows its new path.
    EXPECT_TRUE(kit::WaitUntil([&] { return main.Menu(kSdkManual).enabled; }));
}

TEST_F(EditorTest, OptionsCancelStoresNothing)
{
    Window main = Start();
    Dialog options = OpenOptions(main);
    options.Item(kOptTemplate).SetText(L"Never Stored");
    options.Answer(IDCANCEL);
    EXPECT_FALSE(kit::RegKeyExists(kSettings));
    EXPECT_TRUE(main.Exists());
}

TEST_F(EditorTest, CancelledPickersAndCancelLeaveTheRegistryAlone)
{
    Window main = Start();
    Dialog options = OpenOptions(main);
    const struct { int button; const wchar_t* title; } pickers[] = {
        {303, L"Windows Media Player SDK マニュアルの場所の指定"},
        {305, L"PPM 本体 (PPM.exe) のパスの指定"},
    };
    for (const auto& picker : pickers) {
        options.Item(picker.button).Click();
        app().WaitDialog(picker.title).Answer(IDCANCEL);
    }
    EXPECT_EQ(L"", options.Item(kOptSdk).Text());
    EXPECT_EQ(L"", options.Item(kOptPpm).Text());
    options.Answer(IDCANCEL);
    EXPECT_FALSE(kit::RegKeyExists(kSettings));
}

TEST_F(EditorTest, OptionsOkWithAnUncreatableFolderSaysSoAndStoresAnyway)
{
    Window main = Start();
    Dialog options = OpenOptions(main);
    options.Item(kOptTemplate).SetText(L"QuillmereNoSuchLevel\\Templates");
    options.Item(IDOK).Click();
    Dialog failure = app().WaitDialog(L"Quillmere");
    EXPECT_EQ(L"雛形フォルダを生成できませんでした。", failure.Message());
    EXPECT_EQ(Icon::Error, failure.IconKind());
    failure.Answer(IDOK);
    app().WaitGone(L"#32770", L"オプション");
    EXPECT_SOON_EQ(L"QuillmereNoSuchLevel\\Templates", kit::RegString(kSettings, L"TemplateFolderName").value_or(L""));
}

// A parent key made volatile refuses the settings key a lasting child.
TEST_F(EditorTest, OptionsThatCannotBeStoredSaySoAndStayOpen)
{
    HKEY vendor = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Halvenor's Software", 0, nullptr,
                                             REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &vendor, nullptr));
    RegCloseKey(vendor);
    Window main = Start();
    Dialog options = OpenOptions(main);
    options.Item(kOptTemplate).SetText(L"Typed Templates");
    options.Item(IDOK).Click();
    Dialog failure = app().WaitDialog(L"Quillmere");
    EXPECT_EQ(L"設定を保存できませんでした。\nアクセス権限が正しく設定され、構成されていることを確認してください。",
              failure.Message());
    EXPECT_EQ(Icon::Warning, failure.IconKind());
    failure.Answer(IDOK);
    EXPECT_TRUE(options.Exists()) << "what was typed is still there to be stored";
    EXPECT_EQ(L"Typed Templates", options.Item(kOptTemplate).Text());
    EXPECT_FALSE(kit::RegKeyExists(kSettings));
    options.Answer(IDCANCEL);
}

// Started from any folder, the editor deletes the two old libraries beside itself only.
TEST_F(EditorTest, ObsoleteLibrariesAreDeletedOnlyBesideTheProgram)
{
    const std::wstring program = kit::ScratchDir() + L"\\program", current = kit::ScratchDir() + L"\\current";
    CreateDirectoryW(program.c_str(), nullptr);
    CreateDirectoryW(current.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(kit::ProgramPath(L"Quillpad.exe").c_str(), (program + L"\\Quillpad.exe").c_str(), FALSE));
    for (const wchar_t* name : {L"\\Brindle.dll", L"\\Merrowtext.dll"}) {
        kit::WriteBytes(program + name, "old");
        kit::WriteBytes(current + name, "someone else's");
    }
    app_.emplace(program + L"\\Quillpad.exe", L"", current);
    app().WaitWindow(L"Quillpad", kNewTitle);
    for (const wchar_t* name : {L"\\Brindle.dll", L"\\Merrowtext.dll"}) {
        EXPECT_SOON_FALSE(kit::FileBytes(program + name)) << kit::Utf8(name);
        EXPECT_EQ("someone else's", kit::FileBytes(current + name).value_or("<gone>")) << kit::Utf8(name);
    }
}

TEST_F(EditorTest, AboutBoxShowsTheVersionAndClosesEitherWay)
{
    Window main = Start();
    for (bool escape : {false, true}) {
        main.PostCommand(kAbout);
        Dialog about = app().WaitDialog(L"バージョン情報");
        EXPECT_EQ(L"Quillmere", about.Item(IDC_ABOUT_DESCRIPTION).Text());
        EXPECT_EQ(L"Version " QLM_VERSION_SHORT_TEXT " (" QLM_VERSION_TEXT ")", about.Item(IDC_ABOUT_VERSION).Text());
        EXPECT_NE(std::wstring::npos, about.Item(IDC_ABOUT_COPYRIGHT).Text().find(L"Halvenor's Software"));
        EXPECT_EQ(L"Web サイト(&W)", about.Item(IDC_ABOUT_WEBSITE).Text());
        if (!escape) kit::Screenshot(L"editor-about", about.hwnd());
        if (escape) {
            about.Item(IDOK).PostKey(VK_ESCAPE);
            app().WaitGone(L"#32770", L"バージョン情報");
        } else {
            about.Answer(IDOK);
        }
        EXPECT_TRUE(main.Exists());
    }
}

// Under the English code page the editor still starts (its window is a Unicode window)
// and a fresh system gets the English template folder name.
class EnglishEditorTest : public EditorTest {};

TEST_F(EnglishEditorTest, StartsAndUsesTheEnglishTemplateFolder)
{
    Start();
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((kit::DocumentsDir() + L"\\QLM Templates").c_str()));
}

class Wow64EditorTest : public EditorTest {};

TEST_F(Wow64EditorTest, AsksAboutX64AndNoEnds)
{
    app_.emplace(L"Quillpad.exe");
    Dialog question = app().WaitDialog(L"Quillmere");
    EXPECT_EQ(kX64Question, question.Message());
    kit::Screenshot(L"editor-x64-question", question.hwnd());
    EXPECT_EQ(Icon::Error, question.IconKind());
    EXPECT_TRUE(HasButton(question, IDYES) && HasButton(question, IDNO));
    EXPECT_FALSE(HasButton(question, IDCANCEL));
    EXPECT_EQ(IDNO, question.DefaultButton());
    question.Answer(IDNO);
    EXPECT_EQ(0u, app().WaitExit());
}

TEST_F(Wow64EditorTest, YesStartsTheEditor)
{
    app_.emplace(L"Quillpad.exe");
    app().WaitDialog(L"Quillmere").Answer(IDYES);
    app().WaitWindow(L"Quillpad", kNewTitle);
}

TEST_F(Wow64EditorTest, SuppressedWarningStartsWithoutAQuestion)
{
    kit::SetRegDword(kSettings, L"NoX64RunningWarning", 1);
    Window main = Start();
    Dialog options = OpenOptions(main);
    Window noX64 = options.Item(kOptNoX64);
    EXPECT_TRUE(noX64.Visible());
    EXPECT_TRUE(noX64.Checked());
    kit::Screenshot(L"editor-options-wow64", options.hwnd());
    noX64.SetChecked(false);
    options.Answer(IDOK);
    EXPECT_SOON_EQ(0u, kit::RegDword(kSettings, L"NoX64RunningWarning").value_or(99));
}

}  // namespace
