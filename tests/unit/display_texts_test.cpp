// The text, effects, video and playlist texts, and the shape of their help texts.
#include "playlist_wizard_text.h"
#include "text_wizard_text.h"
#include "visual_wizard_text.h"

#include "help_text_shape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The text wizard as it opens, with the two coordinates and the value it insists on.
TextElementFields DefaultText()
{
    TextElementFields fields;
    fields.left = L"10";
    fields.top = L"20";
    fields.value = L"abc";
    fields.fontFace = kDefaultFontFace;
    fields.fontSize = kDefaultFontSize;
    fields.tabCount = 2;
    return fields;
}

// Every field and option filled, as a user might before switching the kind.
TextElementFields FullText(int kind, int predefined)
{
    TextElementFields fields = DefaultText();
    fields.kind = kind;
    fields.predefined = predefined;
    fields.id = L"t";
    fields.width = L"100";
    fields.height = L"12";
    fields.fontSize = 1;   // "8"
    fields.fontSmoothing = true;
    fields.wordWrap = true;
    fields.foregroundColor = L"#FFFFFF";
    fields.hoverForegroundColor = L"#FF0000";
    fields.disabledForegroundColor = L"#808080";
    fields.justification = JustificationRight;
    fields.toolTip = L"tip";
    fields.onClick = L"x();";
    fields.tabCount = 0;
    return fields;
}

// The attributes that every kind of a fully filled text writes after its element name.
const wchar_t kFullTextCommon[] =
    L" id=\"t\" left=\"10\" top=\"20\" width=\"100\" height=\"12\" fontFace=\"ＭＳ Ｐゴシック\" fontSize=\"8\""
    L" fontSmoothing=\"True\" wordWrap=\"True\" foregroundColor=\"#FFFFFF\"";

VisualFields VisualAt(int kind, int horizontal, int vertical)
{
    VisualFields fields;
    fields.kind = kind;
    fields.left = L"1";
    fields.top = L"2";
    fields.horizontal = horizontal;
    fields.vertical = vertical;
    return fields;
}

const wchar_t kEffectsBindings[] =
    L" currentEffectType=\"wmpprop:mediacenter.effectType\""
    L" currentEffectType_onChange=\"mediacenter.effectType = currentEffectType;\""
    L" currentPreset=\"wmpprop:mediacenter.effectPreset\""
    L" currentPreset_onChange=\"mediacenter.effectPreset = currentPreset;\"";
const wchar_t kVideoBindings[] =
    L" stretchToFit=\"wmpprop:mediacenter.videoStretchToFit\" zoom=\"wmpprop:mediacenter.videoZoom\"";

PlaylistFields PlaylistAt(int kind, int predefined)
{
    PlaylistFields fields;
    fields.kind = kind;
    fields.predefined = predefined;
    fields.left = L"5";
    fields.top = L"6";
    return fields;
}

PlaylistFields FullPlaylist(int kind, int predefined)
{
    PlaylistFields fields = PlaylistAt(kind, predefined);
    fields.id = L"p";
    fields.width = L"200";
    fields.height = L"300";
    fields.columns = L"Name=名前";
    fields.backgroundColor = L"#000000";
    fields.foregroundColor = L"#FFFFFF";
    fields.disabledItemColor = L"#808080";
    fields.itemPlayingBackgroundColor = L"#0000FF";
    fields.itemPlayingColor = L"#FFFF00";
    fields.hideDropDown = true;
    fields.hideItems = true;
    fields.hideColumns = true;
    fields.noSorting = true;
    fields.noEditing = true;
    return fields;
}

const wchar_t kEmptyLook[] =
    L" columns=\"\" backgroundColor=\"\" foregroundColor=\"\" disabledItemColor=\"\""
    L" itemPlayingBackgroundColor=\"\" itemPlayingColor=\"\"";
const wchar_t kFullLook[] =
    L" columns=\"Name=名前\" backgroundColor=\"#000000\" foregroundColor=\"#FFFFFF\" disabledItemColor=\"#808080\""
    L" itemPlayingBackgroundColor=\"#0000FF\" itemPlayingColor=\"#FFFF00\"";
