// Texts of the initial input, comment, theme and view wizards, and the shape of their help.
#include "comment_wizard_text.h"
#include "initial_input_wizard_text.h"
#include "theme_wizard_text.h"
#include "view_wizard_text.h"

#include "help_text_shape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::wstring kSkinTail =
    L">\r\n\t\t<!--↓ここにコードを書いてください。-->\r\n\r\n\t</view>\r\n</theme>\r\n";

TEST(InitialSkinText, EveryFieldSetIsCopiedAsTypedWithCapitalisedThemeAttributes)
{
    InitialSkinFields fields;
    fields.title = L" My  Skin ";
    fields.author = L"a \"b\"";
    fields.copyright = L"(C) A & B <c>";
    fields.backgroundImage = L"back ground.bmp";
    fields.clippingColor = L"#FF8000";
    EXPECT_EQ(L"<theme Title=\" My  Skin \" Author=\"a \"b\"\" Copyright=\"(C) A & B <c>\">\r\n"
              L"\t<view backgroundImage=\"back ground.bmp\" clippingColor=\"#FF8000\" titleBar=\"False\"" +
                  kSkinTail,
              BuildInitialSkinText(fields));
}

TEST(InitialSkinText, OnlyTheBackgroundWithTheTitleBarShown)
{
    InitialSkinFields fields;
    fields.backgroundImage = L"back.bmp";
    fields.showTitleBar = true;
    EXPECT_EQ(L"<theme>\r\n\t<view backgroundImage=\"back.bmp\"" + kSkinTail, BuildInitialSkinText(fields));

    // The background is written whatever it holds; the dialog refuses it empty beforehand.
    fields.backgroundImage.clear();
    EXPECT_EQ(L"<theme>\r\n\t<view backgroundImage=\"\"" + kSkinTail, BuildInitialSkinText(fields));
}

TEST(InitialSkinText, ClippingColourKeepsItsFirstSevenCharacters)
{
    InitialSkinFields fields;
    fields.title = L"t";
    fields.backgroundImage = L"b.bmp";
    fields.showTitleBar = true;
    const std::wstring head = L"<theme Title=\"t\">\r\n\t<view backgroundImage=\"b.bmp\"";

    fields.clippingColor = L"#FF00FF00";
    EXPECT_EQ(head + L" clippingColor=\"#FF00FF\"" + kSkinTail, BuildInitialSkinText(fields));
    fields.clippingColor = L"red";
    EXPECT_EQ(head + L" clippingColor=\"red\"" + kSkinTail, BuildInitialSkinText(fields));
    fields.clippingColor = L"  #ABCDEF";
    EXPECT_EQ(head + L" clippingColor=\"  #ABCD\"" + kSkinTail, BuildInitialSkinText(fields));
}

TEST(InitialScriptText, IsTheFixedJScriptSkeleton)
{
    EXPECT_EQ(L"/*\r\n"
              L"\tこのスクリプトは、Quillmere によって生成されたものです。\r\n"
              L"\tWMS ファイルの内容に応じてこのスクリプトを編集してください。\r\n"
              L"*/\r\n\r\n"
              L"function OnLoad() {\r\n"
              L"\t/*↓ここに WMP スキンロード時に実行するスクリプト コードを書いてください。*/\r\n\r\n}\r\n\r\n"
              L"function OnClose() {\r\n"
              L"\t/*↓ここに WMP スキンアンロード時に実行するスクリプト コードを書いてください。*/\r\n\r\n}\r\n\r\n"
              L"/*↓ここにコードを書いてください。*/\r\n",
              BuildInitialScriptText());
}

CommentFields Comment(int data, int form, const std::wstring& single, const std::wstring& multi)
{
    CommentFields fields;
    fields.data = data;
    fields.form = form;
    fields.singleLine = single;
    fields.multiLine = multi;
    return fields;
}

TEST(CommentText, TheFourFormsAndOnlyTheSelectedContent)
{
    const std::wstring multi = L"line 1\r\n  line \"2\" & <3>\r\n";
    EXPECT_EQ(L"<!-- abc -->", BuildCommentText(Comment(CommentDataSkin, CommentSingleLine, L"abc", multi)));
    EXPECT_EQ(L"// abc", BuildCommentText(Comment(CommentDataScript, CommentSingleLine, L"abc", multi)));
    EXPECT_EQ(L"<!--\r\nline 1\r\n  line \"2\" & <3>\r\n\r\n-->\r\n",
              BuildCommentText(Comment(CommentDataSkin, CommentMultiLine, L"abc", multi)));
    EXPECT_EQ(L"/*\r\nline 1\r\n  line \"2\" & <3>\r\n\r\n*/\r\n",
              BuildCommentText(Comment(CommentDataScript, CommentMultiLine, L"abc", multi)));
}

