// UI tests of what every wizard shares: confirmation, the tab count, insertion at the caret,
// the 64 KB guard on Windows 98, Cancel, the pickers and the help window.
#include "wizard_test.h"
#include <colordlg.h>

#include <string>
#include <utility>

namespace {

using kit::Dialog;
using kit::Window;

const wchar_t kGroupTitle[] = L"ボタングループ タグの挿入";
const wchar_t kCommentTitle[] = L"コメントの挿入";
const wchar_t kGroupQuestion[] = L"入力した情報を使用してボタングループ タグを挿入します。\nよろしいですか？";
const wchar_t kTooLarge[] = L"挿入により 64 KB を超えることが判明したため、処理を中断します。";
const std::wstring kOpenCaption = GetACP() == 932 ? L"開く" : L"Open";

enum {
    kCommentCommand = IDM_INSERT_COMMENT, kGroupCommand = IDM_INSERT_BUTTON_GROUP, kTabs = IDC_WIZARD_TABS,
    kCopy = IDM_EDIT_COPY, kSelectAll = IDM_EDIT_SELECT_ALL, kGroupImage = IDC_GROUP_IMAGE,
    kGroupImagePick = IDC_GROUP_IMAGE_PICK, kGroupMapping = IDC_GROUP_MAPPING, kGroupColor = IDC_GROUP_TRANSPARENCY,
    kGroupColorPick = IDC_GROUP_TRANSPARENCY_PICK, kCommentText = IDC_COMMENT_SINGLE_TEXT,
    // The common colour dialog's red, green and blue fields.
    kColorRed = COLOR_RED, kColorGreen = COLOR_GREEN, kColorBlue = COLOR_BLUE,
};

class WizardFrameworkTest : public WizardUiTest {};

}  // namespace

TEST_F(WizardFrameworkTest, ConfirmationTabCountAndInsertionInFrontOfTheSelection)
{
    Start();
    SetDocument(L"<view>SELECTED</view>", 6, 14);
    Dialog wizard = OpenWizard(kGroupCommand, kGroupTitle);
    EXPECT_EQ(L"2", wizard.Item(kTabs).Text());
    ExpectLimit(wizard, kTabs, 3);
    ExpectDigitsOnly(wizard, kTabs);
    wizard.Item(kGroupMapping).SetText(L"map.bmp");

    Dialog question = PressOk(wizard);
    ExpectQuestion(question, kGroupQuestion);
    question.Answer(IDNO);
    EXPECT_TRUE(wizard.Exists());
    ExpectUntouched(L"<view>SELECTED</view>");

    wizard.Item(kTabs).SetText(L"101");
    ExpectRefusal(wizard, kTooDeep);
    EXPECT_EQ(L"101", wizard.Item(kTabs).Text());
    EXPECT_EQ(L"map.bmp", wizard.Item(kGroupMapping).Text());

    wizard.Item(kTabs).SetText(L"1");
    Accept(wizard);
    const std::wstring group = L"\t<buttongroup mappingImage=\"map.bmp\">\r\n\r\n\t</buttongroup>\r\n";
    ExpectInserted(kGroupTitle, L"<view>" + group + L"SELECTED</view>");
    DWORD caret = static_cast<DWORD>(6 + group.size());
    EXPECT_SOON_EQ(std::make_pair(caret, caret), Selection());
    EXPECT_SOON_TRUE(Modified());

    // 100 is the deepest accepted, and an empty count means none.
    SetDocument(L"", 0, 0);
    wizard = OpenWizard(kGroupCommand, kGroupTitle);
    wizard.Item(kGroupMapping).SetText(L"m");
    wizard.Item(kTabs).SetText(L"100");
    Accept(wizard);
    const std::wstring tabs(100, L'\t');
    ExpectInserted(kGroupTitle, tabs + L"<buttongroup mappingImage=\"m\">\r\n\r\n" + tabs + L"</buttongroup>\r\n");

    SetDocument(L"", 0, 0);
    wizard = OpenWizard(kGroupCommand, kGroupTitle);
    wizard.Item(kGroupMapping).SetText(L"m");
    wizard.Item(kTabs).SetText(L"");
    Accept(wizard);
    ExpectInserted(kGroupTitle, L"<buttongroup mappingImage=\"m\">\r\n\r\n</buttongroup>\r\n");
    // The Edit menu follows the document the wizard left behind.
    EXPECT_SOON_TRUE(main_.Menu(kSelectAll).enabled);
    EXPECT_SOON_FALSE(main_.Menu(kCopy).enabled);
}

