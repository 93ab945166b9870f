// UI tests of Migrato, the settings converter, driven through its real dialog.
#include "kit.h"
#include "converter/resource.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

using kit::App;
using kit::Dialog;
using kit::Icon;

const wchar_t kTitle[] = L"Quillmere 設定コンバータ";
const std::wstring kV2 = L"Software\\Corvel-Halvenor\\Quillmere V2";
const std::wstring kV3 = L"Software\\Corvel-Halvenor\\Quillmere V3";
const std::wstring kCurrent = L"Software\\Halvenor's Software\\Quillmere";

enum { kConvert = IDOK, kExit = IDCANCEL, kAbout = IDC_SHOW_ABOUT, kFromV2 = IDC_SOURCE_V2, kFromV3 = IDC_SOURCE_V3 };

bool HasButton(const Dialog& box, int id)
{
    std::vector<int> buttons = box.Buttons();
    return std::find(buttons.begin(), buttons.end(), id) != buttons.end();
}

// A box of this caption other than the main dialog, which may share it.
Dialog WaitBoxBesides(const App& app, const Dialog& mainDialog, const std::wstring& caption)
{
    Dialog box;
    bool found = kit::WaitUntil([&] {
        for (const kit::Window& w : app.TopWindows())
            if (w.hwnd() != mainDialog.hwnd() && w.ClassName() == L"#32770" && w.Text() == caption) {
                box = Dialog(w.hwnd());
                return true;
            }
        return false;
    });
    if (!found) throw kit::Failure(L"no box \"" + caption + L"\" beside the main dialog");
    return box;
}

class MigratoTest : public kit::UiTest {
protected:
    // Started by each test, after the fixture has reset the state.
    Dialog StartConverter()
    {
        app_.emplace(L"Migrato.exe");
        return app_->WaitDialog(kTitle);
    }
    App& app() { return *app_; }

    void ConvertAnswering(const Dialog& converter, int answer)
    {
        converter.Item(kConvert).Click();
        Dialog confirm = app().WaitDialog(L"確認");
        EXPECT_EQ(L"設定を引き継ぎます。\nよろしいですか？", confirm.Message());
        EXPECT_EQ(Icon::Question, confirm.IconKind());
        EXPECT_TRUE(HasButton(confirm, IDYES));
        EXPECT_TRUE(HasButton(confirm, IDNO));
        confirm.Answer(answer);
    }

    void ConvertAndConfirm(const Dialog& converter)
    {
        ConvertAnswering(converter, IDYES);
        Dialog done = app().WaitDialog(L"引継ぎ完了");
        EXPECT_EQ(L"設定を引き継ぎました。", done.Message());
        EXPECT_EQ(Icon::Information, done.IconKind());
        done.Answer(IDOK);
        EXPECT_TRUE(converter.Exists()) << "the dialog stays open after a conversion";
    }

    void ExpectCurrent(const std::wstring& templateName, const std::wstring& sdkPath)
    {
        EXPECT_EQ(templateName, kit::RegString(kCurrent, L"TemplateFolderName").value_or(L"<missing>"));
        EXPECT_EQ(sdkPath, kit::RegString(kCurrent, L"WMPSDKManualPath").value_or(L"<missing>"));
    }

    std::optional<App> app_;
};

TEST_F(MigratoTest, StartsWithTheV3SourceChosenAndRadiosExcludeEachOther)
{
    Dialog converter = StartConverter();
    EXPECT_TRUE(converter.Item(kFromV3).Checked());
    EXPECT_FALSE(converter.Item(kFromV2).Checked());
    EXPECT_EQ(IDOK, converter.DefaultButton());

    converter.Item(kFromV2).SetChecked(true);
    EXPECT_FALSE(converter.Item(kFromV3).Checked());
    converter.Item(kFromV3).SetChecked(true);
    EXPECT_FALSE(converter.Item(kFromV2).Checked());
}

TEST_F(MigratoTest, ConvertsFromV3)
{
    kit::SetRegString(kV3, L"QLMTemplate", L"マイテンプレート");
    kit::SetRegString(kV3, L"WMP7SDK", L"C:\\SDK\\wmp9sdk.chm");
    kit::SetRegString(kV2, L"QLMTemplate", L"from V2");
    kit::SetRegString(kCurrent, L"TemplateFolderName", L"before");
    kit::SetRegDword(kCurrent, L"SleepModeFlag", 1);

    ConvertAndConfirm(StartConverter());
    ExpectCurrent(L"マイテンプレート", L"C:\\SDK\\wmp9sdk.chm");
    EXPECT_EQ(1u, kit::RegDword(kCurrent, L"SleepModeFlag").value_or(0));
    EXPECT_EQ(L"マイテンプレート", kit::RegString(kV3, L"QLMTemplate").value_or(L""));
}

