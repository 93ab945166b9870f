// UI tests of the initial input, comment, theme and view wizards: defaults, enabling rules,
// confirmations, refusals in order, the text that lands in the document, and their help.
#include "wizard_test.h"

#include <string>
#include <vector>

namespace {

using kit::Dialog;
using kit::Icon;

enum {
    kInitialCommand = IDM_INSERT_INITIAL, kCommentCommand = IDM_INSERT_COMMENT, kThemeCommand = IDM_INSERT_THEME,
    kViewCommand = IDM_INSERT_VIEW,
};

// Initial input.
const wchar_t kInitialTitle[] = L"初期入力";
const wchar_t kInitialQuestion[] =
    L"初期入力を行います。よろしいですか？\n"
    L"(注意 : 現在の編集内容が消えてしまいますので、あらかじめ新規作成を行ってから実行することをお勧めします。)";
enum {
    kInitialSkin = IDC_INITIAL_SKIN, kInitialScript = IDC_INITIAL_SCRIPT, kInitialTitleField = IDC_INITIAL_TITLE,
    kInitialAuthor = IDC_INITIAL_AUTHOR, kInitialCopyright = IDC_INITIAL_COPYRIGHT,
    kInitialBackground = IDC_INITIAL_BACKGROUND, kInitialBackgroundPick = IDC_INITIAL_BACKGROUND_PICK,
    kInitialClipping = IDC_INITIAL_CLIPPING, kInitialClippingPick = IDC_INITIAL_CLIPPING_PICK,
    kInitialTitleBar = IDC_INITIAL_TITLE_BAR,
};
const std::vector<int> kInitialSkinControls = {401, 402, 403, 404, 405, 302, 303, 304, 305, 306, 307, 308, 309};
const std::wstring kScriptText =
    L"/*\r\n\tこのスクリプトは、Quillmere によって生成されたものです。\r\n"
    L"\tWMS ファイルの内容に応じてこのスクリプトを編集してください。\r\n*/\r\n\r\n"
    L"function OnLoad() {\r\n"
    L"\t/*↓ここに WMP スキンロード時に実行するスクリプト コードを書いてください。*/\r\n\r\n}\r\n\r\n"
    L"function OnClose() {\r\n"
    L"\t/*↓ここに WMP スキンアンロード時に実行するスクリプト コードを書いてください。*/\r\n\r\n}\r\n\r\n"
    L"/*↓ここにコードを書いてください。*/\r\n";

// Comment.
const wchar_t kCommentTitle[] = L"コメントの挿入";
const wchar_t kCommentQuestion[] = L"コメントを入力します。\nよろしいですか？";
const wchar_t kNoComment[] = L"コメント内容を入力してください。";
enum {
    kCommentSkin = IDC_COMMENT_SKIN, kCommentScript = IDC_COMMENT_SCRIPT, kCommentSingle = IDC_COMMENT_SINGLE,
    kCommentMulti = IDC_COMMENT_MULTI, kCommentSingleText = IDC_COMMENT_SINGLE_TEXT,
    kCommentMultiText = IDC_COMMENT_MULTI_TEXT, kCommentSingleLabel = IDC_COMMENT_SINGLE_LABEL,
    kCommentMultiLabel = IDC_COMMENT_MULTI_LABEL,
};

// Theme.
const wchar_t kThemeTitle[] = L"テーマ タグの挿入";
const wchar_t kThemeQuestion[] =
    L"入力した情報を使用してテーマ タグを挿入します。\nよろしいですか？\n\n"
    L"注意 : テーマ タグは WMP 側の仕様により 1 つのスキンに対して 1 つしか定義できません。";

// View.
const wchar_t kViewTitle[] = L"ビュー タグの挿入";
const wchar_t kViewQuestion[] = L"入力した情報を使用してビュー タグを挿入します。\nよろしいですか？";
enum {
    kViewId = IDC_VIEW_ID, kViewTitleField = IDC_VIEW_TITLE, kViewBackground = IDC_VIEW_BACKGROUND,
    kViewBackgroundPick = IDC_VIEW_BACKGROUND_PICK, kViewClipping = IDC_VIEW_CLIPPING,
    kViewClippingPick = IDC_VIEW_CLIPPING_PICK, kViewScript = IDC_VIEW_SCRIPT_FILE,
    kViewTitleBar = IDC_VIEW_TITLE_BAR, kViewTiled = IDC_VIEW_TILED,
};

class SkinWizardTest : public WizardUiTest {
protected:
    // The help window over the wizard shows its help from opening to closing notes.
    void ExpectHelp(const Dialog& wizard, const std::wstring& opening, const std::wstring& closing,
                    const wchar_t* screenshot = nullptr) const
    {
        const std::wstring text = HelpText(wizard, screenshot);
        EXPECT_EQ(0u, text.find(opening + L"\r\n\r\n・")) << kit::Utf8(text);
        ASSERT_GE(text.size(), closing.size());
        EXPECT_EQ(closing, text.substr(text.size() - closing.size())) << kit::Utf8(text);
        EXPECT_TRUE(wizard.Exists());
    }
};

}  // namespace

