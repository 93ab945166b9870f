// The kit's own tests, driving kit_target.exe rather than the products.
#include "kit.h"
#include "target_ids.h"
#include <commctrl.h>
#include <shlobj.h>
#include <algorithm>
#include <cstdio>
#include <set>

namespace {

using kit::Ms;

struct Target {
    kit::App app;
    kit::Window main;
};

Target StartTarget(const std::wstring& args = L"")
{
    kit::App app(L"kit_target.exe", args);
    kit::Window main = app.WaitWindow(L"KitTarget", L"Kit Target");
    return {std::move(app), main};
}

std::wstring StatusAfter(const kit::Window& main, const std::wstring& want)
{
    return kit::WaitFor(want, [&] { return main.Item(IDC_STATUS).StatusText(0); });
}

std::wstring Report(const kit::Window& main)
{
    main.SendCommand(IDM_REPORT);
    return main.Item(IDC_STATUS).StatusText(0);
}

kit::Dialog ShowBox(const Target& t, const std::wstring& text, const std::wstring& caption,
                    UINT flags)
{
    t.main.Item(IDC_BOX_TEXT).SetText(text);
    t.main.Item(IDC_BOX_CAPTION).SetText(caption);
    t.main.Post(WM_COMMAND, IDM_SHOW_BOX, static_cast<LPARAM>(flags));
    return t.app.WaitDialog(caption);
}

// Runs body, which must fail with a kit::Failure, and returns the failure's text.
template <class Body>
std::string FailureOf(Body body)
{
    try {
        body();
    } catch (const kit::Failure& f) {
        return f.what();
    }
    ADD_FAILURE() << "expected a kit::Failure";
    return {};
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

class KitState : public kit::UiTest {};

TEST_F(KitState, ResetRemovesWhatTheProgramsKeep)
{
    const std::wstring halvenor = L"Software\\Halvenor's Software\\Quillmere";
    kit::SetRegString(halvenor, L"TemplateFolderName", L"テンプレート");
    kit::SetRegDword(L"Software\\Corvel-Halvenor\\Old", L"Flag", 1);
    kit::SetWindowsVersion(L"Quillpad.exe", L"win98");
    const std::wstring docs = kit::DocumentsDir();
    const std::wstring jaTemplates = docs + L"\\QLMテンプレート";
    const std::wstring enTemplates = docs + L"\\QLM Templates";
    const std::wstring extra = docs + L"\\kit-extra.txt";
    const std::wstring suspend = kit::SuspendFilePath();
    const std::wstring scratchFile = kit::ScratchDir() + L"\\left.txt";
    ASSERT_TRUE(CreateDirectoryW(jaTemplates.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((jaTemplates + L"\\sub").c_str(), nullptr));
    kit::WriteBytes(jaTemplates + L"\\sub\\a.qlmt", "x");
    SetFileAttributesW((jaTemplates + L"\\sub\\a.qlmt").c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(CreateDirectoryW(enTemplates.c_str(), nullptr));
    SHCreateDirectoryExW(nullptr, suspend.substr(0, suspend.rfind(L'\\')).c_str(), nullptr);
    kit::WriteBytes(suspend, "suspended");
    kit::WriteBytes(extra, "extra");
    kit::WriteBytes(scratchFile, "left over");
    kit::RemoveAtReset(extra);

    kit::ResetState();

    EXPECT_FALSE(kit::RegKeyExists(L"Software\\Halvenor's Software"));
    EXPECT_FALSE(kit::RegKeyExists(L"Software\\Corvel-Halvenor"));
    EXPECT_FALSE(kit::RegKeyExists(L"Software\\Wine\\AppDefaults\\Quillpad.exe"));
    EXPECT_TRUE(kit::RegKeyExists(L"Software\\Wine")) << "reset deleted more than it should";
    for (const auto& path : {jaTemplates, enTemplates, extra, suspend, scratchFile})
        EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES)
            << kit::Utf8(path) << " survived the reset";
    EXPECT_NE(GetFileAttributesW(kit::ScratchDir().c_str()), INVALID_FILE_ATTRIBUTES);
}

// A fresh prefix links Documents, Desktop and Music all to $HOME, which every run shares.
TEST_F(KitState, UserFoldersArePrivateToThePrefix)
{
    const std::wstring name = L"\\kit-private-probe.txt";
    const std::wstring probe = kit::DocumentsDir() + name;
    kit::RemoveAtReset(probe);
    kit::WriteBytes(probe, "p");
    for (int csidl : {CSIDL_DESKTOPDIRECTORY, CSIDL_MYMUSIC, CSIDL_MYPICTURES}) {
        wchar_t folder[MAX_PATH] = {};
        ASSERT_EQ(SHGetFolderPathW(nullptr, csidl, nullptr, 0, folder), S_OK);
        EXPECT_EQ(GetFileAttributesW((folder + name).c_str()), INVALID_FILE_ATTRIBUTES)
            << "Documents and " << kit::Utf8(folder) << " are one folder";
    }
}

TEST_F(KitState, ResetKillsLeftoverPrograms)
{
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::wstring path = kit::ProgramPath(L"kit_target.exe");
    std::wstring cmd = L"\"" + path + L"\"";
    ASSERT_TRUE(CreateProcessW(path.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi));
    CloseHandle(pi.hThread);
    kit::ResetState();
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 0), WAIT_OBJECT_0);
    CloseHandle(pi.hProcess);
}

TEST_F(KitState, RegistryValuesRoundTrip)
{
    const std::wstring key = L"Software\\Halvenor's Software\\Quillmere";
    EXPECT_EQ(kit::RegString(key, L"Missing"), std::nullopt);
    EXPECT_EQ(kit::RegDword(key, L"Missing"), std::nullopt);
    kit::SetRegString(key, L"Name", L"スキン テンプレート");
    kit::SetRegString(key, L"Empty", L"");
    kit::SetRegDword(key, L"Flag", 0xFFFFFFFE);
    EXPECT_EQ(kit::RegString(key, L"Name"), L"スキン テンプレート");
    EXPECT_EQ(kit::RegString(key, L"Empty"), L"");
    EXPECT_EQ(kit::RegDword(key, L"Flag"), 0xFFFFFFFEu);
    EXPECT_EQ(kit::RegDword(key, L"Name"), std::nullopt) << "a string is not a DWORD";
    EXPECT_EQ(kit::RegString(key, L"Flag"), std::nullopt) << "a DWORD is not a string";
}

TEST_F(KitState, ProgramSeesItsWindowsVersionAndCodePage)
{
    {
        Target t = StartTarget();
        EXPECT_EQ(Report(t.main), L"acp=932 version=6.1 platform=2 wow64=0");
    }
    kit::SetWindowsVersion(L"kit_target.exe", L"win98");
    {
        Target t = StartTarget();
        EXPECT_EQ(Report(t.main), L"acp=932 version=4.10 platform=1 wow64=0");
    }
    kit::SetWindowsVersion(L"kit_target.exe", L"winxp");
    Target t = StartTarget();
    EXPECT_EQ(Report(t.main), L"acp=932 version=5.1 platform=2 wow64=0");
}

class KitLaunch : public kit::UiTest {};

TEST_F(KitLaunch, WaitsForExitCode)
{
    kit::App app(L"kit_target.exe", L"/exit 7");
    EXPECT_EQ(app.WaitExit(), 7u);
    EXPECT_FALSE(app.Running());
}

TEST_F(KitLaunch, ExitWhileWaitingFailsAtOnce)
{
    kit::App app(L"kit_target.exe", L"/exit 3");
    auto start = std::chrono::steady_clock::now();
    std::string failure = FailureOf([&] { app.WaitWindow(L"KitTarget"); });
    EXPECT_TRUE(Contains(failure, "exited with code 3")) << failure;
    EXPECT_LT(std::chrono::steady_clock::now() - start, Ms(5000)) << "waited for the deadline";
}

TEST_F(KitLaunch, MissingWindowFailsAtTheDeadline)
{
    Target t = StartTarget();
    // A test's first failure saves a screenshot, which on a busy machine takes longer than
    // the wait itself: take it before the clock starts, so only the wait is timed.
    kit::ShotAtFailure();
    auto start = std::chrono::steady_clock::now();
    std::string failure = FailureOf([&] { t.app.WaitWindow(L"NoSuchClass", L"", Ms(300)); });
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(Contains(failure, "timed out waiting for window class \"NoSuchClass\"")) << failure;
    EXPECT_GE(took, Ms(300));
    EXPECT_LT(took, Ms(1500));
}

TEST_F(KitLaunch, UnexpectedBoxFailsTheWaitAndIsClosed)
{
    kit::App app(L"kit_target.exe", L"/box-first");
    std::string failure = FailureOf([&] { app.WaitWindow(L"KitTarget"); });
    EXPECT_TRUE(Contains(failure, "unexpected box \"Kit Target\": \"Startup problem\nsecond line\""))
        << failure;
    // Answering the box lets the program go on to its main window.
    EXPECT_TRUE(app.WaitWindow(L"KitTarget"));
    EXPECT_FALSE(app.Find(L"#32770"));
}

TEST_F(KitLaunch, UnexpectedBoxFailsADialogWait)
{
    Target t = StartTarget();
    t.main.Item(IDC_BOX_TEXT).SetText(L"別の箱");
    t.main.Item(IDC_BOX_CAPTION).SetText(L"Other");
    t.main.Post(WM_COMMAND, IDM_SHOW_BOX, MB_OKCANCEL | MB_ICONWARNING);
    std::string failure = FailureOf([&] { t.app.WaitDialog(L"Expected"); });
    EXPECT_TRUE(Contains(failure, "unexpected box \"Other\": \"別の箱\"")) << failure;
    EXPECT_EQ(StatusAfter(t.main, L"answer 2"), L"answer 2") << "closed with Cancel";
}

TEST_F(KitLaunch, DestructorEndsTheProgram)
{
    HANDLE process = nullptr;
    {
        Target t = StartTarget();
        ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), t.app.Handle(), GetCurrentProcess(),
                                    &process, SYNCHRONIZE, FALSE, 0));
    }
    EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_OBJECT_0);
    CloseHandle(process);
}

