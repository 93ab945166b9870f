// UI tests of the editor's Find and Replace dialogs, F3, and the focus while they are open.
#include "kit.h"
#include "editor/resource.h"
#include <dlgs.h>

#include <string>

namespace {

using kit::Dialog;
using kit::Window;

enum {
    kEdit = IDC_MAIN_EDIT, kSelectAll = IDM_EDIT_SELECT_ALL, kFind = IDM_EDIT_FIND, kFindNext = IDM_EDIT_FIND_NEXT,
    kReplace = IDM_EDIT_REPLACE,
};
// Wine's common Find and Replace dialogs.
enum { kFindField = edt1, kReplaceField = edt2, kReplaceOne = psh1, kReplaceAll = psh2 };
const wchar_t kFindCaption[] = L"検索";
const wchar_t kReplaceCaption[] = L"文字列の置換";
const wchar_t kNotFound[] = L"指定された文字列が見つからないか、最後まで検索しました。";

class FindTest : public kit::UiTest {
protected:
    void SetUp() override
    {
        kit::UiTest::SetUp();
        app_.emplace(L"Quillpad.exe");
        main_ = app_->WaitWindow(L"Quillpad");
    }
    Window Edit() const { return main_.Item(kEdit); }
    // The document's text with the caret at the given offset.
    void SetDocument(const std::wstring& text, int caret) const
    {
        Edit().SetText(text);
        Edit().Send(EM_SETSEL, caret, caret);
    }
    std::pair<int, int> Selection() const
    {
        LRESULT both = Edit().Send(EM_GETSEL);
        return {LOWORD(both), HIWORD(both)};
    }
    Dialog Open(int command, const wchar_t* caption) const
    {
        main_.PostCommand(command);
        return app_->WaitDialog(caption);
    }
    // Presses a button of the dialog and waits until the selection is the one expected.
    void PressForSelection(const Dialog& dialog, int button, std::pair<int, int> expected) const
    {
        dialog.Item(button).Click();
        EXPECT_SOON_EQ(expected, Selection());
    }
    void PressForWarning(const Dialog& dialog, int button) const
    {
        dialog.Item(button).Click();
        Dialog box = app_->WaitDialog(L"Quillmere");
        EXPECT_EQ(kNotFound, box.Message());
        EXPECT_EQ(kit::Icon::Warning, box.IconKind()) << kit::IconName(box.IconKind());
        EXPECT_EQ(dialog.hwnd(), GetWindow(box.hwnd(), GW_OWNER)) << "owned by the dialog";
        box.Answer(IDOK);
    }
    int OpenCount(const wchar_t* caption) const
    {
        int count = 0;
        for (const Window& w : app_->TopWindows()) count += w.Text() == caption;
        return count;
    }

