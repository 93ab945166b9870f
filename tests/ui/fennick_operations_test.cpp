// UI tests of what Fennick does to its entries: rename and its refusals, delete, add, open.
#include "kit.h"
#include "explorer/resource.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::wstring>;

enum {
    kOpen = IDM_OPEN_SKIN, kDelete = IDM_DELETE_SKINS, kRename = IDM_RENAME_SKIN, kAdd = IDM_ADD_SKINS,
    kList = IDC_SKIN_LIST, kCurrent = IDC_RENAME_CURRENT, kNew = IDC_RENAME_NEW,
};

class FennickOpsTest : public kit::UiTest {
protected:
    void SetUp() override
    {
        kit::UiTest::SetUp();
        SHCreateDirectoryExW(nullptr, kit::SkinsDir().c_str(), nullptr);
    }
    static std::wstring Skin(const std::wstring& name) { return kit::SkinsDir() + L"\\" + name; }
    static bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
    // Packages hold their own name; a name ending in a backslash is a folder.
    static void Make(const Names& names)
    {
        for (const auto& name : names) {
            if (name.back() == L'\\')
                CreateDirectoryW(Skin(name).c_str(), nullptr);
            else
                kit::WriteBytes(Skin(name), "old");
        }
    }
    void Start()
    {
        app_.emplace(L"Fennick.exe");
        main_ = app_->WaitWindow(L"Fennick", L"Ferncastle");
        list_ = main_.Item(kList);
    }
    // The listing's order is the file system's: compared as sets.
    void ExpectNames(Names expected) const
    {
        std::sort(expected.begin(), expected.end());
        auto shown = [&] {
            Names names = list_.ListColumn(0);
            std::sort(names.begin(), names.end());
            return names;
        };
        EXPECT_SOON_EQ(expected, shown());
    }
    void Select(const Names& names) const
    {
        Names shown = list_.ListColumn(0);
        std::vector<int> indexes;
        for (const auto& name : names)
            indexes.push_back(static_cast<int>(std::find(shown.begin(), shown.end(), name) - shown.begin()));
        list_.SelectListItems(indexes);
    }
    // The selection mark alone moves, as a Ctrl+click that deselects the entry leaves it.
    void Mark(const std::wstring& name) const
    {
        Names shown = list_.ListColumn(0);
        list_.Send(LVM_SETSELECTIONMARK, 0, std::find(shown.begin(), shown.end(), name) - shown.begin());
    }
    kit::Dialog Opened(int command, const std::wstring& caption) const
    {
        main_.PostCommand(command);
        return app_->WaitDialog(caption);
    }
    // Answers the box and returns its text.
    static std::wstring Answer(const kit::Dialog& box, int answer = IDOK)
    {
        std::wstring text = box.Message();
        box.Answer(answer);
        return text;
    }
    std::wstring Answered(int command, const std::wstring& caption, int answer = IDOK) const
    {
        return Answer(Opened(command, caption), answer);
    }
    std::wstring TryName(const kit::Dialog& rename, const std::wstring& name, const std::wstring& caption) const
    {
        rename.Item(kNew).SetText(name);
        rename.Item(IDOK).Click();
        std::wstring text = Answer(app_->WaitDialog(caption));
        EXPECT_TRUE(rename.Exists());
        return text;
    }
    void Shoot(const kit::Dialog& dialog, const std::wstring& name) const
    {
        RedrawWindow(dialog.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        kit::Screenshot(name, dialog.hwnd());
    }
    std::optional<kit::App> app_;
    kit::Window main_;
    kit::Window list_;
};

class FennickOps : public FennickOpsTest {};
class EnglishFennickOps : public FennickOpsTest {};

const wchar_t kCannotRename[] = L"リネームできませんでした。";
const wchar_t kBadName[] = L"新しいファイル名に使用できない文字または名前が含まれています。";

TEST_F(FennickOps, RenameRefusesSameBlankExistingAndEscapingNames)
{
    Make({L"Blue.wmz", L"Red.wmz"});
    Start();
    Select({L"Blue.wmz"});
    kit::Dialog rename = Opened(kRename, L"リネーム");
    EXPECT_EQ(L"Blue", rename.Item(kCurrent).Text());
    EXPECT_EQ(123, rename.Item(kNew).Send(EM_GETLIMITTEXT));
    EXPECT_SOON_EQ(kNew, rename.ThreadFocus().Id());
    Shoot(rename, L"fennick-rename-ja");
    EXPECT_EQ(L"ファイル名が同じです。", TryName(rename, L"blue", L"リネームエラー"));
    EXPECT_EQ(L"新しいファイル名が空欄です。", TryName(rename, L"", L"リネームエラー"));
    EXPECT_EQ(0u, TryName(rename, L"Red", L"リネームエラー").find(kCannotRename));
    for (const wchar_t* name : {L"..\\Blue", L"..", L"sub/Blue", L"C:Blue", L"a|b"})
        EXPECT_EQ(0u, TryName(rename, name, L"リネームエラー").find(kBadName)) << name;
    EXPECT_TRUE(Exists(Skin(L"Blue.wmz")));
    EXPECT_FALSE(Exists(kit::SkinsDir() + L"\\..\\Blue.wmz"));
    rename.Item(kNew).SetText(L"Green");
    rename.Item(IDOK).Click();
    EXPECT_EQ(L"リネームが完了しました。", Answer(app_->WaitDialog(L"Ferncastle")));
    ExpectNames({L"Green.wmz", L"Red.wmz"});
}

TEST_F(FennickOps, RenameRefusesFoldersTheParentEntryAndOverlongNames)
{
    const std::wstring longName(124, L'a');
    Make({L"Classic\\", L"Classic\\" + longName + L".wmz"});
    Start();
    Select({L"Classic"});
    EXPECT_EQ(L"フォルダをリネームすることはできません。", Answered(kRename, L"Ferncastle"));
    main_.PostCommand(kOpen);
    ExpectNames({L"(1 つ上のフォルダへ)", longName + L".wmz"});
    Select({L"(1 つ上のフォルダへ)"});
    EXPECT_EQ(L"フォルダをリネームすることはできません。", Answered(kRename, L"Ferncastle"));
    Select({longName + L".wmz"});
    EXPECT_EQ(L"ファイル名が長すぎるため、リネームできません。", Answered(kRename, L"Ferncastle"));
}

TEST_F(FennickOps, DeleteAsksOnceAndLeavesFolders)
{
    Make({L"A.wmz", L"B.wmz", L"C.wmz", L"D.wmz", L"Folder\\"});
    Start();
    Select({L"A.wmz", L"B.wmz", L"C.wmz"});
    kit::Dialog ask = Opened(kDelete, L"確認");
    EXPECT_EQ(L"3 個のスキンを削除してもよろしいですか？\n(この操作は後で元に戻すことができません。)", ask.Message());
    EXPECT_EQ(IDNO, ask.DefaultButton());
    ask.Answer(IDYES);
    ExpectNames({L"Folder", L"D.wmz"});
    Select({L"Folder", L"D.wmz"});
    EXPECT_EQ(0u, Answered(kDelete, L"確認", IDYES).find(L"2 個"));
    ExpectNames({L"Folder"});
    EXPECT_TRUE(Exists(Skin(L"Folder")));
}

TEST_F(FennickOps, AddRefusesTheFolderOnScreenAndAsksBeforeOverwriting)
{
    Make({L"Blue.wmz"});
    kit::WriteBytes(kit::ScratchDir() + L"\\Blue.wmz", "new");
    Start();
    kit::ChooseInFileDialog(Opened(kAdd, L"スキンの追加"), Skin(L"Blue.wmz"));
    EXPECT_EQ(L"Skins フォルダ内にあるファイルは処理できません。", Answer(app_->WaitDialog(L"コピー開始エラー")));
    kit::ChooseInFileDialog(Opened(kAdd, L"スキンの追加"), kit::ScratchDir() + L"\\Blue.wmz");
    kit::Dialog overwrite = app_->WaitDialog(L"上書き確認");
    EXPECT_EQ(L"Blue.wmz\nは既に存在します。上書きしますか？", overwrite.Message());
    EXPECT_EQ(IDNO, overwrite.DefaultButton());
    overwrite.Answer(IDNO);
    EXPECT_EQ("old", kit::FileBytes(Skin(L"Blue.wmz")));
    ExpectNames({L"Blue.wmz"});
    kit::ChooseInFileDialog(Opened(kAdd, L"スキンの追加"), kit::ScratchDir() + L"\\Blue.wmz");
    app_->WaitDialog(L"上書き確認").Answer(IDYES);
    EXPECT_EQ(L"1 個のスキンを処理しました。", Answer(app_->WaitDialog(L"処理完了")));
    EXPECT_EQ("new", kit::FileBytes(Skin(L"Blue.wmz")));
}

// The bulk copy's first question, shown by a second Fennick process.
HWND QuestionOfAnotherProcess(DWORD pid)
{
    for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"#32770", L"Ferncastle")) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(box, &owner);
        if (owner != pid && IsWindowVisible(box)) return box;
    }
    return nullptr;
}