// Not a check of the kit's logic: the numbers for the report, and a guard against a
// kit change that adds fixed delays.
TEST_F(KitLaunch, LaunchToWindowTiming)
{
    for (const wchar_t* exe : {L"kit_target.exe", L"Quillpad.exe", L"Fennick.exe"}) {
        if (GetFileAttributesW(kit::ProgramPath(exe).c_str()) == INVALID_FILE_ATTRIBUTES)
            continue;
        for (int run = 0; run < 3; ++run) {
            kit::ResetState();
            auto start = std::chrono::steady_clock::now();
            kit::App app(exe);
            kit::Window w;
            try {
                w = app.WaitWindow(exe == std::wstring(L"Quillpad.exe") ? L"Quillpad"
                                   : exe == std::wstring(L"Fennick.exe") ? L"Fennick"
                                                                          : L"KitTarget");
            } catch (const kit::Failure& f) {
                std::printf("%ls: no window (%s)\n", exe, f.what());
                break;
            }
            auto ms = std::chrono::duration_cast<Ms>(std::chrono::steady_clock::now() - start);
            std::printf("%ls: window after %lld ms\n", exe, static_cast<long long>(ms.count()));
            if (exe == std::wstring(L"kit_target.exe")) {
                EXPECT_LT(ms, Ms(3000));
            }
        }
    }
}