TEST(CommentText, SingleLineContentIsVerbatim)
{
    EXPECT_EQ(L"<!--  a \"b\" & <c>  -->",
              BuildCommentText(Comment(CommentDataSkin, CommentSingleLine, L" a \"b\" & <c> ", L"")));
    EXPECT_EQ(L"// x -->", BuildCommentText(Comment(CommentDataScript, CommentSingleLine, L"x -->", L"")));
}

TEST(CommentText, ContentIsTheSelectedFormsField)
{
    EXPECT_EQ(L"", CommentContent(Comment(CommentDataSkin, CommentMultiLine, L"only single", L"")));
    EXPECT_EQ(L"", CommentContent(Comment(CommentDataScript, CommentSingleLine, L"", L"only multi")));
    EXPECT_EQ(L"m", CommentContent(Comment(CommentDataSkin, CommentMultiLine, L"s", L"m")));
    EXPECT_EQ(L"s", CommentContent(Comment(CommentDataScript, CommentSingleLine, L"s", L"m")));
}

TEST(ThemeText, AllEmptyIsABareTheme)
{
    EXPECT_EQ(L"<theme>\r\n\r\n</theme>\r\n", BuildThemeText(ThemeFields()));
}

TEST(ThemeText, EveryAttributeInTableOrderInLowerCase)
{
    ThemeFields fields;
    fields.id = L"main theme";
    fields.title = L"\"Q\"";
    fields.author = L"A & B";
    fields.copyright = L"<c>";
    fields.authorVersion = L"1.0";
    fields.currentViewId = L"mini";
    fields.version = L"7.0";
    EXPECT_EQ(L"<theme id=\"main theme\" title=\"\"Q\"\" author=\"A & B\" copyright=\"<c>\" authorVersion=\"1.0\""
              L" currentViewID=\"mini\" version=\"7.0\">\r\n\r\n</theme>\r\n",
              BuildThemeText(fields));
}

TEST(ThemeText, EachAttributeAlone)
{
    ThemeFields fields;
    fields.author = L" ";
    EXPECT_EQ(L"<theme author=\" \">\r\n\r\n</theme>\r\n", BuildThemeText(fields));
    fields = ThemeFields();
    fields.currentViewId = L"v";
    EXPECT_EQ(L"<theme currentViewID=\"v\">\r\n\r\n</theme>\r\n", BuildThemeText(fields));
    fields = ThemeFields();
    fields.version = L"9";
    EXPECT_EQ(L"<theme version=\"9\">\r\n\r\n</theme>\r\n", BuildThemeText(fields));
}

TEST(ViewText, EveryFieldAndOptionInTableOrder)
{
    ViewFields fields;
    fields.id = L"main";
    fields.title = L"メイン \"ビュー\"";
    fields.backgroundImage = L"back.bmp";
    fields.clippingColor = L"#FF00FF";
    fields.scriptFile = L"a.js;b & c.js";
    fields.showTitleBar = false;
    fields.tileBackground = true;
    EXPECT_EQ(L"\t<view id=\"main\" title=\"メイン \"ビュー\"\" backgroundImage=\"back.bmp\" clippingColor=\"#FF00FF\""
              L" scriptFile=\"a.js;b & c.js\" titleBar=\"False\" backgroundTiled=\"True\">\r\n\r\n\t</view>\r\n",
              BuildViewText(fields));
}

TEST(ViewText, TitleBarShownAndNothingOptional)
{
    ViewFields fields;
    fields.backgroundImage = L"<b>.bmp";
    fields.showTitleBar = true;
    EXPECT_EQ(L"\t<view backgroundImage=\"<b>.bmp\">\r\n\r\n\t</view>\r\n", BuildViewText(fields));
    fields.backgroundImage.clear();
    fields.clippingColor = L"#000000";
    EXPECT_EQ(L"\t<view backgroundImage=\"\" clippingColor=\"#000000\">\r\n\r\n\t</view>\r\n", BuildViewText(fields));
}