TEST_F(SkinWizardTest, InitialInputReplacesTheWholeDocument)
{
    Start();
    SetDocument(L"old <text>", 2, 5);
    main_.SendKeys({VK_CONTROL, VK_F2});
    Dialog wizard = app_->WaitDialog(kInitialTitle);
    EXPECT_TRUE(wizard.Item(kInitialSkin).Checked());
    EXPECT_FALSE(wizard.Item(kInitialScript).Checked());
    EXPECT_FALSE(wizard.Item(kInitialTitleBar).Checked());
    ExpectEnabled(wizard, kInitialSkinControls, true);
    ExpectLimits(wizard, {{kInitialTitleField, 64}, {kInitialAuthor, 256}, {kInitialCopyright, 256},
                          {kInitialBackground, 64}, {kInitialClipping, 32}});
    kit::Screenshot(L"skin-initial-input", wizard.hwnd());
    ExpectHelp(wizard, L"初期入力では、これから作るファイルの土台となるデータを作成し、編集中の内容をすべてそれに置き換えます。",
               L"\r\n\r\n注意 : (*) の付いた項目は必須項目です。ただしクリッピングカラーは、タイトル バーを表示する場合に限り"
               L"省略できます。\r\n",
               L"skin-initial-input-help");
    wizard.Item(IDCANCEL).Click();
    app_->WaitGone(L"#32770", kInitialTitle);

    wizard = OpenWizard(kInitialCommand, kInitialTitle);
    wizard.Item(kInitialTitleField).SetText(L"My \"Skin\"");
    wizard.Item(kInitialScript).SetChecked(true);
    ExpectEnabled(wizard, kInitialSkinControls, false);
    EXPECT_EQ(L"My \"Skin\"", wizard.Item(kInitialTitleField).Text());
    wizard.Item(kInitialSkin).SetChecked(true);
    ExpectEnabled(wizard, kInitialSkinControls, true);

    Dialog question = PressOk(wizard, L"確認");
    ExpectQuestion(question, kInitialQuestion);
    question.Answer(IDNO);
    EXPECT_TRUE(wizard.Exists());
    ExpectUntouched(L"old <text>");

    ExpectRefusal(wizard, L"最低でも背景画像 (ファイル名) は指定してください。", nullptr, {IDOK}, Icon::Warning,
                  L"Quillmere", L"確認");
    wizard.Item(kInitialBackground).SetText(L"back.bmp");
    ExpectRefusal(wizard, L"タイトル バーを表示させない場合はクリッピング カラーを指定してください。", nullptr, {IDOK},
                  Icon::Warning, L"Quillmere", L"確認");
    EXPECT_EQ(L"My \"Skin\"", wizard.Item(kInitialTitleField).Text());
    EXPECT_EQ(L"back.bmp", wizard.Item(kInitialBackground).Text());
    ExpectUntouched(L"old <text>");

    wizard.Item(kInitialAuthor).SetText(L"A & B");
    wizard.Item(kInitialClipping).SetText(L"#FF00FF00");
    AcceptAndWaitGone(wizard, L"確認");
    EXPECT_SOON_EQ(L"<theme Title=\"My \"Skin\"\" Author=\"A & B\">\r\n"
              L"\t<view backgroundImage=\"back.bmp\" clippingColor=\"#FF00FF\" titleBar=\"False\">\r\n"
              L"\t\t<!--↓ここにコードを書いてください。-->\r\n\r\n\t</view>\r\n</theme>\r\n",
              Edit().Text());
    // The generated document is in no file yet: closing must ask about it.
    EXPECT_SOON_TRUE(Modified());
    main_.Close();
    Dialog save = app_->WaitDialog(L"Quillmere");
    EXPECT_EQ(L"新規ファイル への変更を保存しますか？", save.Message());
    save.Answer(IDCANCEL);

    // The title bar shown needs no colour.
    wizard = OpenWizard(kInitialCommand, kInitialTitle);
    wizard.Item(kInitialBackground).SetText(L"b.bmp");
    wizard.Item(kInitialTitleBar).SetChecked(true);
    AcceptAndWaitGone(wizard, L"確認");
    EXPECT_SOON_EQ(L"<theme>\r\n\t<view backgroundImage=\"b.bmp\">\r\n"
              L"\t\t<!--↓ここにコードを書いてください。-->\r\n\r\n\t</view>\r\n</theme>\r\n",
              Edit().Text());

    // The script ignores whatever the skin fields hold, and needs none of them.
    wizard = OpenWizard(kInitialCommand, kInitialTitle);
    wizard.Item(kInitialTitleField).SetText(L"ignored");
    wizard.Item(kInitialScript).SetChecked(true);
    AcceptAndWaitGone(wizard, L"確認");
    EXPECT_SOON_EQ(kScriptText, Edit().Text());
}

