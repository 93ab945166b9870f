// UI tests of the text, effects, video and playlist wizards: defaults, limits, the enabling
// rules, the refusals and the text each one puts at the caret.
#include "wizard_test.h"

#include <iterator>
#include <string>
#include <vector>

namespace {

using kit::Dialog;
using kit::Window;

const wchar_t kTextTitle[] = L"テキスト タグの挿入";
const wchar_t kEffectsTitle[] = L"エフェクト タグの挿入";
const wchar_t kVideoTitle[] = L"ビデオ タグの挿入";
const wchar_t kPlaylistTitle[] = L"プレイリスト タグの挿入";
const wchar_t kTextQuestion[] = L"入力した情報を使用してテキスト タグを挿入します。\nよろしいですか？";
const wchar_t kEffectsQuestion[] = L"入力した情報を使用してエフェクト タグを挿入します。\nよろしいですか？";
const wchar_t kVideoQuestion[] = L"入力した情報を使用してビデオ タグを挿入します。\nよろしいですか？";
const wchar_t kPlaylistQuestion[] = L"入力した情報を使用してプレイリスト タグを挿入します。\nよろしいですか？";
const wchar_t kCoordinates[] = L"座標 (X/Y) に入力不備があります。\n座標項目はすべて入力してください。";

enum {
    kTextCommand = IDM_INSERT_TEXT, kEffectsCommand = IDM_INSERT_EFFECTS, kVideoCommand = IDM_INSERT_VIDEO,
    kPlaylistCommand = IDM_INSERT_PLAYLIST, kTabs = IDC_WIZARD_TABS,
    // Text
    kTextStandard = IDC_TEXT_STANDARD, kTextPredefined = IDC_TEXT_PREDEFINED, kTextKind = IDC_TEXT_KIND,
    kTextId = IDC_TEXT_ID, kTextLeft = IDC_TEXT_LEFT, kTextTop = IDC_TEXT_TOP, kTextWidth = IDC_TEXT_WIDTH,
    kTextHeight = IDC_TEXT_HEIGHT, kTextFont = IDC_TEXT_FONT_FACE, kTextSize = IDC_TEXT_FONT_SIZE,
    kTextColor = IDC_TEXT_COLOR, kTextColorPick = IDC_TEXT_COLOR_PICK, kTextHover = IDC_TEXT_HOVER_COLOR,
    kTextHoverPick = IDC_TEXT_HOVER_COLOR_PICK, kTextDisabled = IDC_TEXT_DISABLED_COLOR,
    kTextDisabledPick = IDC_TEXT_DISABLED_COLOR_PICK, kTextLeftAlign = IDC_TEXT_LEFT_ALIGN,
    kTextCenter = IDC_TEXT_CENTER_ALIGN, kTextRight = IDC_TEXT_RIGHT_ALIGN, kTextValue = IDC_TEXT_VALUE,
    kTextTip = IDC_TEXT_TOOLTIP, kTextOnClick = IDC_TEXT_ON_CLICK, kTextSmoothing = IDC_TEXT_SMOOTHING,
    kTextWrap = IDC_TEXT_WORD_WRAP, kTextHoverLabel = IDC_TEXT_HOVER_COLOR_LABEL,
    kTextDisabledLabel = IDC_TEXT_DISABLED_COLOR_LABEL, kTextValueLabel = IDC_TEXT_VALUE_LABEL,
    kTextTipLabel = IDC_TEXT_TOOLTIP_LABEL, kTextOnClickLabel = IDC_TEXT_ON_CLICK_LABEL,
    // Effects and video
    kVisualPlain = IDC_VISUAL_PLAIN, kVisualWmp = IDC_VISUAL_WMP, kVisualId = IDC_VISUAL_ID,
    kVisualLeft = IDC_VISUAL_LEFT, kVisualTop = IDC_VISUAL_TOP, kVisualWidth = IDC_VISUAL_WIDTH,
    kVisualHeight = IDC_VISUAL_HEIGHT, kHLeft = IDC_VISUAL_H_LEFT, kHCenter = IDC_VISUAL_H_CENTER,
    kHRight = IDC_VISUAL_H_RIGHT, kHStretch = IDC_VISUAL_H_STRETCH, kVTop = IDC_VISUAL_V_TOP,
    kVCenter = IDC_VISUAL_V_CENTER, kVBottom = IDC_VISUAL_V_BOTTOM, kVStretch = IDC_VISUAL_V_STRETCH,
    kVisualOnClick = IDC_VISUAL_ON_CLICK, kVisualOption = IDC_VISUAL_OPTION,
    // Playlist
    kListStandard = IDC_PLAYLIST_STANDARD, kListPredefined = IDC_PLAYLIST_PREDEFINED, kListKind = IDC_PLAYLIST_KIND,
    kListId = IDC_PLAYLIST_ID, kListLeft = IDC_PLAYLIST_LEFT, kListTop = IDC_PLAYLIST_TOP,
    kListWidth = IDC_PLAYLIST_WIDTH, kListHeight = IDC_PLAYLIST_HEIGHT, kListColumns = IDC_PLAYLIST_COLUMNS,
    kListBackground = IDC_PLAYLIST_BACKGROUND, kListForeground = IDC_PLAYLIST_FOREGROUND,
    kListDisabled = IDC_PLAYLIST_DISABLED, kListPlayingBackground = IDC_PLAYLIST_PLAYING_BACKGROUND,
    kListPlaying = IDC_PLAYLIST_PLAYING, kListNoDropDown = IDC_PLAYLIST_NO_DROPDOWN,
    kListNoItems = IDC_PLAYLIST_NO_ITEMS, kListNoColumns = IDC_PLAYLIST_NO_COLUMNS,
    kListNoSorting = IDC_PLAYLIST_NO_SORTING, kListNoEditing = IDC_PLAYLIST_NO_EDITING,
};

// The controls a predefined text element leaves out.
const std::vector<int> kTextStandardOnly = {
    kTextHoverLabel, kTextHover, kTextHoverPick, kTextDisabledLabel, kTextDisabled, kTextDisabledPick,
    kTextLeftAlign, kTextCenter, kTextRight, kTextValueLabel, kTextValue, kTextTipLabel, kTextTip,
    kTextOnClickLabel, kTextOnClick,
};
const std::vector<int> kTextEveryKind = {kTextFont, kTextSize, kTextColor, kTextColorPick, kTextSmoothing,
                                         kTextWrap};

const wchar_t kEffectsBindings[] =
    L" currentEffectType=\"wmpprop:mediacenter.effectType\""
    L" currentEffectType_onChange=\"mediacenter.effectType = currentEffectType;\""
    L" currentPreset=\"wmpprop:mediacenter.effectPreset\""
    L" currentPreset_onChange=\"mediacenter.effectPreset = currentPreset;\"";
const wchar_t kVideoBindings[] =
    L" stretchToFit=\"wmpprop:mediacenter.videoStretchToFit\" zoom=\"wmpprop:mediacenter.videoZoom\"";
const wchar_t kEmptyLook[] =
    L" columns=\"\" backgroundColor=\"\" foregroundColor=\"\" disabledItemColor=\"\""
    L" itemPlayingBackgroundColor=\"\" itemPlayingColor=\"\"";

// Inside a view, the caret at the start of its second line.
const std::wstring kBefore = L"<view>\r\n";
const std::wstring kAfter = L"</view>\r\n";

class DisplayWizardTest : public WizardUiTest {
protected:
    void StartInView()
    {
        Start();
        SetDocument(kBefore + kAfter, static_cast<DWORD>(kBefore.size()));
    }
    // Typed as keys would: the edit control applies its limit and ES_NUMBER.
    void Type(const Window& field, const std::wstring& text) const
    {
        field.Send(EM_SETSEL, 0, -1);
        for (wchar_t c : text) field.Send(WM_CHAR, c, 1);
    }
    void ExpectCoordinates(const Dialog& wizard, const std::vector<int>& ids) const
    {
        for (int id : ids) {
            ExpectLimit(wizard, id, 3);
            ExpectDigitsOnly(wizard, id);
        }
    }
    // The help window shows the wizard's help, with this section and these closing words.
    void ExpectHelp(const Dialog& wizard, const std::wstring& section, const std::wstring& closing,
                    const wchar_t* screenshot = nullptr) const
    {
        const std::wstring help = HelpText(wizard, screenshot);
        EXPECT_NE(std::wstring::npos, help.find(L"\r\n\r\n・" + section + L"\r\n\r\n　")) << kit::Utf8(help);
        ASSERT_GE(help.size(), closing.size());
        EXPECT_EQ(closing, help.substr(help.size() - closing.size())) << kit::Utf8(help);
        EXPECT_TRUE(wizard.Exists());
    }
};

}  // namespace