    std::optional<kit::App> app_;
    Window main_;
};

TEST_F(FindTest, FindNextSelectsWarnsAtTheEndAndStartsAgainCaseSensitively)
{
    SetDocument(L"xabc", 0);
    Dialog find = Open(kFind, kFindCaption);
    find.Item(kFindField).SetText(L"abc");
    PressForSelection(find, IDOK, {1, 4});   // the match ends at the last character
    PressForWarning(find, IDOK);
    PressForSelection(find, IDOK, {1, 4});
    find.Item(kFindField).SetText(L"ABC");
    PressForWarning(find, IDOK);
    PressForWarning(find, IDOK);   // from the top too
    kit::Screenshot(L"find-dialog");
}

TEST_F(FindTest, F3OpensFindWhileThereIsNothingToFindAndIsSilentAfterAMiss)
{
    SetDocument(L"xabc", 0);
    Edit().PostKey(VK_F3);
    Dialog find = app_->WaitDialog(kFindCaption);
    find.Item(kFindField).SetText(L"abc");
    PressForSelection(find, IDOK, {1, 4});
    find.Answer(IDCANCEL);

    Edit().PostKey(VK_F3);
    main_.PostCommand(kSelectAll);   // handled after the F3
    ASSERT_TRUE(kit::WaitUntil([&] { return Selection() == std::make_pair(0, 4); }));
    EXPECT_FALSE(app_->Find(L"#32770")) << "a miss shows nothing";
    Edit().Send(EM_SETSEL, 0, 0);
    Edit().PostKey(VK_F3);
    EXPECT_TRUE(kit::WaitUntil([&] { return Selection() == std::make_pair(1, 4); }));
}

TEST_F(FindTest, ReplaceAllReplacesEachOldOccurrenceOnceAndWarnsWhenAllLieBehind)
{
    SetDocument(L"aaa", 0);
    Dialog replace = Open(kReplace, kReplaceCaption);
    replace.Item(kFindField).SetText(L"a");
    replace.Item(kReplaceField).SetText(L"aa");
    PressForSelection(replace, kReplaceAll, {6, 6});
    EXPECT_SOON_EQ(L"aaaaaa", Edit().Text());
    EXPECT_SOON_TRUE(Edit().Send(EM_GETMODIFY));
    // The search now starts behind the last replacement: the warning, then all of them.
    PressForWarning(replace, kReplaceAll);
    EXPECT_SOON_EQ(std::wstring(12, L'a'), Edit().Text());
    EXPECT_SOON_EQ(std::make_pair(12, 12), Selection());

    SetDocument(L"ab ab", 0);
    main_.PostCommand(kReplace);   // takes the caret again, into the open dialog
    replace.Item(kFindField).SetText(L"ab");
    replace.Item(kReplaceField).SetText(L"c");
    PressForSelection(replace, kReplaceOne, {1, 1});
    PressForSelection(replace, kReplaceOne, {3, 3});
    EXPECT_SOON_EQ(L"c c", Edit().Text());
    PressForWarning(replace, kReplaceOne);
    EXPECT_EQ(1, OpenCount(kReplaceCaption));
}

TEST_F(FindTest, ReplaceAllBeyondTheWindows9xLimitChangesNothing)
{
    kit::SetWindowsVersion(L"Quillpad.exe", L"win98");
    app_.emplace(L"Quillpad.exe");
    main_ = app_->WaitWindow(L"Quillpad");
    SetDocument(std::wstring(40000, L'a'), 0);
    Dialog replace = Open(kReplace, kReplaceCaption);
    replace.Item(kFindField).SetText(L"a");
    replace.Item(kReplaceField).SetText(L"aa");
    replace.Item(kReplaceAll).Click();
    Dialog box = app_->WaitDialog(L"Quillmere");
    EXPECT_NE(std::wstring::npos, box.Message().find(L"すべて置換を中止しました")) << kit::Utf8(box.Message());
    EXPECT_EQ(kit::Icon::Warning, box.IconKind());
    box.Answer(IDOK);
    EXPECT_EQ(std::wstring(40000, L'a'), Edit().Text());
}

TEST_F(FindTest, TheOpenDialogKeepsTheKeysAndASecondFindActivatesIt)
{
    SetDocument(L"xyz", 0);
    Dialog find = Open(kFind, kFindCaption);
    Window field = find.Item(kFindField);
    EXPECT_TRUE(kit::WaitUntil([&] { return main_.ThreadFocus().hwnd() == field.hwnd(); }));
    field.SendKeys({'Q'});
    EXPECT_TRUE(kit::WaitUntil([&] { return field.Text() == L"q"; })) << kit::Utf8(field.Text());
    EXPECT_EQ(L"xyz", Edit().Text());

    main_.Activate();
    EXPECT_TRUE(kit::WaitUntil([&] { return main_.ThreadFocus().hwnd() == Edit().hwnd(); }));
    main_.PostCommand(kFind);
    EXPECT_TRUE(kit::WaitUntil([&] { return main_.ThreadActive().hwnd() == find.hwnd(); }));
    EXPECT_EQ(1, OpenCount(kFindCaption));

    // The other kind takes the open one's place, with the text typed so far.
    EXPECT_EQ(L"q", Open(kReplace, kReplaceCaption).Item(kFindField).Text());
    app_->WaitGone(L"#32770", kFindCaption);
}

}  // namespace