TEST_F(SkinWizardTest, CommentSwitchesItsFieldsAndInsertsAtTheCaret)
{
    Start();
    SetDocument(L"<a>SEL</a>", 3, 6);
    Dialog wizard = OpenWizard(kCommentCommand, kCommentTitle);
    EXPECT_TRUE(wizard.Item(kCommentSkin).Checked());
    EXPECT_FALSE(wizard.Item(kCommentScript).Checked());
    EXPECT_TRUE(wizard.Item(kCommentSingle).Checked());
    EXPECT_FALSE(wizard.Item(kCommentMulti).Checked());
    ExpectEnabled(wizard, {kCommentSingleLabel, kCommentSingleText}, true);
    ExpectEnabled(wizard, {kCommentMultiLabel, kCommentMultiText}, false);
    ExpectLimits(wizard, {{kCommentSingleText, 64}, {kCommentMultiText, 256}});
    const LONG multiStyle = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | ES_AUTOVSCROLL;
    EXPECT_EQ(multiStyle, GetWindowLongW(wizard.Item(kCommentMultiText).hwnd(), GWL_STYLE) & multiStyle);
    kit::Screenshot(L"skin-comment", wizard.hwnd());

    wizard.Item(kCommentMulti).SetChecked(true);
    ExpectEnabled(wizard, {kCommentSingleLabel, kCommentSingleText}, false);
    ExpectEnabled(wizard, {kCommentMultiLabel, kCommentMultiText}, true);
    EXPECT_TRUE(kit::WaitUntil([&] { return Focus(wizard) == wizard.Item(kCommentMultiText).hwnd(); }));
    wizard.Item(kCommentSingle).SetChecked(true);
    ExpectEnabled(wizard, {kCommentSingleLabel, kCommentSingleText}, true);
    ExpectEnabled(wizard, {kCommentMultiLabel, kCommentMultiText}, false);
    EXPECT_TRUE(kit::WaitUntil([&] { return Focus(wizard) == wizard.Item(kCommentSingleText).hwnd(); }));

    Dialog question = PressOk(wizard, kConfirm);
    ExpectQuestion(question, kCommentQuestion);
    question.Answer(IDNO);
    EXPECT_TRUE(wizard.Exists());
    ExpectRefusal(wizard, kNoComment, nullptr, {IDOK});
    // Only the field of the selected form counts.
    wizard.Item(kCommentSingleText).SetText(L"single");
    wizard.Item(kCommentMulti).SetChecked(true);
    ExpectRefusal(wizard, kNoComment, nullptr, {IDOK});
    EXPECT_EQ(L"single", wizard.Item(kCommentSingleText).Text());
    ExpectUntouched(L"<a>SEL</a>");

    wizard.Item(kCommentScript).SetChecked(true);
    wizard.Item(kCommentMultiText).SetText(L"line 1\r\n  \"2\" & <3>");
    AcceptAndWaitGone(wizard);
    ExpectInsertedAt(L"<a>SEL</a>", 3, L"/*\r\nline 1\r\n  \"2\" & <3>\r\n*/\r\n");

    // The other forms; the field of the form not chosen is ignored.
    struct CommentCase {
        bool script, multi;
        const wchar_t* single;
        const wchar_t* lines;
        const wchar_t* inserted;
    };
    const CommentCase cases[] = {
        {false, false, L" abc ", L"ignored", L"<!--  abc  -->"},
        {true, false, L"abc", L"ignored", L"// abc"},
        {false, true, L"ignored", L"a\r\nb", L"<!--\r\na\r\nb\r\n-->\r\n"},
    };
    for (const CommentCase& form : cases) {
        SetDocument(L"xy", 1, 1);
        wizard = OpenWizard(kCommentCommand, kCommentTitle);
        wizard.Item(kCommentScript).SetChecked(form.script);
        wizard.Item(kCommentSkin).SetChecked(!form.script);
        wizard.Item(kCommentMulti).SetChecked(form.multi);
        wizard.Item(kCommentSingleText).SetText(form.single);
        wizard.Item(kCommentMultiText).SetText(form.lines);
        AcceptAndWaitGone(wizard);
        ExpectInsertedAt(L"xy", 1, form.inserted);
    }

    wizard = OpenWizard(kCommentCommand, kCommentTitle);
    ExpectHelp(wizard,
               L"コメントの挿入では、スキン定義ファイル (WMS) またはスクリプト ファイルに、説明などを書き残すための"
               L"コメントを作成します。",
               L"\r\n\r\n参考 : 「OK」ボタンを押すと、入力した内容がコメントとしてキャレットの位置に挿入されます。\r\n");
    wizard.Item(IDCANCEL).Click();
    app_->WaitGone(L"#32770", kCommentTitle);
    EXPECT_EQ(L"x<!--\r\na\r\nb\r\n-->\r\ny", Edit().Text());
}