class KitMessageBox : public kit::UiTest {};

TEST_F(KitMessageBox, ReadsTextCaptionButtonsAndDefault)
{
    Target t = StartTarget();
    kit::Dialog box = ShowBox(t, L"一行目\n二行目", L"確認",
                              MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2);
    EXPECT_EQ(box.Caption(), L"確認");
    EXPECT_EQ(box.Message(), L"一行目\n二行目");
    std::vector<int> buttons = box.Buttons();
    std::sort(buttons.begin(), buttons.end());
    EXPECT_EQ(buttons, (std::vector<int>{IDCANCEL, IDYES, IDNO}));
    EXPECT_EQ(box.DefaultButton(), IDNO);
    box.Answer(IDNO);
    EXPECT_EQ(StatusAfter(t.main, L"answer 7"), L"answer 7");
}

TEST_F(KitMessageBox, DefaultButtonFollowsTheFlags)
{
    Target t = StartTarget();
    const struct { UINT flags; std::vector<int> buttons; int def; } cases[] = {
        {MB_OK, {IDOK}, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, {IDOK, IDCANCEL}, IDCANCEL},
        {MB_YESNO, {IDYES, IDNO}, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, {IDYES, IDNO}, IDNO},
        {MB_RETRYCANCEL, {IDCANCEL, IDRETRY}, IDRETRY},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        kit::Dialog box = ShowBox(t, L"text", L"Flags", c.flags);
        std::vector<int> buttons = box.Buttons();
        std::sort(buttons.begin(), buttons.end());
        std::vector<int> want = c.buttons;
        std::sort(want.begin(), want.end());
        EXPECT_EQ(buttons, want);
        EXPECT_EQ(box.DefaultButton(), c.def);
        box.Answer(c.def);
        std::wstring answer = L"answer " + std::to_wstring(c.def);
        EXPECT_EQ(StatusAfter(t.main, answer), answer);
    }
}

