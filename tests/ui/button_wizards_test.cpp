// UI tests of the button group, button element and button wizards: defaults, limits, the
// enabling rules, the refusals in order and the text each one puts at the caret.
#include "wizard_test.h"

#include <iterator>
#include <string>
#include <vector>

namespace {

using kit::Dialog;
using kit::Window;

const wchar_t kGroupTitle[] = L"ボタングループ タグの挿入";
const wchar_t kElementTitle[] = L"ボタンエレメント タグの挿入";
const wchar_t kButtonTitle[] = L"ボタン タグの挿入";
const wchar_t kNoOnClick[] = L"OnClick イベント ハンドラが設定されていません。";

enum {
    kGroupCommand = IDM_INSERT_BUTTON_GROUP, kElementCommand = IDM_INSERT_BUTTON_ELEMENT,
    kButtonCommand = IDM_INSERT_BUTTON, kTabs = IDC_WIZARD_TABS,
    // Button group
    kGroupId = IDC_GROUP_ID, kGroupLeft = IDC_GROUP_LEFT, kGroupTop = IDC_GROUP_TOP, kGroupWidth = IDC_GROUP_WIDTH,
    kGroupHeight = IDC_GROUP_HEIGHT, kGroupImage = IDC_GROUP_IMAGE, kGroupMapping = IDC_GROUP_MAPPING,
    kGroupHover = IDC_GROUP_HOVER, kGroupDown = IDC_GROUP_DOWN, kGroupHoverDown = IDC_GROUP_HOVER_DOWN,
    kGroupDisabled = IDC_GROUP_DISABLED, kGroupColor = IDC_GROUP_TRANSPARENCY, kGroupRadio = IDC_GROUP_RADIO,
    kGroupShowBackground = IDC_GROUP_SHOW_BACKGROUND,
    // Button element
    kElementStandard = IDC_ELEMENT_STANDARD, kElementPlay = IDC_ELEMENT_PLAY, kElementNext = IDC_ELEMENT_NEXT,
    kElementColor = IDC_ELEMENT_MAPPING_COLOR, kElementUpTip = IDC_ELEMENT_UP_TOOLTIP,
    kElementOnClick = IDC_ELEMENT_ON_CLICK, kElementDisabled = IDC_ELEMENT_DISABLED,
    kElementSticky = IDC_ELEMENT_STICKY, kElementDownTip = IDC_ELEMENT_DOWN_TOOLTIP, kElementDown = IDC_ELEMENT_DOWN,
    kElementUpTipLabel = IDC_ELEMENT_UP_TOOLTIP_LABEL, kElementOnClickLabel = IDC_ELEMENT_ON_CLICK_LABEL,
    kElementDownTipLabel = IDC_ELEMENT_DOWN_TOOLTIP_LABEL,
    // Button
    kButtonStandard = IDC_BUTTON_STANDARD, kButtonPredefined = IDC_BUTTON_PREDEFINED, kButtonKind = IDC_BUTTON_KIND,
    kButtonId = IDC_BUTTON_ID, kButtonLeft = IDC_BUTTON_LEFT, kButtonTop = IDC_BUTTON_TOP,
    kButtonWidth = IDC_BUTTON_WIDTH, kButtonHeight = IDC_BUTTON_HEIGHT, kButtonImage = IDC_BUTTON_IMAGE,
    kButtonHoverDown = IDC_BUTTON_HOVER_DOWN, kButtonDisabledImage = IDC_BUTTON_DISABLED_IMAGE,
    kButtonOnClick = IDC_BUTTON_ON_CLICK, kButtonColor = IDC_BUTTON_TRANSPARENCY,
    kButtonUpTip = IDC_BUTTON_UP_TOOLTIP, kButtonDisabled = IDC_BUTTON_DISABLED, kButtonTiled = IDC_BUTTON_TILED,
    kButtonSticky = IDC_BUTTON_STICKY, kButtonDownTip = IDC_BUTTON_DOWN_TOOLTIP, kButtonDown = IDC_BUTTON_DOWN,
    kButtonClipping = IDC_BUTTON_CLIPPING, kButtonUpTipLabel = IDC_BUTTON_UP_TOOLTIP_LABEL,
    kButtonDownTipLabel = IDC_BUTTON_DOWN_TOOLTIP_LABEL,
};

class ButtonWizardTest : public WizardUiTest {};

const wchar_t kGroupQuestion[] = L"入力した情報を使用してボタングループ タグを挿入します。\nよろしいですか？";
const wchar_t kElementQuestion[] = L"入力した情報を使用してボタンエレメント タグを挿入します。\nよろしいですか？";
const wchar_t kButtonQuestion[] = L"入力した情報を使用してボタン タグを挿入します。\nよろしいですか？";

// The edits of the button dialog that only the standard button uses, with their labels.
const std::vector<int> kButtonStandardOnly = {kButtonOnClick, kButtonUpTipLabel, kButtonUpTip,
                                              kButtonDisabled, kButtonSticky};
const std::vector<int> kButtonStickyOnly = {kButtonDownTipLabel, kButtonDownTip, kButtonDown};
const std::vector<int> kElementStandardOnly = {kElementUpTipLabel, kElementOnClickLabel, kElementUpTip,
                                               kElementOnClick, kElementDisabled, kElementSticky};
const std::vector<int> kElementStickyOnly = {kElementDownTipLabel, kElementDownTip, kElementDown};

}  // namespace