TEST_F(WizardFrameworkTest, CancelEscAndTheCloseBoxInsertNothing)
{
    Start();
    SetDocument(L"abc", 1, 1);
    Dialog wizard = OpenWizard(kGroupCommand, kGroupTitle);
    // The keyboard is the wizard's, not the document's behind it.
    EXPECT_TRUE(kit::WaitUntil([&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(GetWindowThreadProcessId(wizard.hwnd(), nullptr), &info) &&
               info.hwndActive == wizard.hwnd() && GetParent(info.hwndFocus) == wizard.hwnd();
    }));
    wizard.Item(kGroupMapping).SetText(L"map.bmp");
    wizard.Item(IDCANCEL).Click();
    app_->WaitGone(L"#32770", kGroupTitle);

    wizard = OpenWizard(kGroupCommand, kGroupTitle);
    EXPECT_EQ(L"", wizard.Item(kGroupMapping).Text()) << "every opening starts from the defaults";
    wizard.PostKey(VK_ESCAPE);
    app_->WaitGone(L"#32770", kGroupTitle);

    wizard = OpenWizard(kGroupCommand, kGroupTitle);
    wizard.Close();
    app_->WaitGone(L"#32770", kGroupTitle);
    ExpectUntouched(L"abc");
}

TEST_F(WizardFrameworkTest, HelpWindowShowsTheWizardsHelpAndLeavesItUnchanged)
{
    Start();
    Dialog wizard = OpenWizard(kGroupCommand, kGroupTitle);
    wizard.Item(kGroupMapping).SetText(L"map.bmp");
    Dialog help = OpenHelp(wizard);
    std::wstring text = help.Item(kHelpText).Text();
    EXPECT_NE(std::wstring::npos, text.find(L"・(*)マッピング イメージ\r\n\r\n　")) << kit::Utf8(text);
    EXPECT_NE(std::wstring::npos, text.find(L"\r\n\r\n注意 : ")) << kit::Utf8(text);
    EXPECT_EQ(L"\r\n", text.substr(text.size() - 2));
    EXPECT_NE(L"\r\n\r\n", text.substr(text.size() - 4));
    EXPECT_TRUE((GetWindowLongW(help.Item(kHelpText).hwnd(), GWL_STYLE) & ES_READONLY) != 0);
    EXPECT_EQ(L"閉じる(&C)", help.Item(IDOK).Text());
    kit::Screenshot(L"wizard-help", help.hwnd());
    help.Answer(IDOK);
    EXPECT_TRUE(wizard.Exists());
    EXPECT_EQ(L"map.bmp", wizard.Item(kGroupMapping).Text());

    OpenHelp(wizard).PostKey(VK_ESCAPE);
    app_->WaitGone(L"#32770", kHelpCaption);
    EXPECT_TRUE(wizard.Exists());
}

TEST_F(WizardFrameworkTest, ImagePickerPutsTheFileNameWithoutItsFolder)
{
    std::wstring folder = kit::ScratchDir() + L"\\skin images";
    CreateDirectoryW(folder.c_str(), nullptr);
    kit::WriteBytes(folder + L"\\back.bmp", "BM");
    Start();
    Dialog wizard = OpenWizard(kGroupCommand, kGroupTitle);
    wizard.Item(kGroupImage).SetText(L"keep.bmp");

    wizard.Item(kGroupImagePick).Click();
    Dialog picker = app_->WaitDialog(kOpenCaption);
    EXPECT_EQ(1, kit::FileDialogFilter(picker));
    EXPECT_EQ(6, picker.Item(1136).Send(CB_GETCOUNT));
    picker.Answer(IDCANCEL);
    EXPECT_EQ(L"keep.bmp", wizard.Item(kGroupImage).Text());

    wizard.Item(kGroupImagePick).Click();
    kit::ChooseInFileDialog(app_->WaitDialog(kOpenCaption), folder + L"\\back.bmp");
    app_->WaitGone(L"#32770", kOpenCaption);
    EXPECT_SOON_EQ(L"back.bmp", wizard.Item(kGroupImage).Text());
}

