// The slider text, the checks its wizard makes before inserting, and the shape of its help texts.
#include "slider_wizard_text.h"

#include "help_text_shape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

SliderFields MinimalSlider()
{
    SliderFields fields;
    fields.left = L"1";
    fields.top = L"2";
    fields.width = L"30";
    fields.height = L"4";
    fields.images[kSliderBackgroundImage] = L"back.bmp";
    fields.images[kSliderThumbImage] = L"thumb.bmp";
    return fields;
}

const std::wstring kMinimalAttributes =
    L" left=\"1\" top=\"2\" width=\"30\" height=\"4\" backgroundImage=\"back.bmp\" thumbImage=\"thumb.bmp\"";

// Every field and option filled, as a user might before switching the kind.
SliderFields FullSlider(int kind, int predefined)
{
    SliderFields fields;
    fields.kind = kind;
    fields.predefined = predefined;
    fields.id = L"s";
    fields.left = L"1";
    fields.top = L"2";
    fields.width = L"30";
    fields.height = L"4";
    fields.borderSize = L"6";
    for (int i = 0; i < kSliderColorCount; ++i) fields.colors[i] = L"#00000" + std::to_wstring(i);
    for (int i = 0; i < kSliderImageCount; ++i) fields.images[i] = L"i" + std::to_wstring(i) + L".bmp";
    fields.min = L"0";
    fields.max = L"100";
    fields.value = L"50";
    fields.toolTip = L"tip";
    for (int i = 0; i < kSliderHandlerCount; ++i) fields.handlers[i] = L"h" + std::to_wstring(i) + L"();";
    fields.vertical = true;
    fields.tiled = true;
    fields.progress = true;
    return fields;
}

// The rows every kind of slider writes, as FullSlider fills them.
const std::wstring kFullCommonAttributes =
    L" id=\"s\" left=\"1\" top=\"2\" width=\"30\" height=\"4\" borderSize=\"6\""
    L" backgroundColor=\"#000000\" backgroundEndColor=\"#000001\" foregroundColor=\"#000002\""
    L" foregroundEndColor=\"#000003\" disabledColor=\"#000004\" transparencyColor=\"#000005\""
    L" backgroundImage=\"i0.bmp\" backgroundHoverImage=\"i1.bmp\" foregroundImage=\"i2.bmp\""
    L" foregroundHoverImage=\"i3.bmp\" disabledImage=\"i4.bmp\" thumbImage=\"i5.bmp\""
    L" thumbHoverImage=\"i6.bmp\" thumbDownImage=\"i7.bmp\" thumbDisabledImage=\"i8.bmp\"";

std::wstring Tabs(int count)
{
    return std::wstring(static_cast<std::size_t>(count), L'\t');
}

}  // namespace

TEST(SliderText, MinimalStandardSliderWithTabs)
{
    SliderFields fields = MinimalSlider();
    EXPECT_EQ(L"<slider" + kMinimalAttributes + L"/>\r\n", BuildSliderText(fields));
    fields.tabCount = 1;
    EXPECT_EQ(L"\t<slider" + kMinimalAttributes + L"/>\r\n", BuildSliderText(fields));
    fields.tabCount = 100;
    EXPECT_EQ(Tabs(100) + L"<slider" + kMinimalAttributes + L"/>\r\n", BuildSliderText(fields));
}

TEST(SliderText, StandardWritesEveryRowInOrder)
{
    SliderFields fields = FullSlider(SliderKindStandard, 2);
    fields.tabCount = 2;
    EXPECT_EQ(L"\t\t<slider" + kFullCommonAttributes +
                  L" min=\"0\" max=\"100\" value=\"50\" toolTip=\"tip\" direction=\"Vertical\" tiled=\"True\""
                  L" useForegroundProgress=\"True\" onDragBegin=\"h0();\" onDragEnd=\"h1();\""
                  L" onPositionChange=\"h2();\" value_onChange=\"h3();\"/>\r\n",
              BuildSliderText(fields));
}