const wchar_t kColumnOptions[] = L" columnsVisible=\"False\" allowColumnSorting=\"False\" allowItemEditing=\"False\"";

}  // namespace

TEST(TextElementText, StandardWithTheDefaults)
{
    EXPECT_EQ(L"\t\t<text left=\"10\" top=\"20\" fontFace=\"ＭＳ Ｐゴシック\" fontSize=\"10\" value=\"abc\"/>\r\n",
              BuildTextElementText(DefaultText()));
}

TEST(TextElementText, EverySizeOfTheListButNone)
{
    const wchar_t* expected[] = {L"8",  L"9",  L"10", L"11", L"12", L"14", L"16", L"18", L"20",
                                 L"24", L"28", L"32", L"36", L"40", L"48", L"64", L"72"};
    TextElementFields fields;
    fields.left = L"1";
    fields.top = L"2";
    fields.fontSize = kNoFontSize;
    EXPECT_STREQ(L"なし", kFontSizes[kNoFontSize]);
    EXPECT_EQ(L"<text left=\"1\" top=\"2\"/>\r\n", BuildTextElementText(fields));
    for (int index = 1; index < kFontSizeCount; ++index) {
        fields.fontSize = index;
        EXPECT_EQ(std::wstring(L"<text left=\"1\" top=\"2\" fontSize=\"") + expected[index - 1] + L"\"/>\r\n",
                  BuildTextElementText(fields))
            << index;
    }
    // No selection at all writes no size either.
    fields.fontSize = -1;
    EXPECT_EQ(L"<text left=\"1\" top=\"2\"/>\r\n", BuildTextElementText(fields));
}

TEST(TextElementText, StandardWritesEveryRowInOrder)
{
    EXPECT_EQ(std::wstring(L"<text") + kFullTextCommon +
                  L" hoverForegroundColor=\"#FF0000\" disabledForegroundColor=\"#808080\" justification=\"Right\""
                  L" value=\"abc\" toolTip=\"tip\" onClick=\"x();\"/>\r\n",
              BuildTextElementText(FullText(TextKindStandard, 2)));
    TextElementFields fields = DefaultText();
    fields.tabCount = 0;
    fields.justification = JustificationCenter;
    EXPECT_EQ(L"<text left=\"10\" top=\"20\" fontFace=\"ＭＳ Ｐゴシック\" fontSize=\"10\" justification=\"Center\""
              L" value=\"abc\"/>\r\n",
              BuildTextElementText(fields));
}

TEST(TextElementText, EveryPredefinedKindKeepsOnlyTheSharedRows)
{
    const wchar_t* expected[] = {L"CurrentPositionText", L"DurationText", L"StatusText", L"TrackNameText"};
    for (int index = 0; index < kPredefinedTextCount; ++index) {
        EXPECT_EQ(std::wstring(L"<") + expected[index] + kFullTextCommon + L"/>\r\n",
                  BuildTextElementText(FullText(TextKindPredefined, index)))
            << index;
    }
    TextElementFields fields = FullText(TextKindPredefined, 2);
    fields.justification = JustificationCenter;
    EXPECT_EQ(std::wstring(L"<StatusText") + kFullTextCommon + L"/>\r\n", BuildTextElementText(fields));
}

TEST(TextElementText, FontFaceUsesItsFirst63Characters)
{
    TextElementFields fields;
    fields.left = L"1";
    fields.top = L"2";
    fields.fontFace = std::wstring(63, L'あ') + L"い";
    EXPECT_EQ(L"<text left=\"1\" top=\"2\" fontFace=\"" + std::wstring(63, L'あ') + L"\"/>\r\n",
              BuildTextElementText(fields));
    fields.fontFace = L" \"&<";
    EXPECT_EQ(L"<text left=\"1\" top=\"2\" fontFace=\" \"&<\"/>\r\n", BuildTextElementText(fields));
}