TEST_F(SkinWizardTest, ThemeNeedsNoFieldsAndWritesThemInOrder)
{
    Start();
    SetDocument(L"ab<view/>", 2, 9);
    Dialog wizard = OpenWizard(kThemeCommand, kThemeTitle);
    for (int id = 300; id <= 306; ++id) EXPECT_EQ(L"", wizard.Item(id).Text()) << id;
    ExpectLimits(wizard, {{300, 64}, {301, 64}, {302, 256}, {303, 256}, {304, 16}, {305, 256}, {306, 16}});
    kit::Screenshot(L"skin-theme", wizard.hwnd());
    ExpectHelp(wizard,
               L"テーマ タグの挿入では、スキン全体をまとめる theme 要素を挿入します。theme 要素は 1 つのスキンに "
               L"1 つだけ定義でき、どの項目も省略できます。",
               L"\r\n\r\n・開始ビュー ID\r\n\r\n　スキンを読み込んだときに最初に表示するビューの識別 ID です。"
               L"currentViewID 属性になります。省略できます。\r\n");

    Dialog question = PressOk(wizard, kConfirm);
    ExpectQuestion(question, kThemeQuestion);
    question.Answer(IDNO);
    EXPECT_TRUE(wizard.Exists());
    ExpectUntouched(L"ab<view/>");
    AcceptAndWaitGone(wizard);
    ExpectInsertedAt(L"ab<view/>", 2, L"<theme>\r\n\r\n</theme>\r\n");

    SetDocument(L"", 0, 0);
    wizard = OpenWizard(kThemeCommand, kThemeTitle);
    const wchar_t* values[] = {L"main", L"\"Q\" skin", L"A & B", L"<c>", L"1.0", L"mini", L"7.0"};
    for (int i = 0; i < 7; ++i) wizard.Item(300 + i).SetText(values[i]);
    AcceptAndWaitGone(wizard);
    ExpectInsertedAt(L"", 0,
                     L"<theme id=\"main\" title=\"\"Q\" skin\" author=\"A & B\" copyright=\"<c>\" authorVersion=\"1.0\""
                     L" currentViewID=\"mini\" version=\"7.0\">\r\n\r\n</theme>\r\n");
}

