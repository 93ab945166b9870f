// Inserting generated text into the document: where it goes, where the caret ends, what is refused.
#include "text_insertion.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What an edit control limited with EM_LIMITTEXT 0 holds on NT.
const std::size_t kNoLimit = 0x7FFFFFFE;

struct Result {
    bool inserted;
    std::wstring document;
    std::size_t caret;
};

Result Insert(std::wstring document, std::size_t start, const wchar_t* text, std::size_t added = 0,
              std::size_t limit = kNoLimit)
{
    std::size_t caret = 12345;
    bool inserted = InsertIntoDocument(&document, start, text, added, limit, &caret);
    return {inserted, document, inserted ? caret : 12345};
}

}  // namespace

TEST(TextInsertion, GoesInFrontOfTheSelectionWithTheCaretBehindIt)
{
    const struct { const wchar_t* document; std::size_t start; const wchar_t* text; const wchar_t* result; std::size_t caret; } cases[] = {
        {L"", 0, L"<a/>", L"<a/>", 4},
        {L"0123456789abc", 5, L"日本", L"01234日本56789abc", 7},
        {L"xyz", 0, L"<", L"<xyz", 1},
        {L"xyz", 3, L">", L"xyz>", 4},
        {L"xyz", 99, L">", L"xyz>", 4},
    };
    for (const auto& c : cases) {
        Result r = Insert(c.document, c.start, c.text);
        EXPECT_TRUE(r.inserted) << c.result;
        EXPECT_EQ(c.result, r.document);
        EXPECT_EQ(c.caret, r.caret) << c.result;
    }
}

TEST(TextInsertion, RefusesNothingAndTooMuchWithoutAChange)
{
    std::wstring tooLong(kInsertTextLimit + 1, L'a');
    for (const wchar_t* text : {L"", static_cast<const wchar_t*>(nullptr), tooLong.c_str()}) {
        Result r = Insert(L"keep", 2, text);
        EXPECT_FALSE(r.inserted);
        EXPECT_EQ(L"keep", r.document);
    }
    std::wstring longest(kInsertTextLimit, L'a');
    Result r = Insert(L"keep", 2, longest.c_str());
    EXPECT_TRUE(r.inserted);
    EXPECT_EQ(L"ke" + longest + L"ep", r.document);
}

// A file's text counts without the CRs its LF line ends gained; the control's limit still holds.
TEST(TextInsertion, ConvertedTextCountsAsReadAndWithinTheControlsLimit)
{
    std::wstring lines;
    for (int i = 0; i < 16384; ++i) lines += L"a\r\n";   // 49,152 units, 16,384 of them added
    struct Case { std::size_t added; std::size_t limit; bool inserted; };
    for (const Case& c : {Case{16383, kNoLimit, false}, Case{16384, kNoLimit, true}, Case{16384, 49156, true},
                          Case{16384, 49155, false}}) {
        Result r = Insert(L"keep", 2, lines.c_str(), c.added, c.limit);
        EXPECT_EQ(c.inserted, r.inserted) << c.added << " " << c.limit;
        EXPECT_EQ(c.inserted ? 49156u : 4u, r.document.size());
    }
}

TEST(TextInsertion, WideTextGoesInAsItIs)
{
    EXPECT_FALSE(Insert(L"ab", 1, nullptr).inserted);
    EXPECT_EQ(L"a©b", Insert(L"ab", 1, L"©").document);
}
