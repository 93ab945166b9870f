// Inserting at the caret, on a real EDIT control of the test process.
#include "insert_text.h"

#include "editor_state.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class InsertText : public ::testing::Test {
protected:
    void SetUp() override
    {
        edit_ = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_MULTILINE | ES_AUTOHSCROLL, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, edit_);
        SendMessageW(edit_, EM_LIMITTEXT, 0, 0);
    }
    void TearDown() override { DestroyWindow(edit_); }

    void Set(const std::wstring& text, DWORD start, DWORD end)
    {
        SetWindowTextW(edit_, text.c_str());
        SendMessageW(edit_, EM_SETSEL, start, end);
        SendMessageW(edit_, EM_SETMODIFY, FALSE, 0);
    }
    std::wstring Text() const
    {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit_)) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(edit_, &text[0], static_cast<int>(text.size()))));
        return text;
    }
    std::pair<DWORD, DWORD> Selection() const
    {
        DWORD start = 0, end = 0;
        SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    bool Modified() const { return SendMessageW(edit_, EM_GETMODIFY, 0, 0) != 0; }

    HWND edit_ = nullptr;
};

TEST_F(InsertText, GoesInFrontOfTheSelectionWithTheCaretBehindIt)
{
    Set(L"", 0, 0);
    EXPECT_EQ(1, InsertTextAtCaret(edit_, L"<a/>"));
    EXPECT_EQ(L"<a/>", Text());
    EXPECT_EQ(std::make_pair(DWORD(4), DWORD(4)), Selection());
    EXPECT_TRUE(Modified());

    Set(L"0123456789abc", 5, 10);
    EXPECT_EQ(1, InsertTextAtCaret(edit_, L"日本"));
    EXPECT_EQ(L"01234日本56789abc", Text());
    EXPECT_EQ(std::make_pair(DWORD(7), DWORD(7)), Selection());
    EXPECT_TRUE(Modified());

    Set(L"xyz", 0, 0);
    InsertTextAtCaret(edit_, L"<");
    EXPECT_EQ(L"<xyz", Text());
    Set(L"xyz", 3, 3);
    InsertTextAtCaret(edit_, L">");
    EXPECT_EQ(L"xyz>", Text());
    // The whole text was replaced, so nothing is left to undo.
    EXPECT_FALSE(SendMessageW(edit_, EM_CANUNDO, 0, 0));
}

TEST_F(InsertText, RefusesNothingAndTooMuchWithoutAChange)
{
    Set(L"keep", 2, 2);
    EXPECT_EQ(0, InsertTextAtCaret(edit_, L""));
    EXPECT_EQ(0, InsertTextAtCaret(edit_, nullptr));
    EXPECT_EQ(0, InsertTextAtCaret(nullptr, L"x"));
    std::wstring tooLong(kInsertTextLimit + 1, L'a');
    EXPECT_EQ(0, InsertTextAtCaret(edit_, tooLong.c_str()));
    EXPECT_EQ(L"keep", Text());
    EXPECT_FALSE(Modified());

    std::wstring longest(kInsertTextLimit, L'a');
    EXPECT_EQ(1, InsertTextAtCaret(edit_, longest.c_str()));
    EXPECT_EQ(L"ke" + longest + L"ep", Text());
}

// A file's text counts without the CRs its LF line ends gained; the control's limit still holds.
TEST_F(InsertText, ConvertedTextCountsAsReadAndWithinTheControlsLimit)
{
    std::wstring lines;
    for (int i = 0; i < 16384; ++i) lines += L"a\r\n";   // 49,152 units, 16,384 of them added
    struct Case { std::size_t added; WPARAM limit; int inserted; };
    for (const Case& c : {Case{16383, 0, 0}, Case{16384, 0, 1}, Case{16384, 49156, 1}, Case{16384, 49155, 0}}) {
        SendMessageW(edit_, EM_LIMITTEXT, c.limit, 0);
        Set(L"keep", 2, 2);
        EXPECT_EQ(c.inserted, InsertConvertedTextAtCaret(edit_, lines.c_str(), c.added)) << c.added << " " << c.limit;
        EXPECT_EQ(c.inserted ? 49156 : 4, GetWindowTextLengthW(edit_));
    }
}

TEST_F(InsertText, WideTextComesFromTheSharedPointer)
{
    HWND saved = g_hwndEdit;
    g_hwndEdit = edit_;
    Set(L"ab", 1, 1);
    g_insertWideText = nullptr;
    EXPECT_EQ(0, InsertWideTextAtCaret());
    g_insertWideText = L"©";
    EXPECT_EQ(1, InsertWideTextAtCaret());
    EXPECT_EQ(L"a©b", Text());
    g_insertWideText = nullptr;
    g_hwndEdit = saved;
}

}  // namespace