TEST_F(SkinWizardTest, ViewRefusesInOrderAndIndentsByOneTab)
{
    Start();
    SetDocument(L"<theme>SEL</theme>", 7, 10);
    Dialog wizard = OpenWizard(kViewCommand, kViewTitle);
    for (int id : {kViewId, kViewTitleField, kViewBackground, kViewClipping, kViewScript})
        EXPECT_EQ(L"", wizard.Item(id).Text()) << id;
    EXPECT_FALSE(wizard.Item(kViewTitleBar).Checked());
    EXPECT_FALSE(wizard.Item(kViewTiled).Checked());
    ExpectLimits(wizard, {{kViewId, 64}, {kViewTitleField, 64}, {kViewBackground, 64}, {kViewClipping, 64},
                          {kViewScript, 512}});
    kit::Screenshot(L"skin-view", wizard.hwnd());

    Dialog question = PressOk(wizard, kConfirm);
    ExpectQuestion(question, kViewQuestion);
    question.Answer(IDNO);
    EXPECT_TRUE(wizard.Exists());
    // The background comes first, even with the colour missing too.
    ExpectRefusal(wizard, L"背景画像を指定してください。", nullptr, {IDOK});
    wizard.Item(kViewBackground).SetText(L"back.bmp");
    wizard.Item(kViewId).SetText(L"main");
    ExpectRefusal(wizard,
                  L"タイトル バーを表示しないように定義する場合は背景画像だけでなくクリッピング カラーも指定してください。",
                  nullptr, {IDOK});
    EXPECT_EQ(L"back.bmp", wizard.Item(kViewBackground).Text());
    EXPECT_EQ(L"main", wizard.Item(kViewId).Text());
    ExpectUntouched(L"<theme>SEL</theme>");

    wizard.Item(kViewTitleBar).SetChecked(true);
    AcceptAndWaitGone(wizard);
    ExpectInsertedAt(L"<theme>SEL</theme>", 7, L"\t<view id=\"main\" backgroundImage=\"back.bmp\">\r\n\r\n\t</view>\r\n");

    SetDocument(L"", 0, 0);
    wizard = OpenWizard(kViewCommand, kViewTitle);
    wizard.Item(kViewTitleField).SetText(L"\"mini\" & <b>");
    wizard.Item(kViewBackground).SetText(L"b.bmp");
    wizard.Item(kViewClipping).SetText(L"#FF00FF");
    wizard.Item(kViewScript).SetText(L"a.js;b.js");
    wizard.Item(kViewTiled).SetChecked(true);
    ExpectHelp(wizard,
               L"ビュー タグの挿入では、スキンの 1 つの画面となる view 要素を挿入します。view 要素は theme "
               L"要素の中に置き、その中にボタンなどの要素を並べていきます。",
               L"\r\n\r\nヒント : 複数のビューを持つスキンを作るには、識別 ID を変えながら、このウィザードで必要な数だけ"
               L"ビュー タグを挿入してください。\r\n");
    AcceptAndWaitGone(wizard);
    ExpectInsertedAt(L"", 0,
                     L"\t<view title=\"\"mini\" & <b>\" backgroundImage=\"b.bmp\" clippingColor=\"#FF00FF\""
                     L" scriptFile=\"a.js;b.js\" titleBar=\"False\" backgroundTiled=\"True\">\r\n\r\n\t</view>\r\n");
}