TEST_F(DisplayWizardTest, TextDefaultsLimitsAndEnablingRules)
{
    Start();
    Dialog wizard = OpenWizard(kTextCommand, kTextTitle);
    Shot(L"text-wizard", wizard);
    EXPECT_TRUE(wizard.Item(kTextStandard).Checked());
    EXPECT_FALSE(wizard.Item(kTextPredefined).Checked());
    Window kinds = wizard.Item(kTextKind);
    EXPECT_EQ((std::vector<std::wstring>{L"再生位置表示テキスト", L"再生時間表示テキスト", L"状態表示テキスト",
                                         L"クリップ名表示テキスト"}),
              kinds.ComboTexts());
    EXPECT_EQ(0, kinds.Send(CB_GETCURSEL));
    Window sizes = wizard.Item(kTextSize);
    EXPECT_EQ((std::vector<std::wstring>{L"なし", L"8", L"9", L"10", L"11", L"12", L"14", L"16", L"18", L"20",
                                         L"24", L"28", L"32", L"36", L"40", L"48", L"64", L"72"}),
              sizes.ComboTexts());
    EXPECT_EQ(3, sizes.Send(CB_GETCURSEL));
    EXPECT_EQ(L"ＭＳ Ｐゴシック", wizard.Item(kTextFont).Text());
    EXPECT_TRUE(wizard.Item(kTextLeftAlign).Checked());
    EXPECT_FALSE(wizard.Item(kTextSmoothing).Checked());
    EXPECT_FALSE(wizard.Item(kTextWrap).Checked());
    EXPECT_EQ(L"2", wizard.Item(kTabs).Text());

    ExpectLimits(wizard, {{kTextId, 64}, {kTextFont, 63}, {kTextColor, 16}, {kTextHover, 16}, {kTextDisabled, 16},
                          {kTextValue, 2048}, {kTextTip, 1024}, {kTextOnClick, 1024}});
    ExpectCoordinates(wizard, {kTextLeft, kTextTop, kTextWidth, kTextHeight, kTabs});
    Type(wizard.Item(kTextLeft), L"1a2b34");
    EXPECT_EQ(L"123", wizard.Item(kTextLeft).Text());
    Type(wizard.Item(kTextFont), std::wstring(64, L'x'));
    EXPECT_EQ(std::wstring(63, L'x'), wizard.Item(kTextFont).Text());

    EXPECT_FALSE(kinds.Enabled());
    ExpectEnabled(wizard, kTextStandardOnly, true);
    ExpectEnabled(wizard, kTextEveryKind, true);
    wizard.Item(kTextPredefined).SetChecked(true);
    EXPECT_SOON_TRUE(kinds.Enabled());
    EXPECT_TRUE(kit::WaitUntil([&] { return Focus(wizard) == kinds.hwnd(); })) << "the list takes the focus";
    ExpectEnabled(wizard, kTextStandardOnly, false);
    ExpectEnabled(wizard, kTextEveryKind, true);
    EXPECT_TRUE(wizard.Item(kTextLeftAlign).Checked()) << "a disabled button keeps its state";
    Shot(L"text-wizard-predefined", wizard);
    wizard.Item(kTextStandard).SetChecked(true);
    EXPECT_SOON_FALSE(kinds.Enabled());
    ExpectEnabled(wizard, kTextStandardOnly, true);
    ExpectEnabled(wizard, kTextEveryKind, true);

    ExpectHelp(wizard, L"(*)テキストの値", L"・タブの数\r\n\r\n　タグの前に入れるタブ文字の数を 0 ～ 100 の範囲で指定します。\r\n");
}