TEST(EffectsText, LeftAndTopOnlyForTheWmpKind)
{
    EXPECT_EQ(L"<WMPEffects left=\"1\" top=\"2\" horizontalAlignment=\"Left\" verticalAlignment=\"Top\"/>\r\n",
              BuildEffectsText(VisualAt(VisualKindWmp, 0, 0)));
    EXPECT_EQ(std::wstring(L"<effects left=\"1\" top=\"2\"") + kEffectsBindings + L"/>\r\n",
              BuildEffectsText(VisualAt(VisualKindPlain, 0, 0)));
}

TEST(EffectsText, EveryOtherAlignmentForBothKinds)
{
    EXPECT_EQ(L"<WMPEffects left=\"1\" top=\"2\" horizontalAlignment=\"Center\" verticalAlignment=\"Center\"/>\r\n",
              BuildEffectsText(VisualAt(VisualKindWmp, 1, 1)));
    EXPECT_EQ(L"<WMPEffects left=\"1\" top=\"2\" horizontalAlignment=\"Right\" verticalAlignment=\"Bottom\"/>\r\n",
              BuildEffectsText(VisualAt(VisualKindWmp, 2, 2)));
    EXPECT_EQ(std::wstring(L"<effects left=\"1\" top=\"2\" horizontalAlignment=\"Stretch\" verticalAlignment=\"Stretch\"") +
                  kEffectsBindings + L"/>\r\n",
              BuildEffectsText(VisualAt(VisualKindPlain, 3, 3)));
    EXPECT_EQ(std::wstring(L"<effects left=\"1\" top=\"2\" horizontalAlignment=\"Right\"") + kEffectsBindings + L"/>\r\n",
              BuildEffectsText(VisualAt(VisualKindPlain, 2, 0)));
    EXPECT_EQ(L"<WMPEffects left=\"1\" top=\"2\" verticalAlignment=\"Center\"/>\r\n",
              BuildEffectsText(VisualAt(VisualKindWmp, kAlignmentNone, 1)));
    EXPECT_EQ(L"<WMPEffects left=\"1\" top=\"2\"/>\r\n", BuildEffectsText(VisualAt(VisualKindWmp, 4, 7)));
}

TEST(EffectsText, EveryRowInOrder)
{
    VisualFields fields = VisualAt(VisualKindPlain, 1, 2);
    fields.id = L"fx";
    fields.width = L"30";
    fields.height = L"40";
    fields.onClick = L"a < b;";
    fields.option = true;
    fields.tabCount = 3;
    EXPECT_EQ(std::wstring(L"\t\t\t<effects id=\"fx\" left=\"1\" top=\"2\" width=\"30\" height=\"40\" onClick=\"a < b;\""
                           L" horizontalAlignment=\"Center\" verticalAlignment=\"Bottom\" windowed=\"True\"") +
                  kEffectsBindings + L"/>\r\n",
              BuildEffectsText(fields));
    fields.kind = VisualKindWmp;
    fields.tabCount = 0;
    EXPECT_EQ(L"<WMPEffects id=\"fx\" left=\"1\" top=\"2\" width=\"30\" height=\"40\" onClick=\"a < b;\""
              L" horizontalAlignment=\"Center\" verticalAlignment=\"Bottom\" windowed=\"True\"/>\r\n",
              BuildEffectsText(fields));
}

TEST(VideoText, BindingsForThePlainKindOnly)
{
    VisualFields fields = VisualAt(VisualKindPlain, kAlignmentNone, kAlignmentNone);
    EXPECT_EQ(std::wstring(L"<video left=\"1\" top=\"2\"") + kVideoBindings + L"/>\r\n", BuildVideoText(fields));
    fields.kind = VisualKindWmp;
    EXPECT_EQ(L"<WMPVideo left=\"1\" top=\"2\"/>\r\n", BuildVideoText(fields));
}

