// UI tests of the skin preview: the picture of a real skin, its status line, a click that selects
// a tag, redrawing after an edit, the PNG copy and a broken definition.
#include "document_test.h"

#include <cstdlib>
#include <string>

namespace {

enum {
    kPreview = IDM_TOOLS_SKIN_PREVIEW, kSaveImage = IDC_PREVIEW_SAVE, kPicture = IDC_PREVIEW_PICTURE,
    kStatusLine = IDC_PREVIEW_STATUS, kPlayerState = IDC_PREVIEW_STATE,
};
const wchar_t kCaption[] = L"スキンのプレビュー";

class SkinPreviewTest : public DocumentTest {
protected:
    // The classic test skin, copied where edits and saved images may go.
    std::wstring CopyClassicSkin()
    {
        std::wstring from = std::wstring(_wgetenv(L"QLM_TEST_DATA")) + L"\\skins\\classic\\";
        std::wstring to = Scratch(L"classic");
        CreateDirectoryW(to.c_str(), nullptr);
        for (const wchar_t* name : {L"classic.wms", L"back.bmp", L"close.bmp", L"down.bmp", L"hover.bmp", L"map.bmp",
                                    L"mute.bmp", L"mutedown.bmp", L"seekfill.bmp", L"thumb.bmp"})
            CopyFileW((from + name).c_str(), (to + L"\\" + name).c_str(), FALSE);
        return to + L"\\classic.wms";
    }

    Dialog OpenPreview()
    {
        EXPECT_TRUE(main_.Menu(kPreview).enabled);
        main_.PostCommand(kPreview);
        return app().WaitDialog(kCaption);
    }

    static bool PixelIs(const Window& picture, int x, int y, COLORREF colour)
    {
        return kit::WaitUntil([&] { return kit::ClientPixel(picture, x, y) == colour; });
    }
};

std::string PngPixel(const std::wstring& path, int x, int y)
{
    std::string at = std::to_string(x) + "," + std::to_string(y);
    std::string channel = "%[fx:int(255*p{" + at + "}.";
    return kit::UnixOutput("convert '" + kit::Utf8(kit::UnixPath(path)) + "' -format '" + channel + "r)]," + channel +
                           "g)]," + channel + "b)]," + channel + "a)]' info:");
}

}  // namespace

TEST_F(SkinPreviewTest, ShowsTheViewNamesElementsAndSelectsTheirTags)
{
    Start(L"\"" + CopyClassicSkin() + L"\"", L"Quillmere - classic.wms");
    Dialog preview = OpenPreview();
    Window picture = preview.Item(kPicture);
    EXPECT_TRUE(PixelIs(picture, 5, 5, RGB(82, 101, 145))) << "the background image, at 100 %";
    EXPECT_TRUE(PixelIs(picture, 0, 0, RGB(255, 255, 255))) << "the clipping colour shows the checkerboard";
    EXPECT_EQ(L"", preview.Item(kStatusLine).StatusText(1));

    // Over a button of the BUTTONGROUP: its name, its hover image, and a click selects its tag.
    // The pointer may rest on the button from an earlier run: it leaves first.
    kit::MoveMouseTo(preview, 0, 0);
    EXPECT_TRUE(PixelIs(picture, 60, 75, RGB(150, 156, 176))) << "the background, no hover image";
    kit::MoveMouseTo(picture, 60, 75);
    Window status = preview.Item(kStatusLine);
    EXPECT_TRUE(kit::WaitUntil([&] { return status.StatusText(0) == L"PAUSEELEMENT 40 × 30 (BUTTONGROUP id=transport)"; }))
        << kit::Utf8(status.StatusText(0));
    EXPECT_TRUE(PixelIs(picture, 60, 75, RGB(210, 216, 236))) << "the hover image";
    picture.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 75));
    std::wstring text = Edit().Text();
    size_t tag = text.find(L"<PAUSEELEMENT");
    EXPECT_SOON_EQ(tag, static_cast<size_t>(LOWORD(Edit().Send(EM_GETSEL))));
    EXPECT_SOON_EQ(text.find(L'>', tag) + 1, static_cast<size_t>(HIWORD(Edit().Send(EM_GETSEL))));
    kit::Screenshot(L"editor-preview");
}

TEST_F(SkinPreviewTest, AnEditIsRedrawnAndSavedAsAPng)
{
    Start(L"\"" + CopyClassicSkin() + L"\"", L"Quillmere - classic.wms");
    Dialog preview = OpenPreview();
    Window picture = preview.Item(kPicture);
    ASSERT_TRUE(PixelIs(picture, 0, 0, RGB(255, 255, 255)));
    std::wstring text = Edit().Text();
    text.replace(text.find(L"#FF00FF"), 7, L"#000001");
    Edit().SetText(text);
    EXPECT_TRUE(PixelIs(picture, 0, 0, RGB(255, 0, 255))) << "no longer the clipping colour";

    const std::wstring png = Scratch(L"classic\\shot.png");
    preview.Item(kSaveImage).Click();
    kit::ChooseInFileDialog(app().WaitDialog(kSaveAsCaption), png);
    app().WaitGone(L"#32770", kSaveAsCaption);
    ASSERT_TRUE(kit::WaitUntil([&] { return kit::FileBytes(png).has_value(); }));
    EXPECT_EQ("255,0,255,255", PngPixel(png, 0, 0));
    EXPECT_EQ("82,101,145,255", PngPixel(png, 5, 5));
}

