// UI tests of Ferncastle's preview pane, its thumbnails and the package check.
#include "kit.h"
#include "zip_reader.h"
#include "explorer/resource.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

enum {
    kList = IDC_SKIN_LIST, kPane = IDC_PREVIEW_PANE, kPaneText = IDC_PREVIEW_TEXT, kViewIcon = IDM_VIEW_ICON,
    kPreview = IDM_PREVIEW, kCheck = IDM_CHECK_PACKAGE, kFindings = IDC_PACKAGE_CHECK_LIST,
};

class FennickPreviewTest : public kit::UiTest {
protected:
    void SetUp() override
    {
        kit::UiTest::SetUp();
        SHCreateDirectoryExW(nullptr, kit::SkinsDir().c_str(), nullptr);
    }
    bool Japanese() const { return GetACP() == 932; }
    std::wstring TestSkin(const std::wstring& skin) const
    {
        return std::wstring(_wgetenv(L"QLM_TEST_DATA")) + L"\\skins\\" + skin;
    }
    // A skin folder (a test skin by its name) packed into the skins folder by Zipwright.
    void Pack(const std::wstring& skin, const std::wstring& package) const
    {
        const std::wstring folder = skin.find(L'\\') == std::wstring::npos ? TestSkin(skin) : skin;
        kit::App zipwright(L"Zipwright.exe", L"\"" + folder + L"\" \"" + kit::SkinsDir() + L"\\" + package + L"\"");
        ASSERT_EQ(0u, zipwright.WaitExit());
    }
    void Start()
    {
        app_.emplace(L"Fennick.exe");
        main_ = app_->WaitWindow(L"Fennick", L"Ferncastle");
        list_ = main_.Item(kList);
    }
    void Restart()
    {
        main_.Close();
        app_->WaitExit();
        Start();
    }
    void Select(const std::wstring& name) const
    {
        const auto names = list_.ListColumn(0);
        const auto found = std::find(names.begin(), names.end(), name);
        ASSERT_NE(names.end(), found) << kit::Utf8(name);
        list_.SelectListItems({static_cast<int>(found - names.begin())});
    }
    std::wstring PaneTextOnceSet() const
    {
        std::wstring text;
        kit::WaitUntil([&] { return !(text = main_.Item(kPane).Item(kPaneText).Text()).empty(); });
        return text;
    }

    void ShowsThePictureAndKeepsItsState();
    void SaysWhyAPackageCannotBeRead();
    void CheckListsAMissingFile();

    std::optional<kit::App> app_;
    kit::Window main_;
    kit::Window list_;
};

void FennickPreviewTest::ShowsThePictureAndKeepsItsState()
{
    Pack(L"classic", L"Classic.wmz");
    Start();
    EXPECT_FALSE(main_.Menu(kPreview).checked);
    EXPECT_FALSE(main_.Item(kPane).Visible());
    main_.SendCommand(kPreview);
    EXPECT_TRUE(main_.Menu(kPreview).checked);
    ASSERT_TRUE(main_.Item(kPane).Visible());
    Select(L"Classic.wmz");
    const std::wstring size = std::to_wstring(kit::FileBytes(kit::SkinsDir() + L"\\Classic.wmz")->size());
    EXPECT_EQ(Japanese() ? L"タイトル: クラシック\r\n作者: 岡田\r\nサイズ: " + size + L" バイト\r\nエントリ数: 11"
                         : L"Title: クラシック\r\nAuthor: 岡田\r\nSize: " + size + L" bytes\r\nEntries: 11",
              PaneTextOnceSet());
    // The view at 100 %, from the margin of the pane's picture: the background bitmap
    // below the subview.
    const int dpi = kit::ScreenDpi();
    const int left = MulDiv(14, dpi, 96) + 160, top = MulDiv(8, dpi, 96) + 110;
    COLORREF pixel = 0;
    kit::WaitUntil([&] { return (pixel = kit::ScreenPixel(main_.Item(kPane).hwnd(), left, top)) == RGB(0x22, 0x2B, 0x4C); });
    EXPECT_EQ(RGB(0x22, 0x2B, 0x4C), pixel);
    kit::Screenshot(Japanese() ? L"fennick-preview-ja" : L"fennick-preview-en", main_.hwnd());

    Restart();
    EXPECT_TRUE(main_.Menu(kPreview).checked);
    EXPECT_TRUE(main_.Item(kPane).Visible());
    main_.SendCommand(kPreview);
    Restart();
    EXPECT_FALSE(main_.Menu(kPreview).checked);
    EXPECT_FALSE(main_.Item(kPane).Visible());
}

