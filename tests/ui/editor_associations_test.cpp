// UI tests of the file associations: the registry the actions leave, the shell opening the
// associated files, and the notice for users without elevation.
#include "document_test.h"

#include "admin_notice.h"
#include "editor/resource.h"

#include <shellapi.h>

#include <atomic>
#include <future>
#include <string>
#include <vector>

namespace {

const wchar_t kCaption[] = L"関連付けの設定/解除";
const wchar_t kEdit[] = L"Quillmere で編集(&W)";
const wchar_t kRefused[] = L"関連付けできませんでした。\n管理者権限があるかどうかを確認してください。";
const wchar_t kNotRemoved[] = L"関連付けを解除できませんでした。\n管理者権限があるかどうかを確認してください。";
// Every key that either action touches, whole, for comparing one state with another.
const wchar_t* const kTouchedKeys[] = {L".qlmc", L"QLMCFile", L".qlmt", L"QLMTFile", L"WMSFile",
                                       L"WMP11.AssocFile.WMS", L".wms", L"JSFile\\Shell", L".js"};

struct Row {
    std::wstring key, name, data;
};

std::vector<Row> ExpectedRows(const std::wstring& folder)
{
    std::wstring editor = folder + L"Quillpad.exe", explorer = folder + L"Fennick.exe";
    std::wstring editorCommand = L"\"" + editor + L"\" \"%1\"";
    return {
        {L".qlmc", L"", L"QLMCFile"},
        {L"QLMCFile", L"", L"Ferncastle スキン セットアップ ファイル"},
        {L"QLMCFile\\DefaultIcon", L"", explorer + L",1"},
        {L"QLMCFile\\Shell", L"", L"Open"},
        {L"QLMCFile\\Shell\\Open", L"", L"開く(&O)"},
        {L"QLMCFile\\Shell\\Open\\Command", L"", L"\"" + explorer + L"\" \"%1\""},
        {L".qlmt", L"", L"QLMTFile"},
        {L"QLMTFile", L"", L"Quillmere 雛形ファイル"},
        {L"QLMTFile\\DefaultIcon", L"", editor + L",1"},
        {L"QLMTFile\\Shell", L"", L"Open"},
        {L"QLMTFile\\Shell\\Open", L"", L"開く(&O)"},
        {L"QLMTFile\\Shell\\Open\\Command", L"", editorCommand},
        {L"WMSFile\\Shell", L"", L"Open"},
        {L"WMSFile\\Shell\\QLM3Edit", L"", kEdit},
        {L"WMSFile\\Shell\\QLM3Edit\\Command", L"", editorCommand},
        {L"WMP11.AssocFile.WMS\\Shell", L"", L"Open"},
        {L"WMP11.AssocFile.WMS\\Shell\\QLM3Edit", L"", kEdit},
        {L"WMP11.AssocFile.WMS\\Shell\\QLM3Edit\\Command", L"", editorCommand},
        {L".wms\\ShellNew", L"NullFile", L""},
        {L"JSFile\\Shell", L"", L"Open"},
        {L"JSFile\\Shell\\QLM3Edit", L"", kEdit},
        {L"JSFile\\Shell\\QLM3Edit\\Command", L"", editorCommand},
        {L".js\\ShellNew", L"NullFile", L""},
    };
}

// "type:data (bytes)" of a value; "" when it is missing.
std::wstring ValueOf(HKEY parent, const std::wstring& path, const wchar_t* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return L"";
    wchar_t data[1024] = {};
    DWORD type = 0, size = sizeof data - sizeof(wchar_t);
    LSTATUS read = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return read == ERROR_SUCCESS ? std::to_wstring(type) + L":" + data + L" (" + std::to_wstring(size) + L")" : L"";
}

// The key's values and subkeys, recursively, one line each; "" when it is missing.
std::wstring Dump(HKEY parent, const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return L"";
    std::wstring out = path + L"\n";
    wchar_t name[256];
    for (DWORD i = 0, size = _countof(name);
         RegEnumValueW(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; size = _countof(name), ++i)
        out += L"  " + std::wstring(name) + L"=" + ValueOf(key, L"", name) + L"\n";
    for (DWORD i = 0, size = _countof(name);
         RegEnumKeyExW(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; size = _countof(name), ++i)
        out += Dump(key, name);
    RegCloseKey(key);
    return out;
}

bool KeyExists(const wchar_t* path) { return !Dump(HKEY_CLASSES_ROOT, path).empty(); }

class Associations : public DocumentTest {
protected:
    Dialog OpenDialog()
    {
        main_.PostCommand(IDM_ASSOCIATIONS);
        return app().WaitDialog(kCaption);
    }
    void Associate(const Dialog& dialog, const std::wstring& result = L"関連付けが完了しました。")
    {
        dialog.Item(IDC_ASSOCIATIONS_ASSOCIATE).Click();
        app().WaitDialog(L"関連付けの確認").Answer(IDYES);
        ExpectBox(L"Quillmere", result, result == kRefused ? Icon::Warning : Icon::Information).Answer(IDOK);
    }
    void Remove(const Dialog& dialog, const std::wstring& result = L"関連付け解除が完了しました。")
    {
        dialog.Item(IDC_ASSOCIATIONS_REMOVE).Click();
        app().WaitDialog(L"関連付け解除の確認").Answer(IDYES);
        ExpectBox(L"Quillmere", result, result == kNotRemoved ? Icon::Warning : Icon::Information).Answer(IDOK);
    }
    // A window of another process started through the shell's default verb for the file.
    HWND OpenThroughShell(const std::wstring& file, const wchar_t* cls, const std::wstring& title)
    {
        kit::WriteBytes(file, "");
        EXPECT_GT(reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNORMAL)), 32);
        HWND found = nullptr;
        kit::WaitUntil([&] { return (found = FindWindowW(cls, title.c_str())) != nullptr; });
        DWORD pid = 0;
        if (found && GetWindowThreadProcessId(found, &pid)) started_.push_back(pid);
        return found;
    }
    // The shell's programs hold the test's output open until they end.
    void TearDown() override
    {
        for (DWORD pid : started_)
            if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
                TerminateProcess(process, 1);
                WaitForSingleObject(process, 5000);
                CloseHandle(process);
            }
        DocumentTest::TearDown();
    }
    std::vector<DWORD> started_;
};

}  // namespace

