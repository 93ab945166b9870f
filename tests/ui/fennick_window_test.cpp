// UI tests of Fennick's explorer window: listing and the way up, sorting, the counts and
// commands that follow the selection, and a second start.
#include "kit.h"
#include "explorer/resource.h"

#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::wstring>;

enum {
    kOpen = IDM_OPEN_SKIN, kDelete = IDM_DELETE_SKINS, kRename = IDM_RENAME_SKIN, kViewIcon = IDM_VIEW_ICON,
    kViewList = IDM_VIEW_LIST, kViewDetails = IDM_VIEW_DETAILS, kSortSize = IDM_SORT_SIZE, kSortDate = IDM_SORT_DATE,
    kRefresh = IDM_REFRESH, kList = IDC_SKIN_LIST, kToolbar = IDC_TOOLBAR, kStatus = IDC_STATUS,
};

class FennickWindowTest : public kit::UiTest {
protected:
    void SetUp() override
    {
        kit::UiTest::SetUp();
        SHCreateDirectoryExW(nullptr, kit::SkinsDir().c_str(), nullptr);
    }
    bool Japanese() const { return GetACP() == 932; }
    std::wstring Parent() const { return Japanese() ? L"(1 つ上のフォルダへ)" : L"(Up to Folder)"; }
    std::wstring Counted(int items) const
    {
        return std::to_wstring(items) + (Japanese() ? L" 個のスキンとフォルダ" : L" Skins and Folders");
    }
    std::wstring Selected(int items) const
    {
        return std::to_wstring(items) + (Japanese() ? L" 個の項目を選択" : L" Items Selected");
    }

    // A package of that many bytes (a folder for -1) in the skins folder, last written at
    // noon on that day of January 2009.
    void Make(const std::wstring& name, int bytes, int day) const
    {
        std::wstring path = kit::SkinsDir() + L"\\" + name;
        if (bytes < 0)
            CreateDirectoryW(path.c_str(), nullptr);
        else
            kit::WriteBytes(path, std::string(bytes, 'x'));
        SYSTEMTIME noon = {2009, 1, 0, static_cast<WORD>(day), 12, 0, 0, 0};
        FILETIME time;
        SystemTimeToFileTime(&noon, &time);
        HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        SetFileTime(file, nullptr, nullptr, &time);
        CloseHandle(file);
    }
    void Start()
    {
        app_.emplace(L"Fennick.exe");
        main_ = app_->WaitWindow(L"Fennick", L"Ferncastle");
        list_ = main_.Item(kList);
    }
    // Waits for the column, as posted clicks sort a little later.
    void ExpectColumn(int column, const Names& expected) const
    {
        EXPECT_SOON_EQ(expected, list_.ListColumn(column)) << "column " << column;
    }
    void ExpectCommands(bool open, bool remove, bool rename) const
    {
        kit::Window toolbar = main_.Item(kToolbar);
        EXPECT_SOON_EQ(open, main_.Menu(kOpen).enabled);
        EXPECT_SOON_EQ(remove, main_.Menu(kDelete).enabled);
        EXPECT_SOON_EQ(rename, main_.Menu(kRename).enabled);
        EXPECT_SOON_EQ(open, toolbar.ToolbarButtonEnabled(kOpen));
        EXPECT_SOON_EQ(remove, toolbar.ToolbarButtonEnabled(kDelete));
        EXPECT_SOON_EQ(rename, toolbar.ToolbarButtonEnabled(kRename));
    }
    // A click on the column's header, as the mouse gives it.
    void ClickHeader(int column) const
    {
        kit::Window header(reinterpret_cast<HWND>(list_.Send(LVM_GETHEADER)));
        // The middle of the column: near its edges a press starts resizing instead.
        int x = static_cast<int>(list_.Send(LVM_GETCOLUMNWIDTH, column)) / 2;
        for (int before = 0; before < column; ++before) x += static_cast<int>(list_.Send(LVM_GETCOLUMNWIDTH, before));
        header.Post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 4));
        header.Post(WM_LBUTTONUP, 0, MAKELPARAM(x, 4));
    }
    void ShootViews() const
    {
        const std::pair<int, const wchar_t*> views[] = {
            {kViewDetails, L"details"}, {kViewList, L"list"}, {kViewIcon, L"icons"}};
        for (const auto& view : views) {
            main_.SendCommand(view.first);
            RedrawWindow(main_.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            kit::Screenshot(L"fennick-" + std::wstring(view.second) + (Japanese() ? L"-ja" : L"-en"), main_.hwnd());
        }
        main_.SendCommand(kViewDetails);
    }

    void ListsNavigatesAndCounts();
    void SortsAsTextWithDirections();

    std::optional<kit::App> app_;
    kit::Window main_;
    kit::Window list_;
};

