// UI tests of the colour survey dialog: the picker, the values and code, Copy and Insert.
#include "document_test.h"

#include <colordlg.h>

#include <string>
#include <vector>

namespace {

const wchar_t kSurveyCaption[] = L"カラー調査";
const wchar_t kPickerCaption[] = L"色";
// Wine's colour picker: its red, green and blue fields
const int kPickerFields[] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};

class ColorSurvey : public DocumentTest {
protected:
    Dialog Open()
    {
        main_.PostCommand(IDM_COLOR_SURVEY);
        return app().WaitDialog(kSurveyCaption);
    }
    // The colour the picker opens with ("R,G,B"); then red, green and blue are chosen in it and
    // the code shown waited for, or without a colour the picker is cancelled.
    std::wstring Pick(const Dialog& survey, const std::vector<int>& colour = {}, const std::wstring& code = L"")
    {
        survey.Item(IDC_COLOR_PICK).Click();
        Dialog picker = app().WaitDialog(kPickerCaption);
        std::wstring start;
        for (int i = 0; i < 3; ++i) {
            start += (i ? L"," : L"") + picker.Item(kPickerFields[i]).Text();
            if (!colour.empty()) picker.Item(kPickerFields[i]).SetText(std::to_wstring(colour[i]));
        }
        picker.Answer(colour.empty() ? IDCANCEL : IDOK);
        if (!colour.empty()) {
            EXPECT_SOON_EQ(code, survey.Item(IDC_COLOR_CODE).Text());
        }
        return start;
    }
    static std::wstring Shown(const Dialog& survey)
    {
        return survey.Item(IDC_COLOR_RED).Text() + L"|" + survey.Item(IDC_COLOR_GREEN).Text() + L"|" +
               survey.Item(IDC_COLOR_BLUE).Text() + L"|" + survey.Item(IDC_COLOR_CODE).Text() +
               (survey.Item(IDC_COLOR_COPY).Enabled() ? L"|copy" : L"") +
               (survey.Item(IDC_COLOR_INSERT).Enabled() ? L"|insert" : L"");
    }
    // The clipboard's text, as the document's Paste shows it.
    std::wstring Clipboard() const
    {
        Edit().SetText(L"");
        Edit().Send(WM_PASTE);
        return Edit().Text();
    }
};

}  // namespace

TEST_F(ColorSurvey, PickCopyInsertAndReopenAtTheLastColour)
{
    Start();
    Edit().SetText(L"earlier");
    Edit().Send(EM_SETSEL, 0, -1);
    Edit().Send(WM_COPY);
    Dialog survey = Open();
    EXPECT_EQ(L"赤 :|緑 :|青 :|", Shown(survey));
    EXPECT_EQ(L"0,0,0", Pick(survey, {0, 0, 0}, L"#000000")) << "black at the start";
    EXPECT_SOON_EQ(L"赤 : 0|緑 : 0|青 : 0|#000000|copy|insert", Shown(survey));
    Pick(survey, {255, 128, 0}, L"#FF8000");
    EXPECT_SOON_EQ(L"赤 : 255|緑 : 128|青 : 0|#FF8000|copy|insert", Shown(survey));
    kit::Screenshot(L"color-survey", survey.hwnd());

    const std::wstring question = L"取得したカラーコードをクリップボードへコピーしてもよろしいですか？";
    survey.Item(IDC_COLOR_COPY).Click();
    ExpectBox(L"Quillmere", question, Icon::Question).Answer(IDNO);
    EXPECT_EQ(L"earlier", Clipboard());
    survey.Item(IDC_COLOR_COPY).Click();
    ExpectBox(L"Quillmere", question, Icon::Question).Answer(IDYES);
    ExpectBox(L"Quillmere", L"取得したカラーコードをクリップボードへコピーしました。", Icon::Information).Answer(IDOK);
    EXPECT_EQ(L"#FF8000", Clipboard());

    Edit().SetText(L"ab");
    Edit().Send(EM_SETSEL, 1, 1);
    survey.Item(IDC_COLOR_INSERT).Click();
    ASSERT_TRUE(kit::WaitUntil([&] { return Edit().Text() == L"a#FF8000b"; })) << kit::Utf8(Edit().Text());
    EXPECT_SOON_TRUE(Modified());
    EXPECT_SOON_EQ(MAKELRESULT(8, 8), Edit().Send(EM_GETSEL)) << "the caret behind the code";
    EXPECT_TRUE(survey.Exists()) << "the dialog stays open";

    survey.Answer(IDOK);
    survey = Open();
    EXPECT_EQ(L"赤 :|緑 :|青 :|", Shown(survey));
    EXPECT_EQ(L"255,128,0", Pick(survey)) << "the picker starts at the last colour";
    EXPECT_EQ(L"赤 :|緑 :|青 :|", Shown(survey)) << "a cancelled picker changes nothing";
    survey.PostKey(VK_ESCAPE);
    app().WaitGone(L"#32770", kSurveyCaption);
}