TEST_F(SkinPreviewTest, ThePlayersStateShowsPlayOrPauseAndIsKeptForTheNextStart)
{
    const std::wstring skin =
        L"<theme><view width=\"60\" height=\"40\">"
        L"<subview width=\"60\" height=\"40\" backgroundColor=\"#00FF00\" visible=\"wmpdisabled:player.controls.pause\"/>"
        L"<subview width=\"60\" height=\"40\" backgroundColor=\"#0000FF\" visible=\"wmpenabled:player.controls.pause\"/>"
        L"</view></theme>";
    Start();
    Edit().SetText(skin);
    Dialog preview = OpenPreview();
    Window state = preview.Item(kPlayerState);
    EXPECT_EQ((std::vector<std::wstring>{L"再生中", L"一時停止中", L"停止中"}), state.ComboTexts());
    EXPECT_TRUE(PixelIs(preview.Item(kPicture), 10, 10, RGB(0, 0, 255))) << "playing: the pause button stands there";
    state.Send(CB_SETCURSEL, 1);
    preview.SendCommand(kPlayerState, CBN_SELCHANGE);
    EXPECT_TRUE(PixelIs(preview.Item(kPicture), 10, 10, RGB(0, 255, 0))) << "paused: the play button";
    EXPECT_EQ(2u, kit::RegDword(kSettings, L"PreviewPlayerState"));

    Start();
    Edit().SetText(skin);
    preview = OpenPreview();
    EXPECT_EQ(1, preview.Item(kPlayerState).Send(CB_GETCURSEL));
    EXPECT_TRUE(PixelIs(preview.Item(kPicture), 10, 10, RGB(0, 255, 0))) << "still paused after a new start";
}

TEST_F(SkinPreviewTest, ABrokenDefinitionSaysSoAndAnUnsavedOneIsDrawn)
{
    Start();
    Edit().SetText(L"<theme><view width=\"50\" height=\"40\" backgroundColor=\"#0000FF\"><subview></theme>");
    EXPECT_EQ(L"スキンのプレビュー(&V)\tCtrl+E", main_.Menu(kPreview).label);
    main_.SendKeys({VK_CONTROL, 'E'});
    Dialog preview = app().WaitDialog(kCaption);
    Window status = preview.Item(kStatusLine);
    EXPECT_TRUE(kit::WaitUntil([&] { return status.StatusText(1) == L"定義にエラーがあります (Ctrl+K でチェック)"; }))
        << kit::Utf8(status.StatusText(1));
    EXPECT_TRUE(PixelIs(preview.Item(kPicture), 10, 10, RGB(0, 0, 255))) << "what can be drawn is drawn";

    Drop(WriteFile(L"player.js", "var x;"));
    EXPECT_SOON_FALSE(main_.Menu(kPreview).enabled) << "a script, as for the skin check";
}

TEST_F(SkinPreviewTest, AnImageThatDoesNotFitOnTheDiskIsReportedAndTheEarlierFileKept)
{
    const std::wstring small = Scratch(L"small");
    if (!kit::MountSmallDisk(small, 8)) GTEST_SKIP() << "this machine does not allow a mount";
    const std::wstring png = small + L"\\shot.png";
    kit::WriteBytes(png, "earlier");
    Start(L"\"" + CopyClassicSkin() + L"\"", L"Quillmere - classic.wms");
    Edit().SetText(L"<theme><view width=\"2000\" height=\"2000\" backgroundImage=\"back.bmp\" backgroundTiled=\"true\"/></theme>");
    Dialog preview = OpenPreview();
    ASSERT_TRUE(PixelIs(preview.Item(kPicture), 0, 0, RGB(255, 0, 255)));
    preview.Item(kSaveImage).Click();
    kit::ChooseInFileDialog(app().WaitDialog(kSaveAsCaption), png);
    // Wine's own overwrite question comes first.
    Dialog overwrite;
    ASSERT_TRUE(kit::WaitUntil([&] {
        for (const Window& window : app().TopWindows())
            if (window.ClassName() == L"#32770" && window.HasItem(0xFFFF)) overwrite = Dialog(window.hwnd());
        return static_cast<bool>(overwrite);
    }));
    overwrite.Answer(IDYES);
    Dialog box = app().WaitDialog(L"Quillmere");
    EXPECT_EQ(0u, box.Message().find(L"画像を保存できませんでした。\n" + png + L"\n")) << kit::Utf8(box.Message());
    EXPECT_EQ(Icon::Error, box.IconKind());
    box.Answer(IDOK);
    EXPECT_EQ("earlier", kit::FileBytes(png));
    auto temporaryLeft = [&] {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((small + L"\\*.tmp").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) FindClose(search);
        return search != INVALID_HANDLE_VALUE;
    };
    EXPECT_SOON_FALSE(temporaryLeft()) << "no half-written file is left";
}