TEST(VideoText, EveryRowInOrderWithoutOnClick)
{
    VisualFields fields = VisualAt(VisualKindPlain, 0, 3);
    fields.id = L"v";
    fields.width = L"320";
    fields.height = L"240";
    fields.onClick = L"ignored();";
    fields.option = true;
    fields.tabCount = 1;
    EXPECT_EQ(std::wstring(L"\t<video id=\"v\" left=\"1\" top=\"2\" width=\"320\" height=\"240\""
                           L" verticalAlignment=\"Stretch\" windowless=\"True\"") +
                  kVideoBindings + L"/>\r\n",
              BuildVideoText(fields));
    fields.kind = VisualKindWmp;
    EXPECT_EQ(L"\t<WMPVideo id=\"v\" left=\"1\" top=\"2\" width=\"320\" height=\"240\" horizontalAlignment=\"Left\""
              L" verticalAlignment=\"Stretch\" windowless=\"True\"/>\r\n",
              BuildVideoText(fields));
}

TEST(PlaylistText, StandardWritesColumnsAndColoursEvenEmpty)
{
    EXPECT_EQ(std::wstring(L"<playlist left=\"5\" top=\"6\"") + kEmptyLook + L"/>\r\n",
              BuildPlaylistText(PlaylistAt(PlaylistKindStandard, PlaylistItems)));
    PlaylistFields fields = PlaylistAt(PlaylistKindStandard, 0);
    fields.tabCount = 2;
    fields.foregroundColor = L"#123456";
    EXPECT_EQ(L"\t\t<playlist left=\"5\" top=\"6\" columns=\"\" backgroundColor=\"\" foregroundColor=\"#123456\""
              L" disabledItemColor=\"\" itemPlayingBackgroundColor=\"\" itemPlayingColor=\"\"/>\r\n",
              BuildPlaylistText(fields));
}

TEST(PlaylistText, StandardWritesEveryRowInOrder)
{
    EXPECT_EQ(std::wstring(L"<playlist id=\"p\" left=\"5\" top=\"6\" width=\"200\" height=\"300\"") + kFullLook +
                  L" dropDownVisible=\"False\" playlistItemsVisible=\"False\"" + kColumnOptions + L"/>\r\n",
              BuildPlaylistText(FullPlaylist(PlaylistKindStandard, PlaylistDropDown)));
}

TEST(PlaylistText, DropDownKeepsOnlyIdAndThreeCoordinates)
{
    EXPECT_EQ(L"<DropDownPlaylist id=\"p\" left=\"5\" top=\"6\" width=\"200\"/>\r\n",
              BuildPlaylistText(FullPlaylist(PlaylistKindPredefined, PlaylistDropDown)));
    EXPECT_EQ(L"<DropDownPlaylist left=\"5\" top=\"6\"/>\r\n",
              BuildPlaylistText(PlaylistAt(PlaylistKindPredefined, PlaylistDropDown)));
    // No selection counts as the first entry.
    EXPECT_EQ(L"<DropDownPlaylist left=\"5\" top=\"6\"/>\r\n", BuildPlaylistText(PlaylistAt(PlaylistKindPredefined, -1)));
}

TEST(PlaylistText, ItemsDropsTheTwoVisibilityOptions)
{
    EXPECT_EQ(std::wstring(L"<ItemsPlaylist id=\"p\" left=\"5\" top=\"6\" width=\"200\" height=\"300\"") + kFullLook +
                  kColumnOptions + L"/>\r\n",
              BuildPlaylistText(FullPlaylist(PlaylistKindPredefined, PlaylistItems)));
    PlaylistFields fields = PlaylistAt(PlaylistKindPredefined, PlaylistItems);
    fields.noSorting = true;
    fields.tabCount = 1;
    EXPECT_EQ(std::wstring(L"\t<ItemsPlaylist left=\"5\" top=\"6\"") + kEmptyLook + L" allowColumnSorting=\"False\"/>\r\n",
              BuildPlaylistText(fields));
}

TEST(PlaylistText, SingleOptionsOfTheStandardPlaylist)
{
    PlaylistFields fields = PlaylistAt(PlaylistKindStandard, 0);
    fields.hideItems = true;
    EXPECT_EQ(std::wstring(L"<playlist left=\"5\" top=\"6\"") + kEmptyLook + L" playlistItemsVisible=\"False\"/>\r\n",
              BuildPlaylistText(fields));
    fields = PlaylistAt(PlaylistKindStandard, 0);
    fields.hideDropDown = true;
    fields.noEditing = true;
    EXPECT_EQ(std::wstring(L"<playlist left=\"5\" top=\"6\"") + kEmptyLook +
                  L" dropDownVisible=\"False\" allowItemEditing=\"False\"/>\r\n",
              BuildPlaylistText(fields));
}