TEST(SliderText, PredefinedSlidersDropTheStandardOnlyRows)
{
    const wchar_t* expected[] = {L"SeekSlider", L"VolumeSlider", L"BalanceSlider"};
    for (int index = 0; index < kPredefinedSliderCount; ++index) {
        EXPECT_EQ(std::wstring(L"<") + expected[index] + kFullCommonAttributes +
                      L" direction=\"Vertical\" tiled=\"True\"/>\r\n",
                  BuildSliderText(FullSlider(SliderKindPredefined, index)))
            << index;
    }
}

TEST(SliderText, OptionsOneByOne)
{
    SliderFields fields = MinimalSlider();
    fields.vertical = true;
    EXPECT_EQ(L"<slider" + kMinimalAttributes + L" direction=\"Vertical\"/>\r\n", BuildSliderText(fields));
    fields.vertical = false;
    fields.tiled = true;
    EXPECT_EQ(L"<slider" + kMinimalAttributes + L" tiled=\"True\"/>\r\n", BuildSliderText(fields));
    fields.tiled = false;
    fields.progress = true;
    EXPECT_EQ(L"<slider" + kMinimalAttributes + L" useForegroundProgress=\"True\"/>\r\n", BuildSliderText(fields));

    fields.kind = SliderKindPredefined;
    fields.predefined = 1;
    EXPECT_EQ(L"<VolumeSlider" + kMinimalAttributes + L"/>\r\n", BuildSliderText(fields));
    fields.tiled = true;
    EXPECT_EQ(L"<VolumeSlider" + kMinimalAttributes + L" tiled=\"True\"/>\r\n", BuildSliderText(fields));
}

TEST(SliderText, SparseFieldsKeepTheirOwnNames)
{
    // A colour, image or handler must land on its own attribute, not on its neighbour's.
    SliderFields fields;
    fields.colors[4] = L"#808080";
    fields.images[3] = L"fh.bmp";
    fields.images[8] = L"td.bmp";
    fields.handlers[3] = L"v();";
    fields.max = L"10";
    fields.toolTip = L"t";
    EXPECT_EQ(L"<slider disabledColor=\"#808080\" foregroundHoverImage=\"fh.bmp\" thumbDisabledImage=\"td.bmp\""
              L" max=\"10\" toolTip=\"t\" value_onChange=\"v();\"/>\r\n",
              BuildSliderText(fields));
}

TEST(SliderText, OutOfRangeIndexesCountAsTheFirstEntry)
{
    SliderFields fields = MinimalSlider();
    fields.min = L"0";
    for (int kind : {-1, 2, 7}) {
        fields.kind = kind;
        EXPECT_EQ(L"<slider" + kMinimalAttributes + L" min=\"0\"/>\r\n", BuildSliderText(fields)) << kind;
    }
    fields.kind = SliderKindPredefined;
    for (int index : {-1, kPredefinedSliderCount, 99}) {
        fields.predefined = index;
        EXPECT_EQ(L"<SeekSlider" + kMinimalAttributes + L"/>\r\n", BuildSliderText(fields)) << index;
    }
}

TEST(SliderChecks, BoundsNeedAllFour)
{
    EXPECT_TRUE(SliderBoundsComplete(MinimalSlider()));
    for (std::wstring SliderFields::*field : {&SliderFields::left, &SliderFields::top, &SliderFields::width,
                                               &SliderFields::height}) {
        SliderFields fields = MinimalSlider();
        (fields.*field).clear();
        EXPECT_FALSE(SliderBoundsComplete(fields));
    }
    SliderFields spaces;
    spaces.left = spaces.top = spaces.width = spaces.height = L" ";
    EXPECT_TRUE(SliderBoundsComplete(spaces));
}

TEST(SliderChecks, ImagesNeedBackgroundAndThumb)
{
    EXPECT_TRUE(SliderImagesComplete(MinimalSlider()));
    SliderFields fields = MinimalSlider();
    fields.images[kSliderBackgroundImage].clear();
    EXPECT_FALSE(SliderImagesComplete(fields));
    fields = MinimalSlider();
    fields.images[kSliderThumbImage].clear();
    EXPECT_FALSE(SliderImagesComplete(fields));

    // The other seven images stand in for neither.
    fields = FullSlider(SliderKindStandard, 0);
    fields.images[kSliderBackgroundImage].clear();
    fields.images[kSliderThumbImage].clear();
    EXPECT_FALSE(SliderImagesComplete(fields));
}