TEST_F(DisplayWizardTest, TextRefusesInOrderAndInsertsAtTheCaret)
{
    StartInView();
    Dialog wizard = OpenWizard(kTextCommand, kTextTitle);
    wizard.Item(kTextValue).SetText(L"v");
    ExpectRefusal(wizard, kCoordinates, kTextQuestion);
    wizard.Item(kTextLeft).SetText(L"10");
    ExpectRefusal(wizard, kCoordinates, kTextQuestion);
    wizard.Item(kTextTop).SetText(L"20");
    wizard.Item(kTextValue).SetText(L"");
    ExpectRefusal(wizard, L"テキストの値を入力してください。", kTextQuestion);
    wizard.Item(kTextValue).SetText(L"abc");
    wizard.Item(kTabs).SetText(L"101");
    ExpectRefusal(wizard, kTooDeep, kTextQuestion);
    EXPECT_EQ(L"10", wizard.Item(kTextLeft).Text());
    ExpectUntouched(kBefore + kAfter);

    wizard.Item(kTabs).SetText(L"1");
    wizard.Item(kTextId).SetText(L"t");
    wizard.Item(kTextWidth).SetText(L"100");
    wizard.Item(kTextHeight).SetText(L"12");
    wizard.Item(kTextSize).Send(CB_SETCURSEL, 1);
    wizard.Item(kTextSmoothing).SetChecked(true);
    wizard.Item(kTextWrap).SetChecked(true);
    wizard.Item(kTextColor).SetText(L"#FFFFFF");
    wizard.Item(kTextHover).SetText(L"#FF0000");
    wizard.Item(kTextDisabled).SetText(L"#808080");
    wizard.Item(kTextCenter).SetChecked(true);
    wizard.Item(kTextTip).SetText(L"tip");
    wizard.Item(kTextOnClick).SetText(L"a < b && c();");
    Accept(wizard, kTextQuestion);
    ExpectInserted(kTextTitle, kBefore,
                   L"\t<text id=\"t\" left=\"10\" top=\"20\" width=\"100\" height=\"12\" fontFace=\"ＭＳ Ｐゴシック\""
                   L" fontSize=\"8\" fontSmoothing=\"True\" wordWrap=\"True\" foregroundColor=\"#FFFFFF\""
                   L" hoverForegroundColor=\"#FF0000\" disabledForegroundColor=\"#808080\" justification=\"Center\""
                   L" value=\"abc\" toolTip=\"tip\" onClick=\"a < b && c();\"/>\r\n",
                   kAfter);
}