TEST_F(WizardFrameworkTest, ColourPickerWritesTheCodeAndReopensOnTheLastColour)
{
    Start();
    Dialog wizard = OpenWizard(kGroupCommand, kGroupTitle);
    wizard.Item(kGroupColor).SetText(L"keep");
    wizard.Item(kGroupColorPick).Click();
    auto colourDialog = [&] {
        Window found;
        kit::WaitUntil([&] {
            for (const Window& w : app_->TopWindows())
                if (w.ClassName() == L"#32770" && w.HasItem(kColorRed)) { found = w; return true; }
            return false;
        });
        if (!found) throw kit::Failure(L"no colour dialog");
        return Dialog(found.hwnd());
    };
    Dialog colour = colourDialog();
    EXPECT_EQ(L"0", colour.Item(kColorRed).Text()) << "black when the editor starts";
    EXPECT_EQ(L"0", colour.Item(kColorBlue).Text());
    EXPECT_TRUE(colour.Item(kColorRed).Visible()) << "opened with the custom part expanded";
    colour.Answer(IDCANCEL);
    EXPECT_EQ(L"keep", wizard.Item(kGroupColor).Text());

    wizard.Item(kGroupColorPick).Click();
    colour = colourDialog();
    colour.Item(kColorRed).SetText(L"255");
    colour.Item(kColorGreen).SetText(L"128");
    colour.Item(kColorBlue).SetText(L"0");
    colour.Answer(IDOK);
    EXPECT_SOON_EQ(L"#FF8000", wizard.Item(kGroupColor).Text());
    wizard.Item(IDCANCEL).Click();
    app_->WaitGone(L"#32770", kGroupTitle);

    // Another wizard, later: the picker starts on the colour chosen before.
    wizard = OpenWizard(kGroupCommand, kGroupTitle);
    wizard.Item(kGroupColorPick).Click();
    colour = colourDialog();
    EXPECT_EQ(L"255", colour.Item(kColorRed).Text());
    EXPECT_EQ(L"128", colour.Item(kColorGreen).Text());
    EXPECT_EQ(L"0", colour.Item(kColorBlue).Text());
    colour.Answer(IDOK);
    EXPECT_SOON_EQ(L"#FF8000", wizard.Item(kGroupColor).Text());
}

TEST_F(WizardFrameworkTest, Windows98RefusesAnInsertionBeyond64KB)
{
    kit::SetWindowsVersion(L"Quillpad.exe", L"win98");
    Start();
    // "<!-- " + 31 characters + " -->" is a 40-character comment.
    const std::wstring content(31, L'c');
    SetDocument(std::wstring(65500, L'x'), 0, 0);
    Dialog wizard = OpenWizard(kCommentCommand, kCommentTitle);
    wizard.Item(kCommentText).SetText(content);
    ExpectRefusal(wizard, kTooLarge);
    EXPECT_EQ(content, wizard.Item(kCommentText).Text());
    EXPECT_EQ(65500, Edit().Send(WM_GETTEXTLENGTH));
    EXPECT_FALSE(Modified());
    wizard.Item(IDCANCEL).Click();
    app_->WaitGone(L"#32770", kCommentTitle);

    // Exactly 64 KB passes.
    SetDocument(std::wstring(65496, L'x'), 0, 0);
    wizard = OpenWizard(kCommentCommand, kCommentTitle);
    wizard.Item(kCommentText).SetText(content);
    Accept(wizard);
    app_->WaitGone(L"#32770", kCommentTitle);
    EXPECT_SOON_EQ(65536, Edit().Send(WM_GETTEXTLENGTH));
    EXPECT_SOON_TRUE(Modified());
}

TEST_F(WizardFrameworkTest, WindowsXpInsertsIntoALongDocument)
{
    kit::SetWindowsVersion(L"Quillpad.exe", L"winxp");
    Start();
    const std::wstring content(31, L'c');
    SetDocument(std::wstring(65500, L'x'), 65500, 65500);
    Dialog wizard = OpenWizard(kCommentCommand, kCommentTitle);
    wizard.Item(kCommentText).SetText(content);
    Accept(wizard);
    app_->WaitGone(L"#32770", kCommentTitle);
    EXPECT_SOON_EQ(65540, Edit().Send(WM_GETTEXTLENGTH));
}