TEST_F(FennickOps, AddOfASetupFileInCapitalsStartsTheBulkCopy)
{
    const std::wstring setup = kit::ScratchDir() + L"\\SET.QLMC";
    kit::WriteBytes(setup, "");
    Start();
    kit::ChooseInFileDialog(Opened(kAdd, L"スキンの追加"), setup, 2);
    HWND question = nullptr;
    kit::WaitUntil([&] { return (question = QuestionOfAnotherProcess(app_->Pid())) != nullptr; });
    EXPECT_EQ(0u, Answer(kit::Dialog(question), IDNO).find(L"QLMC ファイルを使用して"));
    EXPECT_TRUE(app_->Running());
}

TEST_F(FennickOps, OpenRefusesTwoEntriesAndReListsAPackageGoneMeanwhile)
{
    Make({L"A.wmz", L"B.wmz"});
    Start();
    Select({L"A.wmz", L"B.wmz"});
    EXPECT_EQ(L"スキンを 2 個以上同時に開くことはできません。", Answered(kOpen, L"Ferncastle"));
    Select({L"A.wmz"});
    DeleteFileW(Skin(L"A.wmz").c_str());
    main_.PostCommand(kOpen);
    ExpectNames({L"B.wmz"});
}

TEST_F(FennickOps, OpenAndRenameTakeTheSelectionAndTheParentEntryIsKnownByItsKind)
{
    const std::wstring parent = L"(1 つ上のフォルダへ)";
    Make({parent + L"\\", parent + L"\\Inner.wmz", L"A.wmz"});
    Start();
    Select({parent});
    Mark(L"A.wmz");
    main_.PostCommand(kOpen);
    ExpectNames({parent, L"Inner.wmz"});   // into the folder, not above the skins folder
    Select({L"Inner.wmz"});
    Mark(parent);
    kit::Dialog rename = Opened(kRename, L"リネーム");
    EXPECT_EQ(L"Inner", rename.Item(kCurrent).Text());
    rename.Item(IDCANCEL).Click();
    app_->WaitGone(L"#32770", L"リネーム");
    Select({parent});
    main_.PostCommand(kOpen);
    ExpectNames({parent, L"A.wmz"});
}