void FennickPreviewTest::SaysWhyAPackageCannotBeRead()
{
    kit::WriteBytes(kit::SkinsDir() + L"\\Broken.wmz", "not a package");
    Pack(L"mixed", L"Aurora.wmz");
    Start();
    main_.SendCommand(kPreview);
    Select(L"Broken.wmz");
    EXPECT_EQ(ZipReadErrorText(ZipReadNotZip, Japanese()), PaneTextOnceSet());

    // In the large-icon view the packages that show a picture get one of their own.
    main_.SendCommand(kViewIcon);
    const auto names = list_.ListColumn(0);
    const int aurora = static_cast<int>(std::find(names.begin(), names.end(), L"Aurora.wmz") - names.begin());
    const int broken = static_cast<int>(std::find(names.begin(), names.end(), L"Broken.wmz") - names.begin());
    EXPECT_TRUE(kit::WaitUntil([&] { return list_.ListItemImage(aurora) > 1; }));
    EXPECT_EQ(0, list_.ListItemImage(broken));
    kit::Screenshot(Japanese() ? L"fennick-thumbnails-ja" : L"fennick-thumbnails-en", main_.hwnd());
}

void FennickPreviewTest::CheckListsAMissingFile()
{
    const std::wstring folder = kit::ScratchDir() + L"\\classic";
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* name : {L"classic.wms", L"classic.js", L"back.bmp", L"down.bmp", L"hover.bmp", L"map.bmp",
                                L"mute.bmp", L"mutedown.bmp", L"seekfill.bmp", L"thumb.bmp"})
        CopyFileW((TestSkin(L"classic") + L"\\" + name).c_str(), (folder + L"\\" + name).c_str(), FALSE);
    Pack(folder, L"NoClose.wmz");
    Start();
    Select(L"NoClose.wmz");
    main_.PostCommand(kCheck);
    const std::wstring caption = Japanese() ? L"パッケージのチェック" : L"Check package";
    kit::Dialog check = app_->WaitDialog(caption);
    const auto messages = check.Item(kFindings).ListColumn(3);
    const auto missing = std::find(messages.begin(), messages.end(),
                                   Japanese() ? L"ファイル \"close.bmp\" がパッケージにありません。"
                                              : L"The file \"close.bmp\" is not in the package.");
    ASSERT_NE(messages.end(), missing);
    const int row = static_cast<int>(missing - messages.begin());
    EXPECT_EQ(L"24", check.Item(kFindings).ListItemText(row, 1));
    EXPECT_EQ(Japanese() ? L"エラー" : L"Error", check.Item(kFindings).ListItemText(row, 2));
    kit::Screenshot(Japanese() ? L"fennick-check-ja" : L"fennick-check-en");
    check.Item(IDCANCEL).Click();
    app_->WaitGone(L"#32770", caption);
}

}  // namespace

TEST_F(FennickPreviewTest, ShowsThePictureAndKeepsItsState) { ShowsThePictureAndKeepsItsState(); }
TEST_F(FennickPreviewTest, SaysWhyAPackageCannotBeRead) { SaysWhyAPackageCannotBeRead(); }
TEST_F(FennickPreviewTest, CheckListsAMissingFile) { CheckListsAMissingFile(); }

class EnglishFennickPreviewTest : public FennickPreviewTest {};
TEST_F(EnglishFennickPreviewTest, ShowsThePictureAndKeepsItsState) { ShowsThePictureAndKeepsItsState(); }
TEST_F(EnglishFennickPreviewTest, SaysWhyAPackageCannotBeRead) { SaysWhyAPackageCannotBeRead(); }
TEST_F(EnglishFennickPreviewTest, CheckListsAMissingFile) { CheckListsAMissingFile(); }
