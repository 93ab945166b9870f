// Line ends: the style a text came with, and the conversions to and from CR LF.
#include "line_ends.h"

#include <gtest/gtest.h>

TEST(LineEnds, StyleOfEachKindOfText)
{
    struct Case {
        const wchar_t* text;
        LineEndStyle style;
        bool mixed;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {L"a\r\nb\r\n", LineEndCrLf, false, L"a\r\nb\r\n"},
        {L"a\nb\n", LineEndLf, false, L"a\r\nb\r\n"},
        {L"a\rb", LineEndCr, false, L"a\r\nb"},
        {L"a\nb\nc\r\n", LineEndLf, true, L"a\r\nb\r\nc\r\n"},
        {L"a\r\nb\nc\r\nd\r", LineEndCrLf, true, L"a\r\nb\r\nc\r\nd\r\n"},
        {L"\n\r", LineEndLf, true, L"\r\n\r\n"},
        {L"", LineEndCrLf, false, L""},
        {L"one line", LineEndCrLf, false, L"one line"},
    };
    for (const Case& c : cases) {
        LineEndCount count;
        EXPECT_EQ(c.shown, ToCrLf(std::wstring(c.text), &count)) << c.text;
        EXPECT_EQ(c.style, count.Dominant()) << c.text;
        EXPECT_EQ(c.mixed, count.Mixed()) << c.text;
    }
}

TEST(LineEnds, EachStyleComesBackAsItWas)
{
    for (const std::string& text : {std::string("<theme>\n\t<view/>\n</theme>"), std::string("a\rb\r"),
                                    std::string("a\r\nb\r\n")}) {
        LineEndCount count;
        std::string shown = ToCrLf(text, &count);
        EXPECT_EQ(text, FromCrLf(shown, count.Dominant()));
    }
    EXPECT_EQ(L"a\nb\rc", FromCrLf(std::wstring(L"a\r\nb\rc"), LineEndLf)) << "a lone CR is left alone";
}