TEST_F(Associations, AssociateWritesTheTableAlikeTwiceAndTheShellOpensTheFiles)
{
    // Copies in a folder with a blank: the commands must quote the paths.
    std::wstring folder = Scratch(L"Quill mere") + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* program : {L"Quillpad.exe", L"Fennick.exe"})
        ASSERT_TRUE(CopyFileW(kit::ProgramPath(program).c_str(), (folder + program).c_str(), FALSE));
    app_.emplace(folder + L"Quillpad.exe");
    main_ = app().WaitWindow(L"Quillpad", kNewTitle);
    Dialog dialog = OpenDialog();
    kit::Screenshot(L"associations", dialog.hwnd());
    dialog.Item(IDC_ASSOCIATIONS_ASSOCIATE).Click();
    ExpectBox(L"関連付けの確認",
              L"以下のファイルに関連付けます。\n\n・Windows Media Player スキン ファイル (*.wms)\n・Java スクリプト (*.js)\n"
              L"・Quillmere 雛形ファイル (*.qlmt)\n・Ferncastle スキン セットアップ ファイル (*.qlmc)\n\nよろしいですか？",
              Icon::Question).Answer(IDNO);
    EXPECT_FALSE(KeyExists(L".qlmc"));

    Associate(dialog);
    for (const Row& row : ExpectedRows(folder))
        EXPECT_EQ(L"2:" + row.data + L" (" + std::to_wstring((row.data.size() + 1) * sizeof(wchar_t)) + L")",
                  ValueOf(HKEY_CLASSES_ROOT, row.key, row.name.c_str()))
            << kit::Utf8(row.key) << ": REG_EXPAND_SZ with its NUL";
    auto dumpAll = [] {
        std::wstring all;
        for (const wchar_t* key : kTouchedKeys) all += Dump(HKEY_CLASSES_ROOT, key);
        return all;
    };
    std::wstring once = dumpAll();
    Associate(dialog);
    EXPECT_EQ(once, dumpAll());

    HWND editor = OpenThroughShell(Scratch(L"my template.qlmt"), L"Quillpad", L"Quillmere - my template.qlmt");
    EXPECT_TRUE(editor) << "the editor shows the template";
    HWND question = OpenThroughShell(Scratch(L"my setup.qlmc"), L"#32770", L"Ferncastle");
    ASSERT_TRUE(question) << "the skin explorer asks about its bulk copy";
    EXPECT_EQ(L"QLMC ファイルを使用して WMZ ファイルの一括コピーを行いますか？\n\n注意 : コピー処理がすべて完了するとプログラムは終了します。",
              Dialog(question).Message());
    Dialog(question).Answer(IDNO);
}