TEST_F(DisplayWizardTest, PredefinedTextNeedsNoValueAndDropsTheStandardRows)
{
    StartInView();
    Dialog wizard = OpenWizard(kTextCommand, kTextTitle);
    wizard.Item(kTextLeft).SetText(L"1");
    wizard.Item(kTextTop).SetText(L"2");
    wizard.Item(kTextHover).SetText(L"#FF0000");
    wizard.Item(kTextRight).SetChecked(true);
    wizard.Item(kTextTip).SetText(L"tip");
    wizard.Item(kTextSize).Send(CB_SETCURSEL, 0);
    wizard.Item(kTextFont).SetText(L"");
    wizard.Item(kTextPredefined).SetChecked(true);
    wizard.Item(kTextKind).Send(CB_SETCURSEL, 2);
    wizard.Item(kTabs).SetText(L"");
    Accept(wizard, kTextQuestion);
    ExpectInserted(kTextTitle, kBefore, L"<StatusText left=\"1\" top=\"2\"/>\r\n", kAfter);
}

TEST_F(DisplayWizardTest, EffectsDefaultsLimitsAndAlignmentByKind)
{
    StartInView();
    Dialog wizard = OpenWizard(kEffectsCommand, kEffectsTitle);
    Shot(L"effects-wizard", wizard);
    EXPECT_EQ(L"&Effects タグを使う", wizard.Item(kVisualPlain).Text());
    EXPECT_EQ(L"&WMPEffects タグを使う (お勧め)", wizard.Item(kVisualWmp).Text());
    EXPECT_EQ(L"視覚エフェクト全体を表示する(&N)", wizard.Item(kVisualOption).Text());
    EXPECT_FALSE(wizard.Item(kVisualPlain).Checked());
    EXPECT_TRUE(wizard.Item(kVisualWmp).Checked());
    for (int id = kHLeft; id <= kVStretch; ++id) EXPECT_FALSE(wizard.Item(id).Checked()) << id;
    EXPECT_FALSE(wizard.Item(kVisualOption).Checked());
    EXPECT_EQ(L"2", wizard.Item(kTabs).Text());
    ExpectLimits(wizard, {{kVisualId, 64}, {kVisualOnClick, 1024}});
    ExpectCoordinates(wizard, {kVisualLeft, kVisualTop, kVisualWidth, kVisualHeight, kTabs});

    wizard.Item(kVisualLeft).SetText(L"1");
    ExpectRefusal(wizard, kCoordinates, kEffectsQuestion);
    wizard.Item(kVisualTop).SetText(L"2");
    wizard.Item(kHLeft).SetChecked(true);
    wizard.Item(kVTop).SetChecked(true);
    wizard.Item(kVisualOnClick).SetText(L"x();");
    Accept(wizard, kEffectsQuestion);
    ExpectInserted(kEffectsTitle, kBefore,
                   L"\t\t<WMPEffects left=\"1\" top=\"2\" onClick=\"x();\" horizontalAlignment=\"Left\""
                   L" verticalAlignment=\"Top\"/>\r\n",
                   kAfter);

    // The plain element leaves out Left and Top but is bound to the full mode.
    SetDocument(L"", 0);
    wizard = OpenWizard(kEffectsCommand, kEffectsTitle);
    wizard.Item(kVisualLeft).SetText(L"1");
    wizard.Item(kVisualTop).SetText(L"2");
    wizard.Item(kHLeft).SetChecked(true);
    wizard.Item(kVTop).SetChecked(true);
    wizard.Item(kVStretch).SetChecked(true);
    EXPECT_FALSE(wizard.Item(kVTop).Checked());
    wizard.Item(kVTop).SetChecked(true);
    wizard.Item(kVisualOption).SetChecked(true);
    wizard.Item(kVisualPlain).SetChecked(true);
    wizard.Item(kTabs).SetText(L"0");
    Accept(wizard, kEffectsQuestion);
    ExpectInserted(kEffectsTitle, L"", std::wstring(L"<effects left=\"1\" top=\"2\" windowed=\"True\"") +
                                           kEffectsBindings + L"/>\r\n",
                   L"");
}

