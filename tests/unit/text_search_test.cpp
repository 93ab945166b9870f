// Finding and replacing in plain text.
#include "text_search.h"

#include <gtest/gtest.h>

namespace {

TEST(TextSearch, FindsForwardExactlyAndNeverInsideASurrogatePair)
{
    const std::wstring pair = L"\xD83D\xDE00";   // one character, two units
    struct Case { std::wstring text, what; std::size_t start, expected; };
    const Case cases[] = {
        {L"xabc", L"abc", 0, 1},                     // ends at the last unit
        {L"xabc", L"abc", 1, 1},
        {L"xabc", L"abc", 2, kNoMatch},
        {L"xabc", L"ABC", 0, kNoMatch},              // case-sensitive
        {L"xABC abc", L"abc", 0, 5},
        {L"xabc", L"abc", 4, kNoMatch},
        {L"xabc", L"abc", 9, kNoMatch},              // start beyond the end
        {L"xabc", L"", 0, kNoMatch},
        {pair + L"\xDE00", L"\xDE00", 0, 2},         // the low half of the pair is skipped
        {L"\xDE00" + pair, L"\xDE00", 0, 0},         // a lone low surrogate is a character
        {L"a" + pair, pair, 0, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, FindInText(c.text, c.what, c.start)) << c.text.size() << " units from " << c.start;
}

TEST(TextSearch, ReplaceAllReplacesTheOldTextOnceFromTheTop)
{
    struct Case {
        std::wstring text, what, with;
        std::size_t start;
        std::wstring expected;
        std::size_t count, caret, searchStart;
        bool warning;
    };
    const Case cases[] = {
        {L"aaa", L"a", L"aa", 0, L"aaaaaa", 3, 6, 6, false},
        {L"aaa", L"a", L"aa", 2, L"aaaaaa", 3, 6, 6, false},
        {L"aaa", L"a", L"aa", 3, L"aaaaaa", 3, 6, 6, true},     // every match before the position
        {L"a-b-a-c", L"a", L"xyz", 7, L"xyz-b-xyz-c", 2, 9, 9, true},
        {L"aaaa", L"aa", L"b", 1, L"bb", 2, 2, 2, false},       // the match at 1 counts for the warning
        {L"abc", L"x", L"y", 0, L"abc", 0, 0, 0, true},
        {L"one two one", L"one", L"", 0, L" two ", 2, 5, 5, false},
    };
    for (const Case& c : cases) {
        ReplaceAllResult result = ReplaceAllInText(c.text, c.what, c.with, c.start);
        EXPECT_EQ(c.expected, result.text);
        EXPECT_EQ(c.count, result.count);
        if (c.count) {
            EXPECT_EQ(c.caret, result.caret);
        }
        EXPECT_EQ(c.searchStart, result.searchStart);
        EXPECT_EQ(c.warning, result.notFoundWarning);
    }
}

}  // namespace