void FennickWindowTest::ListsNavigatesAndCounts()
{
    Make(L"Classic", -1, 1);
    Make(L"Classic\\Inner", -1, 1);
    Make(L"Classic\\Old.wmz", 300, 1);
    Make(L"Blue.wmz", 999, 1);
    Make(L"readme.txt", 10, 1);
    Start();
    ExpectColumn(0, {L"Classic", L"Blue.wmz"});   // no way up from the skins folder
    EXPECT_SOON_EQ(Counted(2), main_.Item(kStatus).StatusText(0));
    ExpectCommands(false, false, false);

    list_.SelectListItems({0, 1});
    EXPECT_SOON_EQ(Selected(2), main_.Item(kStatus).StatusText(0));
    ExpectCommands(false, true, false);
    list_.SelectListItems({0});
    ExpectCommands(true, true, true);

    main_.SendCommand(kOpen);
    ExpectColumn(0, {Parent(), L"Inner", L"Old.wmz"});
    EXPECT_SOON_EQ(Counted(3), main_.Item(kStatus).StatusText(0));
    ExpectCommands(false, false, false);

    list_.SelectListItems({0});
    list_.PostKey(VK_RETURN);
    ExpectColumn(0, {L"Classic", L"Blue.wmz"});
    main_.SendCommand(kRefresh);
    ExpectColumn(0, {L"Classic", L"Blue.wmz"});
}

void FennickWindowTest::SortsAsTextWithDirections()
{
    Make(L"Folder A", -1, 20);
    Make(L"Folder B", -1, 21);
    Make(L"a.wmz", 1000, 3);
    Make(L"b.wmz", 999, 1);
    Make(L"c.wmz", 5, 2);
    Start();
    ShootViews();
    main_.SendCommand(kSortSize);
    ExpectColumn(1, {L"", L"", L"1000", L"5", L"999"});

    const Names byDate = {L"b.wmz", L"c.wmz", L"a.wmz", L"Folder A", L"Folder B"};
    const Names byDateDown(byDate.rbegin(), byDate.rend());
    ClickHeader(2);
    ExpectColumn(0, byDate);
    ClickHeader(2);
    ExpectColumn(0, byDateDown);
    main_.SendCommand(kSortDate);
    ExpectColumn(0, byDate);

    // A listing comes unsorted, folders first; the next sort flips the column again.
    main_.SendCommand(kRefresh);
    Names kinds;
    for (const std::wstring& size : list_.ListColumn(1)) kinds.push_back(size.empty() ? L"folder" : L"package");
    EXPECT_EQ(Names({L"folder", L"folder", L"package", L"package", L"package"}), kinds);
    main_.SendCommand(kSortDate);
    ExpectColumn(0, byDateDown);
}

class FennickWindow : public FennickWindowTest {};
class EnglishFennickWindow : public FennickWindowTest {};

}  // namespace

TEST_F(FennickWindow, ListsNavigatesAndCounts) { ListsNavigatesAndCounts(); }
TEST_F(EnglishFennickWindow, ListsNavigatesAndCounts) { ListsNavigatesAndCounts(); }
TEST_F(FennickWindow, SortsAsTextWithDirections) { SortsAsTextWithDirections(); }
TEST_F(EnglishFennickWindow, SortsAsTextWithDirections) { SortsAsTextWithDirections(); }

TEST_F(FennickWindow, ListsOnlyNamesEndingInWmzAndAFolderOnce)
{
    Make(L"Folder.wmz", -1, 1);
    Make(L"x.wmz1", 10, 1);   // its short name X~1.WMZ matches "*.wmz"
    Make(L"b.wmz", 20, 1);
    Start();
    ExpectColumn(0, {L"Folder.wmz", L"b.wmz"});
    ExpectColumn(1, {L"", L"20"});
}

TEST_F(FennickWindow, SecondStartBringsTheFirstWindowForward)
{
    Start();
    ShowWindow(main_.hwnd(), SW_HIDE);
    kit::App second(L"Fennick.exe");
    EXPECT_EQ(0u, second.WaitExit());
    EXPECT_TRUE(kit::WaitUntil([&] { return main_.Visible() && GetForegroundWindow() == main_.hwnd(); }));
}
