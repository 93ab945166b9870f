// UI tests of the Fennick and Setwright shells: the guards, the menus and the About boxes.
#include "kit.h"
#include "setupmaker/resource.h"
// Fennick numbers its English About box as it does, differently from Setwright.
#undef IDD_ABOUT_EN
#include "explorer/resource.h"

#include <string>

namespace {

using kit::App;
using kit::Dialog;
using kit::Icon;
using kit::Window;

enum { kSetwrightAbout = IDC_SHOW_ABOUT, kSetwrightExit = IDCANCEL, kFennickAbout = IDM_ABOUT };

struct AboutLines {
    const wchar_t* title;
    const wchar_t* description;
    const wchar_t* version;
    const wchar_t* copyright;
    const wchar_t* webLabel;
};

void ExpectAboutBox(const App& app, const AboutLines& lines)
{
    Dialog about = app.WaitDialog(lines.title);
    EXPECT_EQ(lines.description, about.Item(IDC_ABOUT_DESCRIPTION).Text());
    EXPECT_EQ(lines.version, about.Item(IDC_ABOUT_VERSION).Text());
    EXPECT_EQ(lines.copyright, about.Item(IDC_ABOUT_COPYRIGHT).Text());
    EXPECT_EQ(lines.webLabel, about.Item(IDC_ABOUT_WEBSITE).Text());
    // Escape's command: the box has no Cancel button to click.
    about.PostCommand(IDCANCEL);
    EXPECT_TRUE(kit::WaitUntil([&] { return !about.Exists(); })) << "Escape closes the About box";
}

const AboutLines kFennickJapanese = {
    L"バージョン情報", L"Ferncastle", L"Version 1.3c (1.30.2009.208)",
    L"Copyright (C) 2009 Halvenor's Software. 無断複写・転載を禁じます。", L"Web サイト(&W)"};
const AboutLines kFennickEnglish = {
    L"About", L"Ferncastle", L"Version 1.3c (1.30.2009.208)",
    L"Copyright (C) 2009 Halvenor's Software. All rights reserved.", L"&Website"};
const AboutLines kSetwrightJapanese = {
    L"バージョン情報", L"QLMC ファイル作成ツール", L"Version 1.13b (1.13.2009.208)",
    L"Copyright (C) 2009 Halvenor's Software. 無断複写・転載を禁じます。", L"Web サイト(&W)"};
const AboutLines kSetwrightEnglish = {
    L"About", L"QLMC File Creation Tools", L"Version 1.13b (1.13.2009.208)",
    L"Copyright (C) 2009 Halvenor's Software. All rights reserved.", L"&Website"};

// ---- Setwright ----

void ExpectSecondSetwrightRefused(const wchar_t* title, const wchar_t* text)
{
    App first(L"Setwright.exe");
    Dialog main = first.WaitDialog(title);
    App second(L"Setwright.exe");
    Dialog refusal = second.WaitDialog(title);
    EXPECT_EQ(text, refusal.Message());
    EXPECT_EQ(Icon::Warning, refusal.IconKind());
    EXPECT_EQ(nullptr, GetWindow(refusal.hwnd(), GW_OWNER));
    refusal.Answer(IDOK);
    EXPECT_EQ(0u, second.WaitExit());
    EXPECT_TRUE(main.Exists());
    EXPECT_EQ(1u, first.TopWindows().size());
}

class SetwrightTest : public kit::UiTest {};

TEST_F(SetwrightTest, SecondInstanceIsRefusedInJapanese)
{
    ExpectSecondSetwrightRefused(L"QLMC ファイル作成ツール",
                                 L"QLMC ファイル作成ツールは 2 つ以上同時に起動することはできません。");
}

TEST_F(SetwrightTest, DialogAndAboutBoxAreJapanese)
{
    App app(L"Setwright.exe");
    Dialog main = app.WaitDialog(L"QLMC ファイル作成ツール");
    EXPECT_EQ(L"バージョン情報(&A)", main.Item(kSetwrightAbout).Text());
    EXPECT_EQ(L"終了(&X)", main.Item(kSetwrightExit).Text());
    main.Item(kSetwrightAbout).Click();
    ExpectAboutBox(app, kSetwrightJapanese);
    EXPECT_TRUE(main.Exists());
}

TEST_F(SetwrightTest, ExitEndsWithZeroAndFreesTheGuard)
{
    {
        App app(L"Setwright.exe");
        app.WaitDialog(L"QLMC ファイル作成ツール").Item(kSetwrightExit).Click();
        EXPECT_EQ(0u, app.WaitExit());
    }
    App again(L"Setwright.exe");
    again.WaitDialog(L"QLMC ファイル作成ツール").Close();
    EXPECT_EQ(0u, again.WaitExit());
}

class EnglishSetwrightTest : public kit::UiTest {};

TEST_F(EnglishSetwrightTest, SecondInstanceIsRefusedInEnglish)
{
    ExpectSecondSetwrightRefused(L"QLMC File Creation Tools",
                                 L"QLMC File Creation Tools are Two or More, You can not Run Concurrently.");
}

TEST_F(EnglishSetwrightTest, DialogAndAboutBoxAreEnglish)
{
    App app(L"Setwright.exe");
    Dialog main = app.WaitDialog(L"QLMC File Creation Tools");
    EXPECT_EQ(L"&About", main.Item(kSetwrightAbout).Text());
    EXPECT_EQ(L"E&xit", main.Item(kSetwrightExit).Text());
    main.Item(kSetwrightAbout).Click();
    ExpectAboutBox(app, kSetwrightEnglish);
}

// ---- Fennick ----

Window WaitExplorer(const App& app)
{
    return app.WaitWindow(L"Fennick", L"Ferncastle");
}

class FennickTest : public kit::UiTest {};

TEST_F(FennickTest, SecondStartBringsTheFirstWindowForward)
{
    App first(L"Fennick.exe");
    Window explorer = WaitExplorer(first);
    ShowWindow(explorer.hwnd(), SW_HIDE);
    ASSERT_TRUE(kit::WaitUntil([&] { return !explorer.Visible(); }));

    App second(L"Fennick.exe");
    EXPECT_EQ(0u, second.WaitExit());
    EXPECT_TRUE(kit::WaitUntil([&] { return explorer.Visible(); })) << "shown again";
    EXPECT_TRUE(kit::WaitUntil([&] { return GetForegroundWindow() == explorer.hwnd(); }));
    EXPECT_EQ(1u, first.TopWindows().size());
    EXPECT_EQ(explorer.hwnd(), FindWindowW(L"Fennick", nullptr));
}

TEST_F(FennickTest, CommandLineStartsNoWindowEvenBesideAnOpenExplorer)
{
    App first(L"Fennick.exe");
    Window explorer = WaitExplorer(first);
    App bulk(L"Fennick.exe", L"\"C:\\skins.qlmc\"");
    bulk.WaitDialog(L"Ferncastle").Answer(IDNO);   // the bulk copy's own question, no explorer
    EXPECT_EQ(0u, bulk.WaitExit());
    EXPECT_TRUE(explorer.Visible());

    first.Kill();
    App alone(L"Fennick.exe", L"\"C:\\skins.qlmc\"");
    EXPECT_FALSE(alone.Find(L"Fennick"));
    alone.WaitDialog(L"Ferncastle").Answer(IDNO);
    EXPECT_EQ(0u, alone.WaitExit());
}

TEST_F(FennickTest, JapaneseMenuAndAboutBox)
{
    App app(L"Fennick.exe");
    Window explorer = WaitExplorer(app);
    kit::MenuItem about = explorer.Menu(kFennickAbout);
    ASSERT_TRUE(about.exists);
    EXPECT_TRUE(about.enabled);
    EXPECT_EQ(L"バージョン情報(&A)", about.label);
    EXPECT_FALSE(explorer.Menu(32768).enabled) << "open skin waits for a selection";

    explorer.PostCommand(kFennickAbout);
    ExpectAboutBox(app, kFennickJapanese);
    EXPECT_TRUE(explorer.Exists());
}

TEST_F(FennickTest, CloseEndsWithZeroAndFreesTheGuard)
{
    {
        App app(L"Fennick.exe");
        WaitExplorer(app).Close();
        EXPECT_EQ(0u, app.WaitExit());
    }
    App again(L"Fennick.exe");
    WaitExplorer(again).PostCommand(32771);  // Exit
    EXPECT_EQ(0u, again.WaitExit());
}

class EnglishFennickTest : public kit::UiTest {};

TEST_F(EnglishFennickTest, EnglishMenuAndAboutBox)
{
    App app(L"Fennick.exe");
    Window explorer = WaitExplorer(app);
    EXPECT_EQ(L"&About", explorer.Menu(kFennickAbout).label);
    explorer.PostCommand(kFennickAbout);
    ExpectAboutBox(app, kFennickEnglish);
}

}  // namespace
