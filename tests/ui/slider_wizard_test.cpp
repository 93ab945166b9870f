// The modeless slider wizard with its three sub-dialogs, driven in the real editor.
#include "wizard_test.h"

#include <string>
#include <vector>

namespace {

const wchar_t kSlider[] = L"スライダー タグの挿入";
const wchar_t kImages[] = L"イメージ ファイルの指定";
const wchar_t kHandlers[] = L"イベント ハンドラの定義";
const wchar_t kOptions[] = L"詳細オプション";
const wchar_t kWarningCaption[] = L"Quillmere 警告";
const wchar_t kQuestion[] = L"入力した情報を使用してスライダー タグを挿入します。\nよろしいですか？";
const wchar_t kNoBounds[] =
    L"座標 (X/Y)、サイズ (Width/Height) に入力不備があります。\n座標およびサイズ項目はすべて入力してください。";
const wchar_t kNoImages[] =
    L"スライダー コントロールで使われる背景イメージとつまみイメージが指定されていません。\n"
    L"上記の背景イメージとつまみイメージ画像データは最低でも必要です。\n\n"
    L"なお、画像ファイルを指定するには [OK] ボタンを押したあと、[イメージ ファイル] ボタンを押してください。";
const wchar_t kNoHandlers[] =
    L"イベント ハンドラが 1 つも設定されていません。イベント ハンドラの設定は必須ではありませんが、"
    L"定義しないと役割によっては正常に機能せず、あとで手動入力によるコード修正が必要になる場合があります。\n\n"
    L"なお、イベント ハンドラを設定する場合は [いいえ] ボタンを押して一旦処理を中止したあと、"
    L"[イベント ハンドラ] ボタンを押すことで定義することができます。\n\n"
    L"続行してもよろしいですか？";

enum {
    kStandard = IDC_SLIDER_STANDARD, kPredefined = IDC_SLIDER_PREDEFINED, kKind = IDC_SLIDER_KIND,
    kId = IDC_SLIDER_ID, kLeft = IDC_SLIDER_LEFT, kTop = IDC_SLIDER_TOP, kWidth = IDC_SLIDER_WIDTH,
    kHeight = IDC_SLIDER_HEIGHT, kBorder = IDC_SLIDER_BORDER, kFirstColor = IDC_SLIDER_COLOR_FIRST,
    kMin = IDC_SLIDER_MIN, kMax = IDC_SLIDER_MAX, kImagesButton = IDC_SLIDER_IMAGES_BUTTON,
    kHandlersButton = IDC_SLIDER_HANDLERS_BUTTON, kValue = IDC_SLIDER_VALUE, kToolTip = IDC_SLIDER_TOOLTIP,
    kOptionsButton = IDC_SLIDER_OPTIONS_BUTTON, kTabs = IDC_WIZARD_TABS, kMinLabel = IDC_SLIDER_MIN_LABEL,
    kMaxLabel = IDC_SLIDER_MAX_LABEL, kValueLabel = IDC_SLIDER_VALUE_LABEL, kToolTipLabel = IDC_SLIDER_TOOLTIP_LABEL,
    // sub-dialogs
    kBackgroundImage = IDC_SLIDER_IMAGE_FIRST, kThumbImage = IDC_SLIDER_IMAGE_FIRST + 2 * 5,
    kFirstHandler = IDC_SLIDER_HANDLER_FIRST, kVertical = IDC_SLIDER_VERTICAL, kTiled = IDC_SLIDER_TILED,
    kProgress = IDC_SLIDER_PROGRESS,
};

class SliderWizard : public WizardUiTest {
protected:
    kit::Dialog Open() const { return OpenWizard(151, kSlider); }