TEST_F(KitMessageBox, TellsTheFourIconsAndNone)
{
    Target t = StartTarget();
    const struct { UINT flags; kit::Icon icon; } cases[] = {
        {MB_ICONERROR, kit::Icon::Error},
        {MB_ICONWARNING, kit::Icon::Warning},
        {MB_ICONQUESTION | MB_YESNO, kit::Icon::Question},
        {MB_ICONINFORMATION, kit::Icon::Information},
        {MB_OK, kit::Icon::None},
        {MB_ICONINFORMATION, kit::Icon::Information},
        {MB_ICONERROR, kit::Icon::Error},
    };
    for (const auto& c : cases) {
        kit::Dialog box = ShowBox(t, L"どのアイコン?", L"Icon", c.flags);
        EXPECT_STREQ(kit::IconName(box.IconKind()), kit::IconName(c.icon)) << "flags " << c.flags;
        box.Answer(box.DefaultButton());
    }
}

class KitControls : public kit::UiTest {};

TEST_F(KitControls, TextsOfControls)
{
    Target t = StartTarget();
    kit::Window edit = t.main.Item(IDC_BOX_CAPTION);
    edit.SetText(L"日本語のテキスト");
    EXPECT_EQ(edit.Text(), L"日本語のテキスト");
    edit.SetText(L"");
    EXPECT_EQ(edit.Text(), L"");
    EXPECT_EQ(t.main.Text(), L"Kit Target");
    EXPECT_TRUE(edit.Visible());
    EXPECT_TRUE(edit.Enabled());
    EXPECT_FALSE(t.main.HasItem(9999));
    EXPECT_TRUE(Contains(FailureOf([&] { t.main.Item(9999); }), "no control 9999"));
}

TEST_F(KitControls, CheckBoxesAndRadiosNotifyTheirParent)
{
    Target t = StartTarget();
    kit::Window check = t.main.Item(IDC_CHECK);
    EXPECT_FALSE(check.Checked());
    check.SetChecked(true);
    EXPECT_TRUE(check.Checked());
    EXPECT_EQ(StatusAfter(t.main, L"check 1"), L"check 1");
    check.SetChecked(false);
    EXPECT_EQ(StatusAfter(t.main, L"check 0"), L"check 0");

    EXPECT_TRUE(t.main.Item(IDC_RADIO_A).Checked());
    t.main.Item(IDC_RADIO_B).SetChecked(true);
    EXPECT_FALSE(t.main.Item(IDC_RADIO_A).Checked());
    EXPECT_EQ(StatusAfter(t.main, L"radio B"), L"radio B");
}

TEST_F(KitControls, StatusBarParts)
{
    Target t = StartTarget();
    kit::Window status = t.main.Item(IDC_STATUS);
    EXPECT_EQ(status.StatusText(0), L"Ready");
    EXPECT_EQ(status.StatusText(1), L"C:\\スキン\\main.wms");
    t.main.SendCommand(IDM_KEY_F3);
    EXPECT_EQ(status.StatusText(0), L"F3");
}

TEST_F(KitControls, ToolbarStateFollowsCommands)
{
    Target t = StartTarget();
    kit::Window bar = t.main.Item(IDC_TOOLBAR);
    EXPECT_TRUE(bar.ToolbarButtonEnabled(IDM_OPEN));
    EXPECT_FALSE(bar.ToolbarButtonEnabled(IDM_UNDO));
    EXPECT_TRUE(bar.ToolbarButtonChecked(IDM_WRAP));
    EXPECT_FALSE(bar.ToolbarHasButton(IDM_EXIT));
    EXPECT_TRUE(Contains(FailureOf([&] { bar.ToolbarButtonEnabled(IDM_EXIT); }),
                         "no toolbar button"));
    t.main.SendCommand(IDM_TOGGLE);
    EXPECT_TRUE(bar.ToolbarButtonEnabled(IDM_UNDO));
    EXPECT_FALSE(bar.ToolbarButtonChecked(IDM_WRAP));
}