TEST(SliderChecks, HandlerWarningOnlyForAStandardSliderWithoutHandlers)
{
    SliderFields fields = MinimalSlider();
    EXPECT_TRUE(IsStandardSlider(fields));
    EXPECT_TRUE(SliderNeedsHandlerWarning(fields));
    for (int i = 0; i < kSliderHandlerCount; ++i) {
        SliderFields one = MinimalSlider();
        one.handlers[i] = L"x();";
        EXPECT_FALSE(SliderNeedsHandlerWarning(one)) << i;
    }
    fields.kind = SliderKindPredefined;
    EXPECT_FALSE(IsStandardSlider(fields));
    EXPECT_FALSE(SliderNeedsHandlerWarning(fields));
    fields.kind = 5;
    EXPECT_TRUE(IsStandardSlider(fields));
    EXPECT_TRUE(SliderNeedsHandlerWarning(fields));
}

TEST(SliderHelp, MainHeadingsAndTheBorderSize)
{
    std::vector<std::wstring> headings = {
        L"スライダーの種類", L"識別 ID", L"(*)座標・サイズ", L"ボーダー サイズ",
        L"カラー指定、最小値、および最大値 (すべて省略可能)", L"イメージ ファイル ボタン",
        L"イベント ハンドラ ボタン", L"値", L"ツール チップ", L"その他ボタン", L"タブの数",
    };
    HelpParts parts = ExpectHelpShape(SliderHelpText(), headings);
    EXPECT_EQ(L"", parts.notes);
    ASSERT_EQ(headings.size(), parts.paragraphs.size());
    const std::wstring& border = parts.paragraphs[3];
    EXPECT_NE(std::wstring::npos, border.find(L"borderSize"));
    EXPECT_NE(std::wstring::npos, border.find(L"半分"));
    EXPECT_NE(std::wstring::npos, border.find(L"12 × 12 ピクセルのつまみなら 6"));
}

TEST(SliderHelp, SubDialogHeadings)
{
    HelpParts images = ExpectHelpShape(SliderImagesHelpText(), {
        L"(*)背景イメージ", L"背景イメージ (ホバー)", L"前景イメージ", L"前景イメージ (ホバー)",
        L"ディセーブル イメージ", L"(*)つまみ (通常)", L"つまみ (ホバー)", L"つまみ (押下)",
        L"つまみ (ディセーブル)",
    });
    EXPECT_EQ(L"", images.notes);
    // Each image paragraph names the attribute it fills.
    ASSERT_EQ(static_cast<std::size_t>(kSliderImageCount), images.paragraphs.size());
    for (int i = 0; i < kSliderImageCount; ++i) {
        EXPECT_NE(std::wstring::npos, images.paragraphs[i].find(std::wstring(kSliderImageNames[i]) + L" 属性"))
            << i;
    }

    HelpParts handlers = ExpectHelpShape(SliderHandlersHelpText(), {
        L"OnDragBegin ハンドラ", L"OnDragEnd ハンドラ", L"OnPositionChange ハンドラ", L"value_OnChange ハンドラ",
    });
    EXPECT_EQ(L"", handlers.notes);
}

TEST(SliderHelp, OptionsEndWithTheForegroundProgressNote)
{
    HelpParts parts = ExpectHelpShape(SliderOptionsHelpText(), {
        L"direction 属性の値を Vertical に設定する", L"イメージを並べて表示する", L"進行状況の追跡を可能にする",
    });
    EXPECT_EQ(L"(注) : 手動で入力する必要があります。\r\n", parts.notes);
    ASSERT_EQ(3u, parts.paragraphs.size());
    EXPECT_NE(std::wstring::npos, parts.paragraphs[2].find(L"foregroundProgress 属性 (注)"));
}