TEST_F(DisplayWizardTest, VideoSharesTheLayoutWithoutOnClick)
{
    StartInView();
    Dialog wizard = OpenWizard(kVideoCommand, kVideoTitle);
    Shot(L"video-wizard", wizard);
    EXPECT_EQ(L"&Video タグを使う", wizard.Item(kVisualPlain).Text());
    EXPECT_EQ(L"&WMPVideo タグを使う (お勧め)", wizard.Item(kVisualWmp).Text());
    EXPECT_EQ(L"ビデオ ウィンドウの切り取りを可能にする(&L)", wizard.Item(kVisualOption).Text());
    EXPECT_TRUE(wizard.Item(kVisualWmp).Checked());
    for (int id = kHLeft; id <= kVStretch; ++id) EXPECT_FALSE(wizard.Item(id).Checked()) << id;
    EXPECT_FALSE(wizard.HasItem(kVisualOnClick));
    ExpectLimit(wizard, kVisualId, 64);
    ExpectCoordinates(wizard, {kVisualLeft, kVisualTop, kVisualWidth, kVisualHeight, kTabs});

    wizard.Item(kVisualTop).SetText(L"2");
    ExpectRefusal(wizard, kCoordinates, kVideoQuestion);
    // Nothing touched in the alignment rows writes no alignment.
    wizard.Item(kVisualLeft).SetText(L"1");
    wizard.Item(kVisualId).SetText(L"v");
    Accept(wizard, kVideoQuestion);
    ExpectInserted(kVideoTitle, kBefore, L"\t\t<WMPVideo id=\"v\" left=\"1\" top=\"2\"/>\r\n", kAfter);

    SetDocument(L"", 0);
    wizard = OpenWizard(kVideoCommand, kVideoTitle);
    wizard.Item(kVisualLeft).SetText(L"1");
    wizard.Item(kVisualTop).SetText(L"2");
    wizard.Item(kVisualWidth).SetText(L"320");
    wizard.Item(kVisualHeight).SetText(L"240");
    wizard.Item(kHStretch).SetChecked(true);
    wizard.Item(kVCenter).SetChecked(true);
    wizard.Item(kVisualOption).SetChecked(true);
    wizard.Item(kVisualPlain).SetChecked(true);
    ExpectHelp(wizard, L"サイズ変更基準", L"stretchToFit と zoom の 2 つの属性も書き込みます。\r\n");
    Accept(wizard, kVideoQuestion);
    ExpectInserted(kVideoTitle, L"",
                   std::wstring(L"\t\t<video left=\"1\" top=\"2\" width=\"320\" height=\"240\" horizontalAlignment=\"Stretch\""
                                L" verticalAlignment=\"Center\" windowless=\"True\"") +
                       kVideoBindings + L"/>\r\n",
                   L"");
}

