// UI tests of Ferncastle's preview pane, its thumbnails and the package check.
#include "kit.h"
#include "zip_reader.h"
#include "explorer/resource.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstring>
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
    std::wstring PaneText() const { return main_.Item(kPane).Item(kPaneText).Text(); }

    // A skin folder of these files, in the scratch folder, packed into the skins folder.
    void PackFiles(const std::wstring& package, const std::vector<std::pair<std::wstring, std::string>>& files) const
    {
        const std::wstring folder = kit::ScratchDir() + L"\\" + package.substr(0, package.find(L'.'));
        CreateDirectoryW(folder.c_str(), nullptr);
        for (const auto& file : files) kit::WriteBytes(folder + L"\\" + file.first, file.second);
        Pack(folder, package);
    }

    void ShowsThePictureAndKeepsItsState();
    void SaysWhyAPackageCannotBeRead();
    void CheckListsAMissingFile();
    void HostilePackagesNeitherStopNorHoldIt();

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
    EXPECT_SOON_EQ(Japanese() ? L"タイトル: クラシック\r\n作者: 岡田\r\nサイズ: " + size + L" バイト\r\nエントリ数: 11"
                              : L"Title: クラシック\r\nAuthor: 岡田\r\nSize: " + size + L" bytes\r\nEntries: 11",
                   PaneText());
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
    EXPECT_SOON_EQ(ZipReadErrorText(ZipReadNotZip, Japanese()), PaneText());

    // In the large-icon view the packages that show a picture get one of their own.
    main_.SendCommand(kViewIcon);
    const auto names = list_.ListColumn(0);
    const int aurora = static_cast<int>(std::find(names.begin(), names.end(), L"Aurora.wmz") - names.begin());
    const int broken = static_cast<int>(std::find(names.begin(), names.end(), L"Broken.wmz") - names.begin());
    EXPECT_TRUE(kit::WaitUntil([&] { return list_.ListItemImage(aurora) > 1; }));
    EXPECT_SOON_EQ(0, list_.ListItemImage(broken));
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
    const std::wstring message = Japanese() ? L"ファイル \"close.bmp\" がパッケージにありません。"
                                            : L"The file \"close.bmp\" is not in the package.";
    std::vector<std::wstring> messages;
    kit::WaitUntil([&] {
        messages = check.Item(kFindings).ListColumn(3);
        return std::find(messages.begin(), messages.end(), message) != messages.end();
    });
    const auto missing = std::find(messages.begin(), messages.end(), message);
    ASSERT_NE(messages.end(), missing);
    const int row = static_cast<int>(missing - messages.begin());
    EXPECT_SOON_EQ(L"24", check.Item(kFindings).ListItemText(row, 1));
    EXPECT_SOON_EQ(Japanese() ? L"エラー" : L"Error", check.Item(kFindings).ListItemText(row, 2));
    kit::Screenshot(Japanese() ? L"fennick-check-ja" : L"fennick-check-en");
    check.Item(IDCANCEL).Click();
    app_->WaitGone(L"#32770", caption);
}

// A 1-bit bitmap of one colour: megabytes on disk, a few kilobytes packed, 256 MB decoded.
std::string BlankBitmap(uint32_t width, uint32_t height)
{
    const uint32_t stride = (width + 31) / 32 * 4, size = 62 + stride * height;
    const uint32_t header[] = {size, 0, 62, 40, width, height, 1 | 1 << 16, 0, stride * height, 0, 0, 2, 2};
    std::string bytes(size, '\0');
    bytes[0] = 'B', bytes[1] = 'M';
    memcpy(&bytes[2], header, sizeof(header));
    memcpy(&bytes[54], "\x44\x88\xCC\0\xFF\xFF\xFF\0", 8);
    return bytes;
}