TEST_F(MigratoTest, ConvertsFromV2AndTwiceGivesTheSame)
{
    kit::SetRegString(kV2, L"QLMTemplate", L"Old Templates");
    kit::SetRegString(kV2, L"WMP7SDK", L"D:\\wmp7sdk.chm");
    kit::SetRegString(kV3, L"QLMTemplate", L"from V3");

    Dialog converter = StartConverter();
    converter.Item(kFromV2).SetChecked(true);
    ConvertAndConfirm(converter);
    ExpectCurrent(L"Old Templates", L"D:\\wmp7sdk.chm");
    ConvertAndConfirm(converter);
    ExpectCurrent(L"Old Templates", L"D:\\wmp7sdk.chm");
}

TEST_F(MigratoTest, NoOnTheConfirmationWritesNothing)
{
    Dialog converter = StartConverter();
    ConvertAnswering(converter, IDNO);
    Sleep(300);  // room for a box that must not come
    EXPECT_EQ(1u, app().TopWindows().size()) << "only the dialog after No";
    EXPECT_FALSE(kit::RegKeyExists(kCurrent));
    EXPECT_FALSE(kit::RegKeyExists(kV3)) << "the source is not even opened";
}

// Nothing found and values too long for the old buffers carry nothing over, say why, and
// leave the current settings (and the old location) as they were.
TEST_F(MigratoTest, MissingLegacyKeyCarriesNothingOverAndSaysSo)
{
    const std::wstring unchanged = L"Quillmere の設定は変更されていません。";
    const struct {
        std::wstring value;   // "" : no V3 key at all
        std::wstring message;
    } cases[] = {
        {L"", L"引き継ぐ設定がありません。\n選択したバージョンの設定が見つかりませんでした。\n" + unchanged},
        {std::wstring(64, L'x'),
         L"設定を引き継げませんでした。\n旧バージョンの雛形フォルダ名が 63 文字を超えているため、引き継ぐことができません。\n" +
             unchanged},
    };
    Dialog converter = StartConverter();
    for (const auto& c : cases) {
        kit::SetRegString(kCurrent, L"TemplateFolderName", L"mine");
        kit::SetRegString(kCurrent, L"WMPSDKManualPath", L"C:\\mine.chm");
        if (!c.value.empty()) kit::SetRegString(kV3, L"QLMTemplate", c.value);
        ConvertAnswering(converter, IDYES);
        Dialog box = WaitBoxBesides(app(), converter, kTitle);
        EXPECT_EQ(c.message, box.Message());
        EXPECT_EQ(Icon::Warning, box.IconKind());
        box.Answer(IDOK);
        ExpectCurrent(L"mine", L"C:\\mine.chm");
        EXPECT_EQ(!c.value.empty(), kit::RegKeyExists(kV3)) << "nothing is created in the old location";
    }
}

TEST_F(MigratoTest, OverlongAndWrongTypedValuesAreNotCarriedOver)
{
    kit::SetRegString(kCurrent, L"TemplateFolderName", L"mine");
    kit::SetRegString(kV3, L"QLMTemplate", std::wstring(63, L'x'));
    kit::SetRegDword(kV3, L"WMP7SDK", 7);
    Dialog converter = StartConverter();
    ConvertAndConfirm(converter);
    ExpectCurrent(std::wstring(63, L'x'), L"<missing>");

    kit::SetRegString(kV3, L"WMP7SDK", std::wstring(260, L'p'));
    ConvertAnswering(converter, IDYES);
    Dialog box = WaitBoxBesides(app(), converter, kTitle);
    EXPECT_EQ(0u, box.Message().find(L"設定を引き継げませんでした。\n旧バージョンの Windows Media Player SDK マニュアルのパスが 259 文字"));
    box.Answer(IDOK);
    EXPECT_FALSE(kit::RegString(kCurrent, L"WMPSDKManualPath"));
}