TEST_F(DisplayWizardTest, PlaylistDefaultsLimitsAndEnablingRules)
{
    Start();
    Dialog wizard = OpenWizard(kPlaylistCommand, kPlaylistTitle);
    Shot(L"playlist-wizard", wizard);
    EXPECT_TRUE(wizard.Item(kListStandard).Checked());
    Window kinds = wizard.Item(kListKind);
    EXPECT_EQ((std::vector<std::wstring>{L"ドロップダウン プレイリスト (リスト領域なし)",
                                         L"アイテム プレイリスト (リスト領域のみ)"}),
              kinds.ComboTexts());
    EXPECT_EQ(0, kinds.Send(CB_GETCURSEL));
    for (int id = kListNoDropDown; id <= kListNoEditing; ++id) EXPECT_FALSE(wizard.Item(id).Checked()) << id;
    EXPECT_EQ(L"2", wizard.Item(kTabs).Text());
    ExpectLimits(wizard, {{kListId, 64}, {kListColumns, 256}, {kListBackground, 8}, {kListForeground, 8},
                          {kListDisabled, 8}, {kListPlayingBackground, 8}, {kListPlaying, 8}, {kTabs, 3}});
    ExpectCoordinates(wizard, {kListLeft, kListTop, kListWidth, kListHeight});
    // The tab field alone lets letters in.
    Type(wizard.Item(kTabs), L"a1");
    EXPECT_EQ(L"a1", wizard.Item(kTabs).Text());

    EXPECT_FALSE(kinds.Enabled());
    EXPECT_TRUE(wizard.Item(kListColumns).Enabled());
    wizard.Item(kListPredefined).SetChecked(true);
    EXPECT_SOON_TRUE(kinds.Enabled());
    EXPECT_SOON_FALSE(wizard.Item(kListColumns).Enabled());
    ExpectEnabled(wizard, {kListHeight, kListBackground, kListNoDropDown, kListNoEditing}, true);
    wizard.Item(kListStandard).SetChecked(true);
    EXPECT_SOON_FALSE(kinds.Enabled());
    EXPECT_SOON_TRUE(wizard.Item(kListColumns).Enabled());

    ExpectHelp(wizard, L"表示項目 (カラム名=見出し文字列 の形式で指定)", L"0 として扱います。\r\n", L"playlist-help");
}

