// The button group, button element and button texts, and the shape of their help texts.
#include "button_element_wizard_text.h"
#include "button_group_wizard_text.h"
#include "button_wizard_text.h"

#include "help_text_shape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring Tabs(int count)
{
    return std::wstring(static_cast<std::size_t>(count), L'\t');
}

ButtonGroupFields GroupWithMapping(const std::wstring& mapping, int tabs)
{
    ButtonGroupFields fields;
    fields.mappingImage = mapping;
    fields.tabCount = tabs;
    return fields;
}

ButtonElementFields ElementOf(int kind)
{
    ButtonElementFields fields;
    fields.kind = kind;
    fields.mappingColor = L"#FF0000";
    return fields;
}

// Every field and option filled, as a user might before switching the kind.
ButtonElementFields FullElement(int kind)
{
    ButtonElementFields fields = ElementOf(kind);
    fields.upToolTip = L"up";
    fields.onClick = L"play();";
    fields.disabled = true;
    fields.sticky = true;
    fields.down = true;
    fields.downToolTip = L"dn";
    return fields;
}

ButtonFields MinimalButton()
{
    ButtonFields fields;
    fields.left = L"1";
    fields.top = L"2";
    fields.width = L"30";
    fields.height = L"40";
    fields.image = L"b.bmp";
    return fields;
}

const wchar_t kMinimalAttributes[] = L" left=\"1\" top=\"2\" width=\"30\" height=\"40\" image=\"b.bmp\"";

ButtonFields FullButton(int kind, int predefined)
{
    ButtonFields fields = MinimalButton();
    fields.kind = kind;
    fields.predefined = predefined;
    fields.color = L"#FF00FF";
    fields.onClick = L"x();";
    fields.upToolTip = L"up";
    fields.disabled = true;
    fields.tiled = true;
    fields.sticky = true;
    fields.down = true;
    fields.downToolTip = L"dn";
    return fields;
}