TEST_F(Associations, RemoveBeforeAndAfterAssociating)
{
    std::wstring jsBefore = Dump(HKEY_CLASSES_ROOT, L".js");
    Start();
    Dialog dialog = OpenDialog();
    Remove(dialog);
    for (const wchar_t* key : {L"WMSFile\\Shell", L"WMP11.AssocFile.WMS\\Shell", L"JSFile\\Shell", L".wms"})
        EXPECT_EQ(std::wstring(key) + L"\n", Dump(HKEY_CLASSES_ROOT, key)) << "left empty: " << kit::Utf8(key);
    EXPECT_EQ(jsBefore, Dump(HKEY_CLASSES_ROOT, L".js"));
    EXPECT_FALSE(KeyExists(L"QLMCFile") || KeyExists(L"QLMTFile"));

    Associate(dialog);
    dialog.Item(IDC_ASSOCIATIONS_REMOVE).Click();
    ExpectBox(L"関連付け解除の確認", L"関連付けを解除します。\nよろしいですか？", Icon::Question).Answer(IDNO);
    EXPECT_TRUE(KeyExists(L"QLMCFile\\Shell\\Open\\Command"));
    Remove(dialog);
    for (const wchar_t* key : {L".qlmc", L"QLMCFile", L".qlmt", L"QLMTFile", L".wms\\ShellNew", L".js\\ShellNew"})
        EXPECT_FALSE(KeyExists(key)) << kit::Utf8(key);
    for (const wchar_t* key : {L"WMSFile\\Shell", L"WMP11.AssocFile.WMS\\Shell", L"JSFile\\Shell"})
        EXPECT_EQ(std::wstring(key) + L"\n  =2:Open (10)\n", Dump(HKEY_CLASSES_ROOT, key)) << "the default verb stays";
    EXPECT_EQ(jsBefore, Dump(HKEY_CLASSES_ROOT, L".js"));
}

// A key that takes no lasting subkeys stands for one the user may not write.
TEST_F(Associations, ValueThatCannotBeWrittenIsReportedAndTheOthersAreStillWritten)
{
    HKEY blocked = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CLASSES_ROOT, L"WMP11.AssocFile.WMS", 0, nullptr, REG_OPTION_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, &blocked, nullptr));
    RegCloseKey(blocked);
    Start();
    Associate(OpenDialog(), kRefused);
    EXPECT_FALSE(KeyExists(L"WMP11.AssocFile.WMS\\Shell"));
    EXPECT_TRUE(KeyExists(L"WMSFile\\Shell\\QLM3Edit\\Command"));
    EXPECT_TRUE(KeyExists(L"JSFile\\Shell\\QLM3Edit\\Command")) << "rows after the failed one";
    EXPECT_TRUE(KeyExists(L".js\\ShellNew"));
}

// The shell adds subkeys such as OpenWithProgids to an extension; such a key cannot be deleted.
TEST_F(Associations, KeyThatCannotBeDeletedIsReportedAndTheOthersAreStillRemoved)
{
    Start();
    Dialog dialog = OpenDialog();
    Associate(dialog);
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueW(HKEY_CLASSES_ROOT, L".qlmc\\OpenWithProgids", REG_SZ, L"", 0));
    Remove(dialog, kNotRemoved);
    EXPECT_TRUE(KeyExists(L".qlmc\\OpenWithProgids"));
    for (const wchar_t* key : {L"QLMCFile", L"QLMTFile", L".wms\\ShellNew", L".js\\ShellNew"})
        EXPECT_FALSE(KeyExists(key)) << kit::Utf8(key) << " is still removed";
}

BOOL CALLBACK TakeFirstWindow(HWND window, LPARAM found)
{
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Wine's IsUserAnAdmin is always true, so the editor never shows the notice there: its dialog
// runs here, from the editor's resources, on a thread whose window is found by the thread.
TEST_F(Associations, NoticeShowsTheWarningAndEndsWithOne)
{
    HMODULE editor = LoadLibraryExW(kit::ProgramPath(L"Quillpad.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(editor);
    for (int button : {IDOK, IDCANCEL}) {
        std::atomic<DWORD> thread{0};
        std::future<INT_PTR> result = std::async(std::launch::async, [&] {
            thread = GetCurrentThreadId();
            return DialogBoxParamW(editor, MAKEINTRESOURCEW(IDD_ADMIN_NOTICE), nullptr, RestrictedAdminNoticeProc, 0);
        });
        HWND found = nullptr;
        kit::WaitUntil([&] {
            if (thread) EnumThreadWindows(thread, TakeFirstWindow, reinterpret_cast<LPARAM>(&found));
            return found && IsWindowVisible(found);
        });
        Dialog notice(found);
        EXPECT_EQ(kCaption, notice.Caption());
        EXPECT_TRUE(notice.Item(IDC_NOTICE_ICON).Send(STM_GETICON)) << "the warning icon";
        if (button == IDOK) kit::Screenshot(L"admin-notice", found);
        notice.PostCommand(button);
        EXPECT_EQ(1, result.get());
    }
    FreeLibrary(editor);
}