TEST_F(ButtonWizardTest, GroupDefaultsLimitsRefusalAndEveryFieldInOrder)
{
    Start();
    SetDocument(L"<view></view>", 6);
    Dialog wizard = OpenWizard(kGroupCommand, kGroupTitle);
    Shot(L"button-group-wizard", wizard);
    EXPECT_EQ(L"2", wizard.Item(kTabs).Text());
    EXPECT_FALSE(wizard.Item(kGroupRadio).Checked());
    EXPECT_FALSE(wizard.Item(kGroupShowBackground).Checked());
    EXPECT_EQ(L"ラジオボタンとして機能させる(&R)", wizard.Item(kGroupRadio).Text());
    EXPECT_EQ(L"", wizard.Item(kGroupMapping).Text());
    ExpectLimit(wizard, kGroupId, 64);
    for (int id = kGroupLeft; id <= kGroupHeight; ++id) {
        ExpectLimit(wizard, id, 3);
        ExpectDigitsOnly(wizard, id);
    }
    for (int id = kGroupImage; id <= kGroupDisabled; id += 2) ExpectLimit(wizard, id, 256);
    ExpectLimit(wizard, kGroupColor, 64);

    wizard.Item(kGroupId).SetText(L"g");
    ExpectRefusal(wizard, L"マッピング イメージが指定されていません。\nマッピング イメージは必須です。", kGroupQuestion);
    EXPECT_EQ(L"g", wizard.Item(kGroupId).Text());

    const wchar_t* values[] = {L"1", L"2", L"3", L"4", L"i.bmp", L"m \"&<.bmp", L"h.bmp", L"d.bmp",
                               L"hd.bmp", L"x.bmp", L"#FF00FF"};
    const int fields[] = {kGroupLeft, kGroupTop, kGroupWidth, kGroupHeight, kGroupImage, kGroupMapping,
                          kGroupHover, kGroupDown, kGroupHoverDown, kGroupDisabled, kGroupColor};
    for (std::size_t i = 0; i < std::size(fields); ++i) wizard.Item(fields[i]).SetText(values[i]);
    wizard.Item(kGroupRadio).SetChecked(true);
    wizard.Item(kGroupShowBackground).SetChecked(true);
    wizard.Item(kTabs).SetText(L"1");
    Accept(wizard, kGroupQuestion);
    ExpectInserted(kGroupTitle, L"<view>",
                   L"\t<buttongroup id=\"g\" left=\"1\" top=\"2\" width=\"3\" height=\"4\" image=\"i.bmp\""
                   L" mappingImage=\"m \"&<.bmp\" hoverImage=\"h.bmp\" downImage=\"d.bmp\""
                   L" hoverDownImage=\"hd.bmp\" disabledImage=\"x.bmp\" transparencyColor=\"#FF00FF\""
                   L" radio=\"True\" showBackground=\"True\">\r\n\r\n\t</buttongroup>\r\n",
                   L"</view>");
}