std::string Repeated(const std::string& piece, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

// Packages that once ended Ferncastle or held it, beside good ones in the large-icon view with
// the pane: each is previewed or says which limit it met, and the window closes at once.
void FennickPreviewTest::HostilePackagesNeitherStopNorHoldIt()
{
    std::string fonts = "<THEME><VIEW>", spellings = "<THEME><VIEW width=\"90\" height=\"60\">";
    for (int i = 0; i < 20000; ++i)
        fonts += "<TEXT top=\"" + std::to_string(i % 50) + "\" fontFace=\"F" + std::to_string(i) + "\" value=\"x\"/>";
    for (int i = 0; i < 3000; ++i) spellings += "<BUTTON image=\"" + Repeated(i % 2 ? "./" : ".\\", i % 300) + "big.bmp\"/>";
    PackFiles(L"Attributes.wmz", {{L"a.wms", "<THEME><VIEW width=\"50\" height=\"50\"" + Repeated(" a=\"\"", 300000) + "/></THEME>"}});
    PackFiles(L"Oversized.wmz", {{L"a.wms", "<THEME><VIEW/>" + std::string(4200000, ' ') + "</THEME>"}});
    PackFiles(L"Spellings.wmz", {{L"a.wms", spellings + "</VIEW></THEME>"}, {L"big.bmp", BlankBitmap(16384, 4096)}});
    PackFiles(L"Fonts.wmz", {{L"a.wms", fonts + "</VIEW></THEME>"}});
    PackFiles(L"Unclosed.wmz", {{L"a.wms", "<THEME><VIEW width=\"9\" height=\"9\">" + Repeated("<SUBVIEW>", 100000)}});
    Pack(L"classic", L"Classic.wmz");
    Pack(L"mixed", L"Aurora.wmz");
    const struct {
        const wchar_t* package;
        const wchar_t* japanese;
        const wchar_t* english;
    } cases[] = {
        {L"Classic.wmz", L"タイトル: クラシック\r\n", L"Title: クラシック\r\n"},
        {L"Attributes.wmz", L"属性が多すぎるため一部を省きました\r\n", L"Too many attributes: some were left out\r\n"},
        {L"Oversized.wmz", L"スキン定義が大きすぎるため表示しません", L"The skin definition is too large to show"},
        {L"Spellings.wmz", L"タイトル: \r\n", L"Title: \r\n"},
        {L"Fonts.wmz", L"要素が多すぎるため一部を省きました\r\n", L"Too many elements: some were left out\r\n"},
        {L"Unclosed.wmz", L"入れ子が深すぎるため一部を省きました\r\n", L"Nested too deep: some elements were left out\r\n"},
        {L"Aurora.wmz", L"タイトル: オーロラ\r\n", L"Title: オーロラ\r\n"},
    };
    Start();
    main_.SendCommand(kPreview);
    main_.SendCommand(kViewIcon);
    for (const auto& c : cases) {
        SCOPED_TRACE(kit::Utf8(c.package));
        Select(c.package);
        const std::wstring first = Japanese() ? c.japanese : c.english;
        std::wstring text;
        EXPECT_TRUE(kit::WaitUntil([&] { return (text = main_.Item(kPane).Item(kPaneText).Text()).find(first) == 0; }))
            << kit::Utf8(text);
    }
    const auto names = list_.ListColumn(0);
    for (const wchar_t* good : {L"Classic.wmz", L"Aurora.wmz"}) {
        const int item = static_cast<int>(std::find(names.begin(), names.end(), good) - names.begin());
        EXPECT_TRUE(kit::WaitUntil([&] { return list_.ListItemImage(item) > 1; })) << kit::Utf8(good);
    }
    kit::Screenshot(Japanese() ? L"fennick-hostile-ja" : L"fennick-hostile-en", main_.hwnd());

    // Closed while the pane decodes a picture of 64 megapixels and the thumbnails are asked again.
    Select(L"Spellings.wmz");
    main_.SendCommand(kViewIcon);
    const auto asked = std::chrono::steady_clock::now();
    main_.Close();
    ASSERT_TRUE(kit::WaitUntil([&] { return !main_.Exists(); }, kit::Ms(5000)));
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(1000));
    EXPECT_EQ(0u, app_->WaitExit());
}

}  // namespace

TEST_F(FennickPreviewTest, ShowsThePictureAndKeepsItsState) { ShowsThePictureAndKeepsItsState(); }
TEST_F(FennickPreviewTest, SaysWhyAPackageCannotBeRead) { SaysWhyAPackageCannotBeRead(); }
TEST_F(FennickPreviewTest, CheckListsAMissingFile) { CheckListsAMissingFile(); }
TEST_F(FennickPreviewTest, HostilePackagesNeitherStopNorHoldIt) { HostilePackagesNeitherStopNorHoldIt(); }

class EnglishFennickPreviewTest : public FennickPreviewTest {};
TEST_F(EnglishFennickPreviewTest, ShowsThePictureAndKeepsItsState) { ShowsThePictureAndKeepsItsState(); }
TEST_F(EnglishFennickPreviewTest, SaysWhyAPackageCannotBeRead) { SaysWhyAPackageCannotBeRead(); }
TEST_F(EnglishFennickPreviewTest, CheckListsAMissingFile) { CheckListsAMissingFile(); }
TEST_F(EnglishFennickPreviewTest, HostilePackagesNeitherStopNorHoldIt) { HostilePackagesNeitherStopNorHoldIt(); }