TEST_F(KitControls, MenuItemsInPopupsAndSubmenus)
{
    Target t = StartTarget();
    kit::MenuItem open = t.main.Menu(IDM_OPEN);
    EXPECT_TRUE(open.exists);
    EXPECT_TRUE(open.enabled);
    EXPECT_FALSE(open.checked);
    EXPECT_EQ(open.label, L"&Open...\tCtrl+O");

    kit::MenuItem undo = t.main.Menu(IDM_UNDO);
    EXPECT_FALSE(undo.enabled);
    EXPECT_EQ(undo.label, L"元に戻す(&U)\tCtrl+Z");
    EXPECT_TRUE(t.main.Menu(IDM_WRAP).checked);

    kit::MenuItem deep = t.main.Menu(IDM_DEEP);
    EXPECT_TRUE(deep.exists);
    EXPECT_FALSE(deep.enabled);
    EXPECT_EQ(deep.label, L"Deep &item");
    kit::MenuItem deepest = t.main.Menu(IDM_DEEPEST);
    EXPECT_TRUE(deepest.enabled);
    EXPECT_EQ(deepest.label, L"Deepest");

    kit::MenuItem missing = t.main.Menu(9999);
    EXPECT_FALSE(missing.exists);
    EXPECT_EQ(missing.label, L"");

    t.main.SendCommand(IDM_TOGGLE);
    EXPECT_TRUE(t.main.Menu(IDM_UNDO).enabled);
    EXPECT_FALSE(t.main.Menu(IDM_WRAP).checked);
}

TEST_F(KitControls, PostedKeyReachesAccelerators)
{
    Target t = StartTarget();
    t.main.PostKey(VK_F3);
    EXPECT_EQ(StatusAfter(t.main, L"F3"), L"F3");
}

TEST_F(KitControls, SentKeysCarryModifiers)
{
    Target t = StartTarget();
    t.main.SendKeys({VK_CONTROL, 'K'});
    EXPECT_EQ(StatusAfter(t.main, L"Ctrl+K"), L"Ctrl+K");
}

class KitScreen : public kit::UiTest {};

TEST_F(KitScreen, ScreenshotsAreBmpFilesOfTheRightSize)
{
    Target t = StartTarget();
    RECT r;
    GetWindowRect(t.main.hwnd(), &r);
    const struct { HWND window; LONG width, height; } cases[] = {
        {t.main.hwnd(), r.right - r.left, r.bottom - r.top},
        {nullptr, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
    };
    for (const auto& c : cases) {
        std::wstring path = kit::Screenshot(c.window ? L"kit-window" : L"kit-screen", c.window);
        std::optional<std::string> bytes = kit::FileBytes(path);
        ASSERT_TRUE(bytes);
        ASSERT_GT(bytes->size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
        EXPECT_EQ(bytes->substr(0, 2), "BM");
        BITMAPINFOHEADER ih;
        memcpy(&ih, bytes->data() + sizeof(BITMAPFILEHEADER), sizeof ih);
        EXPECT_EQ(ih.biWidth, c.width);
        EXPECT_EQ(ih.biHeight, c.height);
        EXPECT_EQ(ih.biBitCount, 24);
        size_t stride = (static_cast<size_t>(c.width) * 3 + 3) & ~size_t(3);
        EXPECT_EQ(bytes->size(), 54 + stride * c.height);
        // A blank capture (all black, or only the window's background) is no screenshot.
        std::set<std::string> colours;
        for (size_t at = 54; at + 3 <= bytes->size() && colours.size() < 8; at += 3)
            colours.insert(bytes->substr(at, 3));
        EXPECT_GE(colours.size(), 8u);
    }
}

class EnglishKit : public kit::UiTest {};

TEST_F(EnglishKit, ProgramRunsUnderCodePage1252)
{
    Target t = StartTarget();
    EXPECT_EQ(Report(t.main), L"acp=1252 version=6.1 platform=2 wow64=0");
    kit::Dialog box = ShowBox(t, L"Really?", L"Question", MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(box.IconKind(), kit::Icon::Question);
    EXPECT_EQ(box.Item(IDYES).Text(), L"&Yes");
    box.Answer(IDYES);
}

class Wow64Kit : public kit::UiTest {};

TEST_F(Wow64Kit, ProgramRunsUnderWow64)
{
    Target t = StartTarget();
    EXPECT_EQ(Report(t.main), L"acp=932 version=6.1 platform=2 wow64=1");
    EXPECT_TRUE(t.main.Menu(IDM_DEEPEST).exists) << "the probe DLL must load under WOW64 too";
    EXPECT_EQ(t.main.Item(IDC_STATUS).StatusText(1), L"C:\\スキン\\main.wms");
}

}  // namespace