TEST(DisplayHelp, TextHeadingsWithoutNotes)
{
    HelpParts parts = ExpectHelpShape(
        TextElementHelpText(),
        {L"テキスト コントロールの種類", L"識別 ID", L"座標・サイズ", L"フォント・サイズ", L"前景文字色", L"整列方法",
         L"(*)テキストの値", L"ツール チップ", L"OnClick ハンドラ", L"フォント スムージングを有効にする",
         L"文字列を折り返す", L"タブの数"});
    EXPECT_EQ(L"", parts.notes);
}

TEST(DisplayHelp, EffectsAndVideoHeadingsAndTheirTwoNotes)
{
    HelpParts effects = ExpectHelpShape(EffectsHelpText(),
                                        {L"タグの種類", L"識別 ID", L"座標・サイズ (X/Y 座標は必須)", L"サイズ変更基準",
                                         L"OnClick ハンドラ", L"視覚エフェクト全体を表示する", L"タブの数"});
    HelpParts video = ExpectHelpShape(VideoHelpText(),
                                      {L"タグの種類", L"識別 ID", L"座標・サイズ (X/Y 座標は必須)", L"サイズ変更基準",
                                       L"ビデオ ウィンドウの切り取りを可能にする", L"タブの数"});
    for (const std::wstring& notes : {effects.notes, video.notes}) {
        // 参考, a blank line, 注意: two one-line notes.
        EXPECT_EQ(0u, notes.find(L"参考 : ")) << testing::PrintToString(notes);
        std::size_t second = notes.find(L"\r\n\r\n注意 : ");
        ASSERT_NE(std::wstring::npos, second);
        EXPECT_EQ(second, notes.find(L"\r\n"));
        EXPECT_EQ(notes.size() - 2, notes.find(L"\r\n", second + 4));
    }
    EXPECT_NE(std::wstring::npos, effects.notes.find(L"WMPEffects"));
    EXPECT_NE(std::wstring::npos, effects.notes.find(L"currentEffectType"));
    EXPECT_NE(std::wstring::npos, video.notes.find(L"WMPVideo"));
    EXPECT_NE(std::wstring::npos, video.notes.find(L"stretchToFit"));
}

TEST(DisplayHelp, PlaylistHeadingsExampleAndColumnList)
{
    const wchar_t kColumnsHeading[] = L"表示項目 (カラム名=見出し文字列 の形式で指定)";
    HelpParts parts = ExpectHelpShape(
        PlaylistHelpText(),
        {L"プレイリストの種類", L"識別 ID", L"座標・サイズ (X/Y 座標は必須)", kColumnsHeading, L"表示色",
         L"コンボボックスを非表示にする", L"リスト領域を非表示にする", L"カラムを非表示にする",
         L"並べ替えを不可能にする", L"直接編集を不可能にする", L"タブの数"},
        {kColumnsHeading});
    EXPECT_EQ(L"", parts.notes);
    ASSERT_EQ(11u, parts.paragraphs.size());
    const std::wstring& columns = parts.paragraphs[3];
    std::size_t example = columns.find(L"\r\n\r\n\tName=名前;Duration=長さ\r\n\r\n");
    std::size_t list = columns.find(L"\r\n\r\n"
                                    L"\tAlbum : アルバム名\r\n"
                                    L"\tArtist : アーティスト名\r\n"
                                    L"\tAuthor : 作成者名\r\n"
                                    L"\tDuration : クリップの長さ (例えば音楽なら演奏時間)\r\n"
                                    L"\tName : クリップ名 (曲名など)\r\n\r\n");
    EXPECT_NE(std::wstring::npos, example);
    EXPECT_NE(std::wstring::npos, list);
    EXPECT_LT(example, list);
}