TEST_F(ButtonWizardTest, ElementDefaultsAndEnablingRules)
{
    Start();
    Dialog wizard = OpenWizard(kElementCommand, kElementTitle);
    Shot(L"button-element-wizard", wizard);
    EXPECT_EQ(L"3", wizard.Item(kTabs).Text());
    EXPECT_TRUE(wizard.Item(kElementStandard).Checked());
    for (int id = kElementPlay; id <= kElementNext; ++id) EXPECT_FALSE(wizard.Item(id).Checked()) << id;
    EXPECT_FALSE(wizard.Item(kElementSticky).Checked());
    ExpectEnabled(wizard, kElementStandardOnly, true);
    ExpectEnabled(wizard, kElementStickyOnly, false);
    ExpectLimit(wizard, kElementColor, 64);
    ExpectLimit(wizard, kElementUpTip, 1024);
    ExpectLimit(wizard, kElementOnClick, 1024);
    ExpectLimit(wizard, kElementDownTip, 1024);
    ExpectLimit(wizard, kTabs, 3);

    wizard.Item(kElementSticky).SetChecked(true);
    ExpectEnabled(wizard, kElementStickyOnly, true);
    wizard.Item(kElementSticky).SetChecked(false);
    ExpectEnabled(wizard, kElementStickyOnly, false);
    wizard.Item(kElementSticky).SetChecked(true);

    for (int id = kElementPlay; id <= kElementNext; ++id) {
        wizard.Item(id).SetChecked(true);
        ExpectEnabled(wizard, kElementStandardOnly, false);
        ExpectEnabled(wizard, kElementStickyOnly, false);
        EXPECT_SOON_TRUE(wizard.Item(kElementColor).Enabled());
        EXPECT_TRUE(wizard.Item(kElementSticky).Checked()) << "a disabled box keeps its state";
    }
    wizard.Item(kElementStandard).SetChecked(true);
    ExpectEnabled(wizard, kElementStandardOnly, true);
    ExpectEnabled(wizard, kElementStickyOnly, true);
    wizard.Item(kElementSticky).SetChecked(false);
    wizard.Item(kElementPlay).SetChecked(true);
    wizard.Item(kElementStandard).SetChecked(true);
    ExpectEnabled(wizard, kElementStickyOnly, false);

    std::wstring help = HelpText(wizard);
    EXPECT_NE(std::wstring::npos, help.find(L"・ボタンエレメントの種類\r\n\r\n　")) << kit::Utf8(help);
    EXPECT_NE(std::wstring::npos,
              help.find(L"\r\n            <buttonelement mappingColor=\"#FF0000\" onClick=\"JScript:view.close();\"/>\r\n"));
    EXPECT_TRUE(wizard.Exists());
}

TEST_F(ButtonWizardTest, ElementRefusesInOrderAndWritesByKind)
{
    Start();
    SetDocument(L"ab", 1);
    Dialog wizard = OpenWizard(kElementCommand, kElementTitle);
    wizard.Item(kElementUpTip).SetText(L"tip");
    ExpectRefusal(wizard, L"マッピング カラーを指定してください。", kElementQuestion);
    wizard.Item(kElementColor).SetText(L"#00FF00");
    ExpectRefusal(wizard, kNoOnClick, kElementQuestion);
    EXPECT_EQ(L"#00FF00", wizard.Item(kElementColor).Text());
    EXPECT_EQ(L"tip", wizard.Item(kElementUpTip).Text());

    // Everything filled and checked, then the play element: only its colour and tip remain.
    wizard.Item(kElementOnClick).SetText(L"x();");
    wizard.Item(kElementDisabled).SetChecked(true);
    wizard.Item(kElementSticky).SetChecked(true);
    wizard.Item(kElementDownTip).SetText(L"dn");
    wizard.Item(kElementDown).SetChecked(true);
    wizard.Item(kElementPlay).SetChecked(true);
    Accept(wizard, kElementQuestion);
    ExpectInserted(kElementTitle, L"a", L"\t\t\t<playelement mappingColor=\"#00FF00\" upToolTip=\"tip\"/>\r\n", L"b");

    // A predefined element needs no click handler.
    SetDocument(L"", 0);
    wizard = OpenWizard(kElementCommand, kElementTitle);
    wizard.Item(kElementColor).SetText(L"#0000FF");
    wizard.Item(kElementNext).SetChecked(true);
    wizard.Item(kTabs).SetText(L"0");
    Accept(wizard, kElementQuestion);
    ExpectInserted(kElementTitle, L"", L"<nextelement mappingColor=\"#0000FF\"/>\r\n", L"");

    SetDocument(L"", 0);
    wizard = OpenWizard(kElementCommand, kElementTitle);
    wizard.Item(kElementColor).SetText(L"#FF0000");
    wizard.Item(kElementUpTip).SetText(L"up");
    wizard.Item(kElementOnClick).SetText(L"view.close();");
    wizard.Item(kElementDisabled).SetChecked(true);
    wizard.Item(kElementSticky).SetChecked(true);
    wizard.Item(kElementDownTip).SetText(L"down & \"out\"");
    Accept(wizard, kElementQuestion);
    ExpectInserted(kElementTitle, L"",
                   L"\t\t\t<buttonelement mappingColor=\"#FF0000\" upToolTip=\"up\" onClick=\"view.close();\""
                   L" enabled=\"False\" sticky=\"True\" downToolTip=\"down & \"out\"\"/>\r\n",
                   L"");
}