bool EndsWith(const std::wstring& text, const std::wstring& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

TEST(ButtonGroupText, OnlyTheMappingImageWithTwoTabs)
{
    EXPECT_EQ(L"\t\t<buttongroup mappingImage=\"map.bmp\">\r\n\r\n\t\t</buttongroup>\r\n",
              BuildButtonGroupText(GroupWithMapping(L"map.bmp", 2)));
}

TEST(ButtonGroupText, TabCountsIndentBothTags)
{
    EXPECT_EQ(L"<buttongroup mappingImage=\"m\">\r\n\r\n</buttongroup>\r\n",
              BuildButtonGroupText(GroupWithMapping(L"m", 0)));
    EXPECT_EQ(L"\t<buttongroup mappingImage=\"m\">\r\n\r\n\t</buttongroup>\r\n",
              BuildButtonGroupText(GroupWithMapping(L"m", 1)));
    EXPECT_EQ(Tabs(100) + L"<buttongroup mappingImage=\"m\">\r\n\r\n" + Tabs(100) + L"</buttongroup>\r\n",
              BuildButtonGroupText(GroupWithMapping(L"m", 100)));
    EXPECT_EQ(L"<buttongroup mappingImage=\"m\">\r\n\r\n</buttongroup>\r\n",
              BuildButtonGroupText(GroupWithMapping(L"m", -3)));
}

TEST(ButtonGroupText, EveryAttributeAndOptionInOrder)
{
    ButtonGroupFields fields;
    fields.id = L"g";
    fields.left = L"1";
    fields.top = L"2";
    fields.width = L"3";
    fields.height = L"4";
    fields.image = L"i.bmp";
    fields.mappingImage = L"m.bmp";
    fields.hoverImage = L"h.bmp";
    fields.downImage = L"d.bmp";
    fields.hoverDownImage = L"hd.bmp";
    fields.disabledImage = L"x.bmp";
    fields.transparencyColor = L"#FF00FF";
    fields.radio = true;
    fields.showBackground = true;
    fields.tabCount = 1;
    EXPECT_EQ(L"\t<buttongroup id=\"g\" left=\"1\" top=\"2\" width=\"3\" height=\"4\" image=\"i.bmp\""
              L" mappingImage=\"m.bmp\" hoverImage=\"h.bmp\" downImage=\"d.bmp\" hoverDownImage=\"hd.bmp\""
              L" disabledImage=\"x.bmp\" transparencyColor=\"#FF00FF\" radio=\"True\" showBackground=\"True\">"
              L"\r\n\r\n\t</buttongroup>\r\n",
              BuildButtonGroupText(fields));

    fields = GroupWithMapping(L"m", 0);
    fields.showBackground = true;
    fields.top = L"7";
    EXPECT_EQ(L"<buttongroup top=\"7\" mappingImage=\"m\" showBackground=\"True\">\r\n\r\n</buttongroup>\r\n",
              BuildButtonGroupText(fields));
    fields.showBackground = false;
    fields.radio = true;
    EXPECT_EQ(L"<buttongroup top=\"7\" mappingImage=\"m\" radio=\"True\">\r\n\r\n</buttongroup>\r\n",
              BuildButtonGroupText(fields));
}

TEST(ButtonGroupText, FieldTextGoesInAsTyped)
{
    ButtonGroupFields fields = GroupWithMapping(L"a \"b\" & <c>.bmp", 0);
    fields.id = L"  ";
    EXPECT_EQ(L"<buttongroup id=\"  \" mappingImage=\"a \"b\" & <c>.bmp\">\r\n\r\n</buttongroup>\r\n",
              BuildButtonGroupText(fields));
}

TEST(ButtonElementText, EveryKindByItsRadio)
{
    const wchar_t* expected[] = {
        L"buttonelement", L"playelement", L"pauseelement", L"stopelement",
        L"prevelement",   L"rewelement",  L"ffwdelement",  L"nextelement",
    };
    for (int kind = 0; kind < kButtonElementKindCount; ++kind) {
        EXPECT_EQ(std::wstring(L"<") + expected[kind] + L" mappingColor=\"#FF0000\"/>\r\n",
                  BuildButtonElementText(ElementOf(kind)))
            << kind;
    }
}

TEST(ButtonElementText, MappingColorIsWrittenEvenEmpty)
{
    ButtonElementFields fields;
    EXPECT_EQ(L"<buttonelement mappingColor=\"\"/>\r\n", BuildButtonElementText(fields));
}

TEST(ButtonElementText, StandardWritesEveryRowInOrder)
{
    EXPECT_EQ(L"<buttonelement mappingColor=\"#FF0000\" upToolTip=\"up\" onClick=\"play();\""
              L" enabled=\"False\" sticky=\"True\" down=\"True\" downToolTip=\"dn\"/>\r\n",
              BuildButtonElementText(FullElement(ButtonElementStandard)));
}

TEST(ButtonElementText, PredefinedKindsWriteOnlyColorAndToolTip)
{
    EXPECT_EQ(L"<playelement mappingColor=\"#FF0000\" upToolTip=\"up\"/>\r\n",
              BuildButtonElementText(FullElement(1)));
    EXPECT_EQ(L"<nextelement mappingColor=\"#FF0000\" upToolTip=\"up\"/>\r\n",
              BuildButtonElementText(FullElement(7)));
}

TEST(ButtonElementText, DownRowsOnlyWithSticky)
{
    ButtonElementFields fields = FullElement(ButtonElementStandard);
    fields.sticky = false;
    EXPECT_EQ(L"<buttonelement mappingColor=\"#FF0000\" upToolTip=\"up\" onClick=\"play();\" enabled=\"False\"/>\r\n",
              BuildButtonElementText(fields));

    fields = ElementOf(ButtonElementStandard);
    fields.sticky = true;
    fields.downToolTip = L"dn";
    EXPECT_EQ(L"<buttonelement mappingColor=\"#FF0000\" sticky=\"True\" downToolTip=\"dn\"/>\r\n",
              BuildButtonElementText(fields));
    fields.downToolTip.clear();
    fields.down = true;
    EXPECT_EQ(L"<buttonelement mappingColor=\"#FF0000\" sticky=\"True\" down=\"True\"/>\r\n",
              BuildButtonElementText(fields));
}

TEST(ButtonElementText, SingleOptionalRows)
{
    ButtonElementFields fields = ElementOf(ButtonElementStandard);
    fields.onClick = L"x();";
    EXPECT_EQ(L"<buttonelement mappingColor=\"#FF0000\" onClick=\"x();\"/>\r\n", BuildButtonElementText(fields));
    fields = ElementOf(ButtonElementStandard);
    fields.disabled = true;
    EXPECT_EQ(L"<buttonelement mappingColor=\"#FF0000\" enabled=\"False\"/>\r\n", BuildButtonElementText(fields));
    fields = ElementOf(ButtonElementStandard);
    fields.upToolTip = L"tip";
    EXPECT_EQ(L"<buttonelement mappingColor=\"#FF0000\" upToolTip=\"tip\"/>\r\n", BuildButtonElementText(fields));
}

TEST(ButtonElementText, TabCountsAndVerbatimText)
{
    ButtonElementFields fields = ElementOf(2);
    fields.tabCount = 1;
    EXPECT_EQ(L"\t<pauseelement mappingColor=\"#FF0000\"/>\r\n", BuildButtonElementText(fields));
    fields.tabCount = 100;
    EXPECT_EQ(Tabs(100) + L"<pauseelement mappingColor=\"#FF0000\"/>\r\n", BuildButtonElementText(fields));

    fields = ElementOf(ButtonElementStandard);
    fields.mappingColor = L" red ";
    fields.onClick = L"alert(\"a & b < c\");";
    EXPECT_EQ(L"<buttonelement mappingColor=\" red \" onClick=\"alert(\"a & b < c\");\"/>\r\n",
              BuildButtonElementText(fields));
}

TEST(ButtonText, StandardMinimalAndTabs)
{
    EXPECT_EQ(std::wstring(L"<button") + kMinimalAttributes + L"/>\r\n", BuildButtonText(MinimalButton()));
    ButtonFields fields = MinimalButton();
    fields.tabCount = 1;
    EXPECT_EQ(std::wstring(L"\t<button") + kMinimalAttributes + L"/>\r\n", BuildButtonText(fields));
    fields.tabCount = 100;
    EXPECT_EQ(Tabs(100) + L"<button" + kMinimalAttributes + L"/>\r\n", BuildButtonText(fields));
}

TEST(ButtonText, StandardWritesEveryRowInOrder)
{
    ButtonFields fields = FullButton(ButtonKindStandard, 3);
    fields.id = L"b1";
    fields.hoverImage = L"h.bmp";
    fields.downImage = L"d.bmp";
    fields.hoverDownImage = L"hd.bmp";
    fields.disabledImage = L"x.bmp";
    EXPECT_EQ(L"<button id=\"b1\" left=\"1\" top=\"2\" width=\"30\" height=\"40\" image=\"b.bmp\""
              L" hoverImage=\"h.bmp\" downImage=\"d.bmp\" hoverDownImage=\"hd.bmp\" disabledImage=\"x.bmp\""
              L" transparencyColor=\"#FF00FF\" onClick=\"x();\" upToolTip=\"up\" enabled=\"False\""
              L" tiled=\"True\" sticky=\"True\" down=\"True\" downToolTip=\"dn\"/>\r\n",
              BuildButtonText(fields));
}

TEST(ButtonText, EveryPredefinedButtonByItsListIndex)
{
    const wchar_t* expected[] = {
        L"playbutton", L"pausebutton", L"stopbutton", L"prevbutton", L"rewbutton",
        L"ffwdbutton", L"nextbutton", L"mutebutton", L"repeatbutton", L"shufflebutton",
        L"returnbutton", L"minimizebutton", L"closebutton",
    };
    for (int index = 0; index < kPredefinedButtonCount; ++index) {
        ButtonFields fields = MinimalButton();
        fields.kind = ButtonKindPredefined;
        fields.predefined = index;
        EXPECT_EQ(std::wstring(L"<") + expected[index] + kMinimalAttributes + L"/>\r\n", BuildButtonText(fields))
            << index;
    }
}

TEST(ButtonText, PredefinedKeepsOnlyTheKindlessRows)
{
    // The full mode button with everything filled: the colour and tiled stay, the rest goes.
    EXPECT_EQ(std::wstring(L"<returnbutton") + kMinimalAttributes + L" transparencyColor=\"#FF00FF\" tiled=\"True\"/>\r\n",
              BuildButtonText(FullButton(ButtonKindPredefined, 10)));
    ButtonFields fields = FullButton(ButtonKindPredefined, 10);
    fields.colorAsClipping = true;
    fields.tiled = false;
    EXPECT_EQ(std::wstring(L"<returnbutton") + kMinimalAttributes + L" clippingColor=\"#FF00FF\"/>\r\n",
              BuildButtonText(fields));
}

TEST(ButtonText, ColorAsClippingOrTransparency)
{
    ButtonFields fields = MinimalButton();
    fields.colorAsClipping = true;
    EXPECT_EQ(std::wstring(L"<button") + kMinimalAttributes + L"/>\r\n", BuildButtonText(fields));
    fields.color = L"#FF00FF";
    EXPECT_EQ(std::wstring(L"<button") + kMinimalAttributes + L" clippingColor=\"#FF00FF\"/>\r\n",
              BuildButtonText(fields));
    fields.colorAsClipping = false;
    EXPECT_EQ(std::wstring(L"<button") + kMinimalAttributes + L" transparencyColor=\"#FF00FF\"/>\r\n",
              BuildButtonText(fields));
}

TEST(ButtonText, DownRowsOnlyWithSticky)
{
    ButtonFields fields = FullButton(ButtonKindStandard, 0);
    fields.color.clear();
    fields.sticky = false;
    EXPECT_EQ(std::wstring(L"<button") + kMinimalAttributes +
                  L" onClick=\"x();\" upToolTip=\"up\" enabled=\"False\" tiled=\"True\"/>\r\n",
              BuildButtonText(fields));
    fields = MinimalButton();
    fields.sticky = true;
    fields.downToolTip = L"dn";
    EXPECT_EQ(std::wstring(L"<button") + kMinimalAttributes + L" sticky=\"True\" downToolTip=\"dn\"/>\r\n",
              BuildButtonText(fields));
}

TEST(ButtonText, FieldTextGoesInAsTyped)
{
    ButtonFields fields = MinimalButton();
    fields.id = L" a\"b ";
    fields.upToolTip = L"<&>";
    EXPECT_EQ(L"<button id=\" a\"b \" left=\"1\" top=\"2\" width=\"30\" height=\"40\" image=\"b.bmp\""
              L" upToolTip=\"<&>\"/>\r\n",
              BuildButtonText(fields));
}

TEST(ButtonHelp, GroupHeadingsAndNote)
{
    std::vector<std::wstring> headings = {
        L"識別 ID", L"座標・サイズ", L"基本イメージ", L"(*)マッピング イメージ", L"ホバー イメージ",
        L"ホバーダウン イメージ", L"ディセーブル イメージ", L"透明色", L"ラジオ ボタンとして機能させる",
        L"ビットマップをフルで表示する", L"タブの数",
    };
    HelpParts parts = ExpectHelpShape(ButtonGroupHelpText(), headings);
    // One note, on one line, closes the text.
    EXPECT_EQ(0u, parts.notes.find(L"注意 : "));
    EXPECT_EQ(parts.notes.size() - 2, parts.notes.find(L"\r\n"));
}

TEST(ButtonHelp, ElementHeadingsNoteAndExample)
{
    const std::wstring text = ButtonElementHelpText();
    std::vector<std::wstring> headings = {
        L"ボタンエレメントの種類", L"(*)マッピング カラー", L"ツール チップ", L"(*)OnClick ハンドラ",
        L"使用不可に設定", L"トグル モードに設定", L"押下状態に設定", L"タブの数",
    };
    HelpParts parts = ExpectHelpShape(text, headings);
    EXPECT_EQ(0u, parts.notes.find(L"注意 : "));
    const std::wstring example =
        L"\r\n\r\n入力例 :\r\n\r\n"
        L"<theme>\r\n"
        L"    <view>\r\n"
        L"        <buttongroup mappingImage=\"map.bmp\">\r\n"
        L"            <buttonelement mappingColor=\"#FF0000\" onClick=\"JScript:view.close();\"/>\r\n"
        L"        </buttongroup>\r\n"
        L"    </view>\r\n"
        L"</theme>\r\n";
    EXPECT_TRUE(EndsWith(parts.notes, example));
    EXPECT_GT(parts.notes.size(), example.size());
    EXPECT_NE(std::wstring::npos, text.find(L"enabled=\"False\""));
}

TEST(ButtonHelp, ButtonHeadingsWithoutNotes)
{
    const std::wstring text = ButtonHelpText();
    std::vector<std::wstring> headings = {
        L"ボタンの種類", L"識別 ID", L"(*)座標・サイズ", L"(*)基本イメージ", L"ホバー イメージ",
        L"ホバーダウン イメージ", L"ディセーブル イメージ", L"(*)OnClick ハンドラ", L"透明色", L"ツール チップ",
        L"使用不可に設定", L"画像を並べて表示", L"トグル モードに設定", L"押下状態に設定",
        L"透明色定義として clippingColor 属性を使う", L"タブの数",
    };
    HelpParts parts = ExpectHelpShape(text, headings);
    // The last section's paragraph closes the text: one line, one line break.
    EXPECT_EQ(L"", parts.notes);
    ASSERT_EQ(headings.size(), parts.paragraphs.size());
    EXPECT_EQ(std::wstring::npos, parts.paragraphs.back().find(L"\r\n"));
    EXPECT_NE(std::wstring::npos, text.find(L"enabled=\"False\""));
}