TEST(SkinHelpText, InitialInputListsItsSkinFieldsWithTheirAttributes)
{
    HelpParts parts = ExpectHelpShape(InitialInputHelpText(),
                                      {L"データの種類", L"スキン データの入力 (Java スクリプト選択時は無視されます)"});
    ASSERT_EQ(2u, parts.paragraphs.size());
    const std::wstring& fields = parts.paragraphs[1];
    const std::vector<std::pair<std::wstring, std::wstring>> lines = {
        {L"スキンのタイトル", L"Title"},          {L"スキンの作成者", L"Author"},
        {L"スキンの著作権", L"Copyright"},        {L"(*)背景イメージ", L"backgroundImage"},
        {L"(*)クリッピングカラー", L"clippingColor"}, {L"タイトル バーを表示する", L"titleBar"},
    };
    std::size_t pos = 0;
    for (const auto& line : lines) {
        const std::wstring start = L"\r\n　・" + line.first + L" : ";
        std::size_t found = fields.find(start, pos);
        ASSERT_NE(std::wstring::npos, found) << testing::PrintToString(line.first) << " missing or out of order";
        std::size_t end = fields.find(L"\r\n", found + start.size());
        const std::wstring explanation = fields.substr(found + start.size(), end - found - start.size());
        EXPECT_NE(std::wstring::npos, explanation.find(line.second)) << testing::PrintToString(explanation);
        pos = found + start.size();
    }
    EXPECT_EQ(0u, parts.notes.find(L"注意 : "));
    EXPECT_NE(std::wstring::npos, parts.notes.find(L"(*)"));
    EXPECT_NE(std::wstring::npos, parts.notes.find(L"クリッピングカラー"));
    EXPECT_EQ(std::wstring::npos, parts.notes.find(L"\r\n\r\n"));
}

TEST(SkinHelpText, CommentEndsOnWhatOkDoes)
{
    HelpParts parts = ExpectHelpShape(CommentHelpText(), {L"作成しているデータの種類", L"コメントの種類"});
    EXPECT_EQ(2u, parts.paragraphs.size());
    EXPECT_EQ(0u, parts.notes.find(L"参考 : "));
    EXPECT_NE(std::wstring::npos, parts.notes.find(L"OK"));
    EXPECT_EQ(std::wstring::npos, parts.notes.find(L"\r\n\r\n"));
}

TEST(SkinHelpText, ThemeHasSevenSectionsAndNoNotes)
{
    HelpParts parts = ExpectHelpShape(ThemeHelpText(), {L"識別 ID", L"タイトル", L"作成者", L"著作権",
                                                        L"バージョン番号", L"対象バージョン", L"開始ビュー ID"});
    ASSERT_EQ(7u, parts.paragraphs.size());
    EXPECT_EQ(L"", parts.notes);
    const wchar_t* attributes[] = {L"id", L"title", L"author", L"copyright", L"authorVersion", L"version",
                                   L"currentViewID"};
    for (std::size_t i = 0; i < parts.paragraphs.size(); ++i)
        EXPECT_NE(std::wstring::npos, parts.paragraphs[i].find(attributes[i])) << i;
}

TEST(SkinHelpText, ViewEndsOnAHintAboutSeveralViews)
{
    HelpParts parts = ExpectHelpShape(ViewHelpText(),
                                      {L"識別 ID", L"ビュー タイトル", L"(*)背景イメージ", L"(*)クリッピング カラー",
                                       L"Java スクリプト ファイル", L"タイトル バーを表示する", L"背景を並べる"});
    ASSERT_EQ(7u, parts.paragraphs.size());
    const wchar_t* attributes[] = {L"id", L"title", L"backgroundImage", L"clippingColor", L"scriptFile",
                                   L"titleBar", L"backgroundTiled"};
    for (std::size_t i = 0; i < parts.paragraphs.size(); ++i)
        EXPECT_NE(std::wstring::npos, parts.paragraphs[i].find(attributes[i])) << i;
    EXPECT_EQ(0u, parts.notes.find(L"ヒント : "));
    EXPECT_NE(std::wstring::npos, parts.notes.find(L"識別 ID"));
    EXPECT_EQ(std::wstring::npos, parts.notes.find(L"\r\n\r\n"));
}

}  // namespace