TEST_F(DisplayWizardTest, PlaylistTabLettersCountAsNoneAndEmptyAttributesAreWritten)
{
    StartInView();
    Dialog wizard = OpenWizard(kPlaylistCommand, kPlaylistTitle);
    wizard.Item(kListLeft).SetText(L"5");
    ExpectRefusal(wizard, kCoordinates, kPlaylistQuestion);
    wizard.Item(kListTop).SetText(L"6");
    wizard.Item(kTabs).SetText(L"ab");
    Accept(wizard, kPlaylistQuestion);
    ExpectInserted(kPlaylistTitle, kBefore, std::wstring(L"<playlist left=\"5\" top=\"6\"") + kEmptyLook + L"/>\r\n",
                   kAfter);
}

TEST_F(DisplayWizardTest, PredefinedPlaylistsKeepWhatTheyUse)
{
    Start();
    Dialog wizard = OpenWizard(kPlaylistCommand, kPlaylistTitle);
    const int fields[] = {kListId, kListLeft, kListTop, kListWidth, kListHeight, kListColumns, kListBackground,
                          kListForeground, kListDisabled, kListPlayingBackground, kListPlaying};
    const wchar_t* values[] = {L"p", L"5", L"6", L"200", L"300", L"Name=名前", L"#000000", L"#FFFFFF", L"#808080",
                               L"#0000FF", L"#FFFF00"};
    for (std::size_t i = 0; i < std::size(fields); ++i) wizard.Item(fields[i]).SetText(values[i]);
    for (int id = kListNoDropDown; id <= kListNoEditing; ++id) wizard.Item(id).SetChecked(true);
    wizard.Item(kListPredefined).SetChecked(true);
    Accept(wizard, kPlaylistQuestion);
    ExpectInserted(kPlaylistTitle, L"", L"\t\t<DropDownPlaylist id=\"p\" left=\"5\" top=\"6\" width=\"200\"/>\r\n", L"");

    // The columns typed for the standard playlist stay when the field is disabled.
    SetDocument(L"", 0);
    wizard = OpenWizard(kPlaylistCommand, kPlaylistTitle);
    wizard.Item(kListLeft).SetText(L"5");
    wizard.Item(kListTop).SetText(L"6");
    wizard.Item(kListHeight).SetText(L"300");
    wizard.Item(kListColumns).SetText(L"Name=名前;Duration=長さ");
    wizard.Item(kListPlaying).SetText(L"#FFFF00");
    for (int id = kListNoDropDown; id <= kListNoEditing; ++id) wizard.Item(id).SetChecked(true);
    wizard.Item(kListPredefined).SetChecked(true);
    wizard.Item(kListKind).Send(CB_SETCURSEL, 1);
    wizard.Item(kTabs).SetText(L"1");
    Accept(wizard, kPlaylistQuestion);
    ExpectInserted(kPlaylistTitle, L"",
                   L"\t<ItemsPlaylist left=\"5\" top=\"6\" height=\"300\" columns=\"Name=名前;Duration=長さ\""
                   L" backgroundColor=\"\" foregroundColor=\"\" disabledItemColor=\"\" itemPlayingBackgroundColor=\"\""
                   L" itemPlayingColor=\"#FFFF00\" columnsVisible=\"False\" allowColumnSorting=\"False\""
                   L" allowItemEditing=\"False\"/>\r\n",
                   L"");
}