TEST_F(ButtonWizardTest, ButtonDefaultsListAndEnablingRules)
{
    Start();
    Dialog wizard = OpenWizard(kButtonCommand, kButtonTitle);
    Shot(L"button-wizard", wizard);
    EXPECT_EQ(L"2", wizard.Item(kTabs).Text());
    EXPECT_TRUE(wizard.Item(kButtonStandard).Checked());
    EXPECT_FALSE(wizard.Item(kButtonPredefined).Checked());
    const std::vector<std::wstring> texts = {
        L"再生ボタン", L"一時停止ボタン", L"停止ボタン", L"前クリップ ボタン", L"巻戻しボタン",
        L"早送りボタン", L"次クリップ ボタン", L"ミュート ボタン", L"リピート ボタン",
        L"シャッフル ボタン", L"フル モード ボタン", L"最小化ボタン", L"閉じるボタン",
    };
    Window list = wizard.Item(kButtonKind);
    EXPECT_EQ(texts, list.ComboTexts());
    EXPECT_EQ(0, list.Send(CB_GETCURSEL));
    EXPECT_FALSE(list.Enabled());
    ExpectEnabled(wizard, kButtonStandardOnly, true);
    ExpectEnabled(wizard, kButtonStickyOnly, false);
    ExpectEnabled(wizard, {kButtonTiled, kButtonClipping}, true);
    ExpectLimit(wizard, kButtonId, 64);
    for (int id = kButtonLeft; id <= kButtonHeight; ++id) {
        ExpectLimit(wizard, id, 3);
        ExpectDigitsOnly(wizard, id);
    }
    for (int id = kButtonImage; id <= kButtonDisabledImage; id += 2) ExpectLimit(wizard, id, 256);
    ExpectLimit(wizard, kButtonOnClick, 1024);
    ExpectLimit(wizard, kButtonColor, 64);
    ExpectLimit(wizard, kButtonUpTip, 1024);
    ExpectLimit(wizard, kButtonDownTip, 1024);

    wizard.Item(kButtonSticky).SetChecked(true);
    ExpectEnabled(wizard, kButtonStickyOnly, true);
    wizard.Item(kButtonSticky).SetChecked(false);
    ExpectEnabled(wizard, kButtonStickyOnly, false);
    wizard.Item(kButtonSticky).SetChecked(true);

    wizard.Item(kButtonPredefined).SetChecked(true);
    EXPECT_SOON_TRUE(list.Enabled());
    EXPECT_TRUE(kit::WaitUntil([&] { return Focus(wizard) == list.hwnd(); })) << "the list takes the focus";
    ExpectEnabled(wizard, kButtonStandardOnly, false);
    ExpectEnabled(wizard, kButtonStickyOnly, false);
    ExpectEnabled(wizard, {kButtonTiled, kButtonClipping}, true);
    EXPECT_TRUE(wizard.Item(kButtonSticky).Checked()) << "a disabled box keeps its state";
    Shot(L"button-wizard-predefined", wizard);

    wizard.Item(kButtonStandard).SetChecked(true);
    EXPECT_SOON_FALSE(list.Enabled());
    ExpectEnabled(wizard, kButtonStandardOnly, true);
    ExpectEnabled(wizard, kButtonStickyOnly, true);
    ExpectEnabled(wizard, {kButtonTiled, kButtonClipping}, true);

    std::wstring help = HelpText(wizard);
    EXPECT_NE(std::wstring::npos, help.find(L"・透明色定義として clippingColor 属性を使う\r\n\r\n　")) << kit::Utf8(help);
    EXPECT_TRUE(wizard.Exists());
}