TEST_F(MigratoTest, NoSourceChosenIsRefused)
{
    Dialog converter = StartConverter();
    converter.Item(kFromV3).Send(BM_SETCHECK, BST_UNCHECKED);
    converter.Item(kConvert).Click();
    Dialog warning = WaitBoxBesides(app(), converter, kTitle);
    EXPECT_EQ(L"対象バージョンを選択してください。", warning.Message());
    EXPECT_EQ(Icon::Warning, warning.IconKind());
    warning.Answer(IDOK);
    EXPECT_FALSE(kit::RegKeyExists(kCurrent));
}

TEST_F(MigratoTest, AboutBoxShowsTheJapaneseTableAndCloses)
{
    Dialog converter = StartConverter();
    for (int closer : {IDOK, IDCANCEL}) {
        converter.Item(kAbout).Click();
        Dialog about = app().WaitDialog(L"バージョン情報");
        EXPECT_EQ(L"Quillmere 設定コンバータ", about.Item(IDC_ABOUT_DESCRIPTION).Text());
        EXPECT_EQ(L"Version 1.14b (1.14.2009.208)", about.Item(IDC_ABOUT_VERSION).Text());
        EXPECT_NE(std::wstring::npos, about.Item(IDC_ABOUT_COPYRIGHT).Text().find(L"Halvenor's Software"));
        EXPECT_EQ(L"Web サイト(&W)", about.Item(IDC_ABOUT_WEBSITE).Text());
        if (closer == IDOK) {
            about.Answer(IDOK);
        } else {
            about.PostCommand(IDCANCEL);  // Escape's command: there is no Cancel button
            EXPECT_TRUE(kit::WaitUntil([&] { return !about.Exists(); }));
        }
        EXPECT_TRUE(converter.Exists());
    }
}

TEST_F(MigratoTest, ExitEndsWithZeroAndFreesTheGuard)
{
    StartConverter().Item(kExit).Click();
    EXPECT_EQ(0u, app().WaitExit());

    App again(L"Migrato.exe");
    Dialog converter = again.WaitDialog(kTitle);
    converter.Close();  // the close box goes the same way as Exit
    EXPECT_EQ(0u, again.WaitExit());
}

TEST_F(MigratoTest, SecondInstanceIsRefusedInJapanese)
{
    Dialog first = StartConverter();
    App second(L"Migrato.exe");
    Dialog refusal = second.WaitDialog(L"Quillmere 設定コンバータ");
    EXPECT_EQ(L"設定コンバータは 2 つ以上同時に起動することはできません。", refusal.Message());
    EXPECT_EQ(Icon::Warning, refusal.IconKind());
    EXPECT_EQ(nullptr, GetWindow(refusal.hwnd(), GW_OWNER));
    refusal.Answer(IDOK);
    EXPECT_EQ(0u, second.WaitExit());

    EXPECT_TRUE(first.Exists());
    EXPECT_TRUE(first.Item(kFromV3).Checked());
    EXPECT_EQ(1u, app().TopWindows().size());
}

class EnglishMigratoTest : public kit::UiTest {};

TEST_F(EnglishMigratoTest, RefusesToStartOutsideJapaneseWindows)
{
    App app(L"Migrato.exe");
    Dialog refusal = app.WaitDialog(L"Quillmere Setting Converter");
    EXPECT_EQ(L"Non-Japanese version of Windows environment cannot start.", refusal.Message());
    EXPECT_EQ(Icon::Error, refusal.IconKind());
    EXPECT_EQ(1u, app.TopWindows().size()) << "no dialog beside the refusal";
    refusal.Answer(IDOK);
    EXPECT_EQ(0u, app.WaitExit());
}

TEST_F(EnglishMigratoTest, SecondInstanceIsRefusedBeforeTheLanguageTest)
{
    App first(L"Migrato.exe");
    Dialog firstRefusal = first.WaitDialog(L"Quillmere Setting Converter");
    App second(L"Migrato.exe");
    Dialog refusal = second.WaitDialog(L"Quillmere Setting Converter");
    EXPECT_EQ(L"Setting Converter are two or More, You cannot Run Concurrently.", refusal.Message());
    EXPECT_EQ(Icon::Warning, refusal.IconKind());
    refusal.Answer(IDOK);
    EXPECT_EQ(0u, second.WaitExit());
    EXPECT_TRUE(firstRefusal.Exists());
}

}  // namespace
