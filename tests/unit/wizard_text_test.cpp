// The wizards' shared pieces: fragments, tabs, the limits, colour codes and the help shape.
#include "wizard_text.h"

#include <gtest/gtest.h>

TEST(WizardText, AttributesAreWrittenVerbatimAndOnlyWhenSet)
{
    std::wstring text = L"<view";
    AppendAttribute(text, L"id", L"");
    AppendAttribute(text, L"id", L"abc");
    AppendAttribute(text, L"title", L"  ");
    AppendAttribute(text, L"onClick", L"a=\"b\" & <c>");
    AppendAttributeAlways(text, L"columns", L"");
    EXPECT_EQ(L"<view id=\"abc\" title=\"  \" onClick=\"a=\"b\" & <c>\" columns=\"\"", text);

    std::wstring options;
    AppendOption(options, false, L" radio=\"True\"");
    AppendOption(options, true, L" tiled=\"True\"");
    EXPECT_EQ(L" tiled=\"True\"", options);
}

TEST(WizardText, TabsFromZeroToTheDeepest)
{
    std::wstring text;
    AppendTabs(text, 0);
    AppendTabs(text, -5);
    EXPECT_EQ(L"", text);
    AppendTabs(text, 1);
    EXPECT_EQ(L"\t", text);
    text.clear();
    AppendTabs(text, kMaxTabCount);
    EXPECT_EQ(std::wstring(100, L'\t'), text);

    EXPECT_FALSE(TabCountTooDeep(-1));
    EXPECT_FALSE(TabCountTooDeep(100));
    EXPECT_TRUE(TabCountTooDeep(101));
}

TEST(WizardText, Win9xGuardPassesExactly64KB)
{
    EXPECT_TRUE(InsertionFitsWin9x(65496, 40));
    EXPECT_FALSE(InsertionFitsWin9x(65497, 40));
    EXPECT_FALSE(InsertionFitsWin9x(65500, 40));
    EXPECT_TRUE(InsertionFitsWin9x(0, 65536));
    EXPECT_FALSE(InsertionFitsWin9x(65537, 0));
    // No wrap-around for sizes near the top of size_t.
    EXPECT_FALSE(InsertionFitsWin9x(10, static_cast<std::size_t>(-5)));
}

TEST(WizardText, ColorCodesAreUpperCaseRedGreenBlue)
{
    EXPECT_EQ(L"#FF8000", ColorCodeText(0xFF, 0x80, 0x00));
    EXPECT_EQ(L"#000000", ColorCodeText(0, 0, 0));
    EXPECT_EQ(L"#0A0B0C", ColorCodeText(10, 11, 12));
}

TEST(WizardText, HelpTextHasSectionsAndEndsInOneLineBreak)
{
    EXPECT_EQ(L"はじめに\r\n\r\n・識別 ID\r\n\r\n　要素の ID です。\r\n\r\n・透明色\r\n\r\n　省略できます。\r\n",
              BuildHelpText(L"はじめに", {{L"識別 ID", L"要素の ID です。"}, {L"透明色", L"省略できます。"}}));
    EXPECT_EQ(L"はじめに\r\n\r\n・a\r\n\r\n　b\r\n\r\n注意 : c\r\n",
              BuildHelpText(L"はじめに", {{L"a", L"b"}}, L"注意 : c\r\n"));
}