TEST_F(FennickOps, DeleteAddAndHandingOnSayWhatFailed)
{
    const std::wstring copy = kit::ScratchDir() + L"\\program\\Fennick.exe";
    const std::wstring setup = kit::ScratchDir() + L"\\set.qlmc", busy = kit::ScratchDir() + L"\\Busy.wmz";
    CreateDirectoryW((kit::ScratchDir() + L"\\program").c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(kit::ProgramPath(L"Fennick.exe").c_str(), copy.c_str(), FALSE));
    Make({L"Locked.wmz", L"Free.wmz"});
    SetFileAttributesW(Skin(L"Locked.wmz").c_str(), FILE_ATTRIBUTE_READONLY);
    for (const std::wstring& file : {setup, busy, kit::ScratchDir() + L"\\Locked.wmz"}) kit::WriteBytes(file, "");
    app_.emplace(copy);
    main_ = app_->WaitWindow(L"Fennick", L"Ferncastle");
    list_ = main_.Item(kList);

    Select({L"Locked.wmz", L"Free.wmz"});
    Opened(kDelete, L"確認").Answer(IDYES);
    kit::Dialog failed = app_->WaitDialog(L"Ferncastle");
    EXPECT_EQ(0u, failed.Message().find(L"次のスキンを削除できませんでした。\n\nLocked.wmz : ")) << kit::Utf8(failed.Message());
    EXPECT_EQ(kit::Icon::Error, failed.IconKind());
    failed.Answer(IDOK);
    ExpectNames({L"Locked.wmz"});
    // Files another program holds open: the package overwritten, and one to copy.
    for (const std::wstring& file : {Skin(L"Locked.wmz"), busy}) {
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        bool overwrite = file != busy;
        kit::ChooseInFileDialog(Opened(kAdd, L"スキンの追加"), overwrite ? kit::ScratchDir() + L"\\Locked.wmz" : busy);
        if (overwrite) app_->WaitDialog(L"上書き確認").Answer(IDYES);
        EXPECT_EQ(0u, Answer(app_->WaitDialog(L"Ferncastle"))
                          .find(L"次のスキンをコピーできませんでした。\n\n" + std::wstring(overwrite ? L"Locked" : L"Busy") + L".wmz : "));
        CloseHandle(held);
    }

    // The program's own file gone: the second copy for the bulk copy cannot start.
    ASSERT_TRUE(MoveFileW(copy.c_str(), (copy + L".gone").c_str()));
    kit::ChooseInFileDialog(Opened(kAdd, L"スキンの追加"), setup, 2);
    kit::Dialog unable = app_->WaitDialog(L"Ferncastle");
    EXPECT_EQ(L"セットアップ ファイルを開けませんでした。", unable.Message());
    EXPECT_EQ(kit::Icon::Warning, unable.IconKind());
}

TEST_F(EnglishFennickOps, RenameDialogAndItsRefusals)
{
    Make({L"Blue.wmz"});
    Start();
    Select({L"Blue.wmz"});
    kit::Dialog rename = Opened(kRename, L"Rename");
    Shoot(rename, L"fennick-rename-en");
    EXPECT_EQ(L"The same file name.", TryName(rename, L"BLUE", L"Rename Error"));
    EXPECT_EQ(0u, TryName(rename, L"..\\x", L"Rename Error").find(L"The new file name contains"));
    rename.Item(IDCANCEL).Click();
    app_->WaitGone(L"#32770", L"Rename");
    EXPECT_EQ(L"1 Skin(s) to remove?\n(This operation can not undo later.)", Answered(kDelete, L"Check", IDNO));
    ExpectNames({L"Blue.wmz"});
}

}  // namespace