TEST_F(ButtonWizardTest, ButtonRefusesInOrderAndWritesByKind)
{
    Start();
    Dialog wizard = OpenWizard(kButtonCommand, kButtonTitle);
    const wchar_t kBounds[] =
        L"座標 (X/Y) およびサイズ (Width/Height) に入力不備があります。\n座標項目とサイズ項目はすべて入力してください。";
    ExpectRefusal(wizard, kBounds, kButtonQuestion);
    wizard.Item(kButtonLeft).SetText(L"10");
    wizard.Item(kButtonTop).SetText(L"20");
    wizard.Item(kButtonHeight).SetText(L"40");
    // Width is missing and so is the image: the coordinates are examined first.
    ExpectRefusal(wizard, kBounds, kButtonQuestion);
    wizard.Item(kButtonWidth).SetText(L"30");
    ExpectRefusal(wizard, L"基本イメージを指定してください。", kButtonQuestion);
    wizard.Item(kButtonImage).SetText(L"b.bmp");
    ExpectRefusal(wizard, kNoOnClick, kButtonQuestion);
    EXPECT_EQ(L"10", wizard.Item(kButtonLeft).Text());
    EXPECT_EQ(L"30", wizard.Item(kButtonWidth).Text());
    EXPECT_EQ(L"b.bmp", wizard.Item(kButtonImage).Text());

    // The full mode button, with the standard-only fields filled before the switch.
    wizard.Item(kButtonOnClick).SetText(L"x();");
    wizard.Item(kButtonUpTip).SetText(L"up");
    wizard.Item(kButtonDisabled).SetChecked(true);
    wizard.Item(kButtonSticky).SetChecked(true);
    wizard.Item(kButtonDown).SetChecked(true);
    wizard.Item(kButtonColor).SetText(L"#FF00FF");
    wizard.Item(kButtonClipping).SetChecked(true);
    wizard.Item(kButtonTiled).SetChecked(true);
    wizard.Item(kButtonPredefined).SetChecked(true);
    wizard.Item(kButtonKind).Send(CB_SETCURSEL, 10);
    Accept(wizard, kButtonQuestion);
    ExpectInserted(kButtonTitle, L"",
                   L"\t\t<returnbutton left=\"10\" top=\"20\" width=\"30\" height=\"40\" image=\"b.bmp\""
                   L" clippingColor=\"#FF00FF\" tiled=\"True\"/>\r\n",
                   L"");

    // A predefined button needs no click handler.
    SetDocument(L"", 0);
    wizard = OpenWizard(kButtonCommand, kButtonTitle);
    for (int id = kButtonLeft; id <= kButtonHeight; ++id) wizard.Item(id).SetText(L"5");
    wizard.Item(kButtonImage).SetText(L"p.bmp");
    wizard.Item(kButtonPredefined).SetChecked(true);
    wizard.Item(kTabs).SetText(L"0");
    Accept(wizard, kButtonQuestion);
    ExpectInserted(kButtonTitle, L"",
                   L"<playbutton left=\"5\" top=\"5\" width=\"5\" height=\"5\" image=\"p.bmp\"/>\r\n", L"");

    SetDocument(L"xy", 2);
    wizard = OpenWizard(kButtonCommand, kButtonTitle);
    wizard.Item(kButtonId).SetText(L"b \"1\"");
    for (int id = kButtonLeft; id <= kButtonHeight; ++id) wizard.Item(id).SetText(L"7");
    wizard.Item(kButtonImage).SetText(L"s.bmp");
    wizard.Item(kButtonHoverDown).SetText(L"hd.bmp");
    wizard.Item(kButtonColor).SetText(L"#000000");
    wizard.Item(kButtonOnClick).SetText(L"a < b && c();");
    wizard.Item(kButtonUpTip).SetText(L"up");
    wizard.Item(kButtonSticky).SetChecked(true);
    wizard.Item(kButtonDown).SetChecked(true);
    wizard.Item(kButtonDownTip).SetText(L"dn");
    Accept(wizard, kButtonQuestion);
    ExpectInserted(kButtonTitle, L"xy",
                   L"\t\t<button id=\"b \"1\"\" left=\"7\" top=\"7\" width=\"7\" height=\"7\" image=\"s.bmp\""
                   L" hoverDownImage=\"hd.bmp\" transparencyColor=\"#000000\" onClick=\"a < b && c();\""
                   L" upToolTip=\"up\" sticky=\"True\" down=\"True\" downToolTip=\"dn\"/>\r\n",
                   L"");
}