    // Shows a sub-dialog by its button; the slider underneath is disabled meanwhile.
    kit::Dialog OpenSub(const kit::Dialog& slider, int button, const wchar_t* title) const
    {
        slider.Item(button).Click();
        kit::Dialog sub = app_->WaitDialog(title);
        EXPECT_SOON_FALSE(slider.Enabled()) << "the slider waits for its sub-dialog";
        return sub;
    }
    // Closed by a key or button; hidden, not destroyed, and the slider works again.
    void CloseSub(const kit::Dialog& slider, const kit::Dialog& sub, const wchar_t* title, bool byEscape) const
    {
        if (byEscape) sub.Item(GetDlgCtrlID(Focus(sub))).PostKey(VK_ESCAPE);
        else sub.Item(IDOK).Click();
        app_->WaitGone(L"#32770", title);
        EXPECT_TRUE(sub.Exists()) << "kept with its values";
        EXPECT_TRUE(kit::WaitUntil([&] { return slider.Enabled(); }));
    }
    void SetImages(const kit::Dialog& slider, const std::wstring& background, const std::wstring& thumb,
                   bool byEscape = false) const
    {
        kit::Dialog images = OpenSub(slider, kImagesButton, kImages);
        images.Item(kBackgroundImage).SetText(background);
        images.Item(kThumbImage).SetText(thumb);
        CloseSub(slider, images, kImages, byEscape);
    }
    void SetBounds(const kit::Dialog& slider) const
    {
        slider.Item(kLeft).SetText(L"10");
        slider.Item(kTop).SetText(L"20");
        slider.Item(kWidth).SetText(L"100");
        slider.Item(kHeight).SetText(L"12");
    }
    kit::Dialog PressOkAndWarn(const kit::Dialog& slider) const
    {
        Accept(slider, kQuestion);
        kit::Dialog warning = app_->WaitDialog(kWarningCaption);
        EXPECT_EQ(kNoHandlers, warning.Message());
        EXPECT_EQ(kit::Icon::Warning, warning.IconKind()) << kit::IconName(warning.IconKind());
        EXPECT_EQ((std::vector<int>{IDYES, IDNO}), warning.Buttons());
        EXPECT_EQ(IDNO, warning.DefaultButton());
        return warning;
    }
    void ExpectEnded(const wchar_t* document) const
    {
        ExpectInserted(kSlider, document);
        EXPECT_TRUE(kit::WaitUntil([&] { return main_.Enabled(); })) << "the editor is usable again";
    }
    // A fresh wizard, its sub-dialogs included, as at the first opening.
    void ExpectDefaults(const wchar_t* document) const
    {
        kit::Dialog slider = Open();
        EXPECT_SOON_FALSE(main_.Enabled()) << "the editor waits while the wizard is open";
        EXPECT_TRUE(slider.Item(kStandard).Checked());
        EXPECT_FALSE(slider.Item(kKind).Enabled());
        EXPECT_EQ(L"シーク スライダー", slider.Item(kKind).Text());
        EXPECT_EQ((std::vector<std::wstring>{L"シーク スライダー", L"ボリューム スライダー", L"バランス スライダー"}),
                  slider.Item(kKind).ComboTexts());
        EXPECT_EQ(L"2", slider.Item(kTabs).Text());
        for (int id : {kId, kLeft, kTop, kWidth, kHeight, kBorder, kMin, kMax, kValue, kToolTip})
            EXPECT_EQ(L"", slider.Item(id).Text()) << "field " << id;
        EXPECT_TRUE(slider.Item(kHandlersButton).Enabled());
        kit::Dialog images = OpenSub(slider, kImagesButton, kImages);
        for (int id = kBackgroundImage; id <= kBackgroundImage + 16; id += 2)
            EXPECT_EQ(L"", images.Item(id).Text()) << "image " << id;
        CloseSub(slider, images, kImages, false);
        kit::Dialog handlers = OpenSub(slider, kHandlersButton, kHandlers);
        for (int id = kFirstHandler; id < kFirstHandler + 4; ++id)
            EXPECT_EQ(L"", handlers.Item(id).Text()) << "handler " << id;
        CloseSub(slider, handlers, kHandlers, false);
        kit::Dialog options = OpenSub(slider, kOptionsButton, kOptions);
        for (int id : {kVertical, kTiled, kProgress}) EXPECT_FALSE(options.Item(id).Checked()) << "option " << id;
        EXPECT_TRUE(options.Item(kProgress).Enabled());
        CloseSub(slider, options, kOptions, false);
        slider.Item(IDCANCEL).Click();
        ExpectEnded(document);
    }
};

TEST_F(SliderWizard, NoHandlerWarningKeepsEverythingOnNoAndInsertsOnYes)
{
    Start();
    SetDocument(L"<view>\r\n</view>", 8);
    kit::Dialog slider = Open();
    SetBounds(slider);
    slider.Item(kId).SetText(L"seek");
    slider.Item(kMin).SetText(L"0");
    slider.Item(kFirstColor).SetText(L"#000000");
    SetImages(slider, L"back.bmp", L"thumb.bmp");
    kit::Dialog options = OpenSub(slider, kOptionsButton, kOptions);
    options.Item(kTiled).SetChecked(true);
    CloseSub(slider, options, kOptions, false);

    PressOkAndWarn(slider).Answer(IDNO);
    ExpectUntouched(L"<view>\r\n</view>");
    EXPECT_TRUE(slider.Visible());
    EXPECT_FALSE(main_.Enabled());
    EXPECT_EQ(L"seek", slider.Item(kId).Text());
    EXPECT_EQ(L"12", slider.Item(kHeight).Text());
    EXPECT_EQ(L"0", slider.Item(kMin).Text());
    EXPECT_EQ(L"#000000", slider.Item(kFirstColor).Text());
    kit::Dialog images = OpenSub(slider, kImagesButton, kImages);
    EXPECT_EQ(L"back.bmp", images.Item(kBackgroundImage).Text());
    EXPECT_EQ(L"thumb.bmp", images.Item(kThumbImage).Text());
    CloseSub(slider, images, kImages, false);
    EXPECT_TRUE(options.Item(kTiled).Checked());

    PressOkAndWarn(slider).Answer(IDYES);
    ExpectInserted(kSlider, L"<view>\r\n",
                   L"\t\t<slider id=\"seek\" left=\"10\" top=\"20\" width=\"100\" height=\"12\""
                   L" backgroundColor=\"#000000\" backgroundImage=\"back.bmp\" thumbImage=\"thumb.bmp\""
                   L" min=\"0\" tiled=\"True\"/>\r\n",
                   L"</view>");
    EXPECT_TRUE(kit::WaitUntil([&] { return main_.Enabled(); }));
}

TEST_F(SliderWizard, ImagesTypedAndClosedWithEscapeAreUsedAndHandlersSilenceTheWarning)
{
    Start();
    SetDocument(L"", 0);
    kit::Dialog slider = Open();
    SetBounds(slider);
    slider.Item(kTabs).SetText(L"0");
    SetImages(slider, L"b.png", L"t.png", true);
    kit::Dialog handlers = OpenSub(slider, kHandlersButton, kHandlers);
    handlers.Item(kFirstHandler + 3).SetText(L"go();");
    CloseSub(slider, handlers, kHandlers, true);
    Accept(slider, kQuestion);
    ExpectEnded(L"<slider left=\"10\" top=\"20\" width=\"100\" height=\"12\" backgroundImage=\"b.png\""
                L" thumbImage=\"t.png\" value_onChange=\"go();\"/>\r\n");
}

TEST_F(SliderWizard, CoordinatesAreCheckedBeforeImages)
{
    Start();
    SetDocument(L"x", 1);
    kit::Dialog slider = Open();
    slider.Item(kLeft).SetText(L"1");
    slider.Item(kTop).SetText(L"2");
    slider.Item(kWidth).SetText(L"3");
    ExpectRefusal(slider, kNoBounds, kQuestion);
    slider.Item(kHeight).SetText(L"4");
    SetImages(slider, L"b.bmp", L"");
    ExpectRefusal(slider, kNoImages, kQuestion);
    SetImages(slider, L"", L"t.bmp");
    ExpectRefusal(slider, kNoImages, kQuestion);
    slider.Item(kTabs).SetText(L"101");
    SetImages(slider, L"b.bmp", L"t.bmp");
    ExpectRefusal(slider, kTooDeep, kQuestion);
    ExpectUntouched(L"x");
    EXPECT_FALSE(main_.Enabled()) << "a refusal leaves the wizard open";
}

TEST_F(SliderWizard, Windows98GuardLeavesTheWizardAndItsValues)
{
    kit::SetWindowsVersion(L"Quillpad.exe", L"win98");
    Start();
    SetDocument(std::wstring(65500, L'x'), 0);
    kit::Dialog slider = Open();
    slider.Item(kPredefined).SetChecked(true);
    SetBounds(slider);
    SetImages(slider, L"b.bmp", L"t.bmp");
    ExpectRefusal(slider, L"挿入により 64 KB を超えることが判明したため、処理を中断します。", kQuestion);
    EXPECT_EQ(65500, Edit().Send(WM_GETTEXTLENGTH));
    EXPECT_FALSE(main_.Enabled());
    kit::Dialog images = OpenSub(slider, kImagesButton, kImages);
    EXPECT_EQ(L"t.bmp", images.Item(kThumbImage).Text());
    CloseSub(slider, images, kImages, false);
}

TEST_F(SliderWizard, PredefinedSliderSkipsStandardRowsAndWarning)
{
    Start();
    SetDocument(L"", 0);
    kit::Dialog slider = Open();
    slider.Item(kMin).SetText(L"0");
    slider.Item(kValue).SetText(L"5");
    kit::Dialog options = OpenSub(slider, kOptionsButton, kOptions);
    options.Item(kProgress).SetChecked(true);
    options.Item(kVertical).SetChecked(true);
    CloseSub(slider, options, kOptions, false);

    slider.Item(kPredefined).SetChecked(true);
    EXPECT_TRUE(kit::WaitUntil([&] { return slider.Item(kKind).Enabled(); }));
    ExpectEnabled(slider, {kMinLabel, kMaxLabel, kValueLabel, kToolTipLabel, kMin, kMax, kValue, kToolTip,
                           kHandlersButton}, false);
    EXPECT_SOON_FALSE(options.Item(kProgress).Enabled()) << "progress tracking is for the standard slider";
    EXPECT_TRUE(options.Item(kProgress).Checked()) << "a disabled box keeps its state";
    slider.Item(kKind).Send(CB_SETCURSEL, 1);
    SetBounds(slider);
    SetImages(slider, L"b.bmp", L"t.bmp");
    Accept(slider, kQuestion);   // no warning: a predefined slider has its own handlers
    ExpectEnded(L"\t\t<VolumeSlider left=\"10\" top=\"20\" width=\"100\" height=\"12\" backgroundImage=\"b.bmp\""
                L" thumbImage=\"t.bmp\" direction=\"Vertical\"/>\r\n");
}

TEST_F(SliderWizard, CancelEndsEverythingAndTheNextOpeningStartsFromDefaults)
{
    Start();
    SetDocument(L"abc", 1);
    kit::Dialog slider = Open();
    EXPECT_SOON_FALSE(main_.Enabled());
    ExpectLimits(slider, {{kId, 64}, {kLeft, 3}, {kTop, 3}, {kWidth, 3}, {kHeight, 3}, {kBorder, 2},
                          {kMin, 256}, {kMax, 256}, {kValue, 256}, {kToolTip, 1024}, {kTabs, 3}});
    for (int i = 0; i < 6; ++i) ExpectLimit(slider, kFirstColor + 2 * i, 8);
    for (int id : {kLeft, kTop, kWidth, kHeight, kBorder, kTabs}) ExpectDigitsOnly(slider, id);
    kit::Dialog handlers = OpenSub(slider, kHandlersButton, kHandlers);
    for (int id = kFirstHandler; id < kFirstHandler + 4; ++id) ExpectLimit(handlers, id, 256);
    handlers.Item(kFirstHandler).SetText(L"begin();");
    CloseSub(slider, handlers, kHandlers, false);
    slider.Item(kPredefined).SetChecked(true);
    slider.Item(kId).SetText(L"gone");
    kit::Dialog images = OpenSub(slider, kImagesButton, kImages);
    for (int id = kBackgroundImage; id <= kBackgroundImage + 16; id += 2) ExpectLimit(images, id, 256);
    images.Item(kThumbImage).SetText(L"t.bmp");
    CloseSub(slider, images, kImages, false);
    kit::Dialog options = OpenSub(slider, kOptionsButton, kOptions);
    options.Item(kVertical).SetChecked(true);
    CloseSub(slider, options, kOptions, false);

    slider.Item(IDCANCEL).Click();
    ExpectEnded(L"abc");
    EXPECT_FALSE(Modified());
    EXPECT_SOON_FALSE(images.Exists()) << "the sub-dialogs end with the wizard";
    EXPECT_SOON_FALSE(options.Exists());
    ExpectDefaults(L"abc");
}

TEST_F(SliderWizard, EscapeAndTheCloseBoxCancelToo)
{
    Start();
    kit::Dialog slider = Open();
    slider.Item(kId).PostKey(VK_ESCAPE);
    ExpectEnded(L"");
    slider = Open();
    slider.Close();
    ExpectEnded(L"");
}

TEST_F(SliderWizard, TabMovesThroughTheControlsOfTheSliderAndItsSubDialogs)
{
    Start();
    kit::Dialog slider = Open();
    EXPECT_TRUE(kit::WaitUntil([&] { return Focus(slider) == slider.Item(kStandard).hwnd(); }))
        << "the first control has the focus";
    // The predefined list is disabled and skipped.
    const std::vector<int> order = {kId, kLeft, kTop, kWidth, kHeight, kBorder};
    for (int id : order) {
        kit::Window(Focus(slider)).PostKey(VK_TAB);
        EXPECT_TRUE(kit::WaitUntil([&] { return Focus(slider) == slider.Item(id).hwnd(); })) << "to " << id;
    }
    kit::Dialog images = OpenSub(slider, kImagesButton, kImages);
    EXPECT_TRUE(kit::WaitUntil([&] { return Focus(images) == images.Item(kBackgroundImage).hwnd(); }));
    kit::Window(Focus(images)).PostKey(VK_TAB);
    EXPECT_TRUE(kit::WaitUntil([&] { return Focus(images) == images.Item(kBackgroundImage + 1).hwnd(); }));
    CloseSub(slider, images, kImages, true);
    EXPECT_TRUE(kit::WaitUntil([&] { return Focus(slider) == slider.Item(kImagesButton).hwnd(); }))
        << "back on the button that opened it";
}

TEST_F(SliderWizard, EveryDialogHasItsHelp)
{
    Start();
    kit::Dialog slider = Open();
    EXPECT_EQ(0u, HelpText(slider).find(L"スライダー")) << "the slider's own help";
    for (auto sub : {std::make_pair(kImagesButton, kImages), std::make_pair(kHandlersButton, kHandlers),
                     std::make_pair(kOptionsButton, kOptions)}) {
        kit::Dialog dialog = OpenSub(slider, sub.first, sub.second);
        kit::Dialog help = OpenHelp(dialog);
        EXPECT_EQ(dialog.hwnd(), GetWindow(help.hwnd(), GW_OWNER)) << "over the sub-dialog";
        EXPECT_NE(std::wstring::npos, help.Item(kHelpText).Text().find(L"・")) << sub.second;
        help.Answer(IDOK);
        EXPECT_TRUE(dialog.Visible());
        CloseSub(slider, dialog, sub.second, false);
    }
}

TEST_F(SliderWizard, OpensFromTheInsertPopupOfTheToolbar)
{
    Start();
    main_.PostCommand(32794);
    kit::Window popup;
    ASSERT_TRUE(kit::WaitUntil([&] {
        popup = app_->Find(L"#32768");
        return static_cast<bool>(popup);
    })) << "no popup menu";
    popup.PostKey(VK_UP);   // from the top round to the last item, the slider
    popup.PostKey(VK_RETURN);
    kit::Dialog slider = app_->WaitDialog(kSlider);
    EXPECT_SOON_FALSE(main_.Enabled());
    slider.Item(IDCANCEL).Click();
    ExpectEnded(L"");
}

TEST_F(SliderWizard, Screenshots)
{
    Start();
    kit::Dialog slider = Open();
    Shot(L"slider_wizard", slider);
    for (auto sub : {std::make_pair(kImagesButton, kImages), std::make_pair(kHandlersButton, kHandlers),
                     std::make_pair(kOptionsButton, kOptions)}) {
        kit::Dialog dialog = OpenSub(slider, sub.first, sub.second);
        Shot(sub.second, dialog);
        CloseSub(slider, dialog, sub.second, false);
    }
}

}  // namespace
