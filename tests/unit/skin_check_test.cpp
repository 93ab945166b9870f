// The skin definition check: every kind of finding at its place, real skins without complaint.
#include "file_paths.h"
#include "skin_check.h"
#include "text_encoding.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Expected {
    int line, column;
    SkinFindingKind kind;
    std::wstring message;
};

struct Case {
    std::wstring text;
    std::vector<Expected> findings;
};

// The body starts at line 3, column 1.
std::wstring InView(const std::wstring& body) { return L"<THEME>\n<VIEW>\n" + body + L"\n</VIEW>\n</THEME>\n"; }

void ExpectFindings(const std::vector<Case>& cases, const std::wstring& folder = L"")
{
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text.c_str());
        std::vector<SkinFinding> found = CheckSkinDefinition(c.text, folder);
        ASSERT_EQ(c.findings.size(), found.size()) << (found.empty() ? L"" : found[0].message.c_str());
        for (size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(c.findings[i].line, found[i].line);
            EXPECT_EQ(c.findings[i].column, found[i].column);
            EXPECT_EQ(c.findings[i].kind, found[i].kind);
            EXPECT_EQ(c.findings[i].message, found[i].message);
        }
    }
}

std::wstring ScratchFolder(const wchar_t* name)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void Write(const std::wstring& path, const std::string& bytes)
{
    FILE* file = _wfopen(path.c_str(), L"wb");
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

std::wstring ReadSkinFile(const std::wstring& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path.c_str(), &bytes)) << path.c_str();
    ReadPlan plan = PlanRead(EncodingOfFirstBytes(bytes.substr(0, 3)), ReadByMark);
    return DecodeDocumentBytes(bytes.substr(plan.markLength), plan.encoding, WindowTextUnicode, CP_ACP, false)
        .text.wide;
}

}  // namespace

TEST(SkinCheck, ErrorsThatStopThePlayer)
{
    ExpectFindings({
        {L"<THEME>\n  <VIEW>\n", {{1, 1, SkinError, L"要素 <THEME> が閉じられていません。"},
                                  {2, 3, SkinError, L"要素 <VIEW> が閉じられていません。"}}},
        {L"<THEME><VIEW>\n<SUBVIEW>\n</VIEW></THEME>",
         {{3, 1, SkinError, L"終了タグ </VIEW> は開いている要素 <SUBVIEW> と対応しません。"}}},
        {L"<THEME>\n</SUBVEW></THEME>",
         {{2, 1, SkinError, L"終了タグ </SUBVEW> は開いている要素 <THEME> と対応しません。"}}},
        {L"<THEME/>\n</VIEW>", {{2, 1, SkinError, L"終了タグ </VIEW> に対応する開始タグがありません。"}}},
        {L"<THEME>\n<VIEW title=\"abc>\n</THEME>", {{2, 13, SkinError, L"属性 title の値が閉じられていません。"}}},
        {L"<THEME title='abc", {{1, 14, SkinError, L"属性 title の値が閉じられていません。"}}},
        {L"<THEME/>\n<!-- <VIEW>", {{2, 1, SkinError, L"コメントが閉じられていません。"}}},
        {L"<THEME author \"x\"/>", {{1, 8, SkinError, L"属性 author に = と値がありません。"}}},
        {L"<THEME author=x/>", {{1, 15, SkinError, L"属性 author の値が引用符で囲まれていません。"}}},
        {L"<THEME author= />", {{1, 8, SkinError, L"属性 author の = の後に値がありません。"}}},
        {L"<THEME % title=\"x\"/>", {{1, 8, SkinError, L"タグ <THEME> の中に属性として読めない文字があります。"}}},
        {L"<THEME>\n\t<VIEW\n<BUTTON/></VIEW></THEME>", {{2, 2, SkinError, L"開始タグ <VIEW> が > で終わっていません。"}}},
        {L"<THEME>< </THEME>", {{1, 8, SkinError, L"< の後に要素名がありません。"}}},
        {L"<VIEW/>", {{1, 1, SkinError, L"要素 <VIEW> が THEME の外にあります。"}}},
        {L"<THEME/>\n<theme/>", {{2, 1, SkinError, L"要素 <theme> が二つ以上あります。"}}},
        {L"just text", {{1, 1, SkinError, L"要素 <THEME> がありません。"}}},
        {L"<?xml version=\"1.0\"", {{1, 1, SkinError, L"宣言が閉じられていません。"},
                                    {1, 1, SkinError, L"要素 <THEME> がありません。"}}},
    });
}

TEST(SkinCheck, FilesAreLookedUpInTheSkinFolderWithoutRegardToCase)
{
    std::wstring folder = ScratchFolder(L"qlm-skin-check");
    CreateDirectoryW((folder + L"\\art").c_str(), nullptr);
    Write(folder + L"\\art\\Play.bmp", "x");
    Write(folder + L"\\main.js", "x");
    Write(folder + L"\\a&b.bmp", "x");
    const std::vector<Case> cases = {
        {InView(L"<BUTTON image=\"art\\play.BMP\" hoverImage=\"art/Play.bmp\" downImage=\"a&amp;b.bmp\"/>"), {}},
        {InView(L"<BUTTON image=\"play.bmp\" hoverImage=\"art\"/>"),
         {{3, 16, SkinError, L"ファイル \"play.bmp\" がスキンのフォルダにありません。"},
          {3, 38, SkinError, L"ファイル \"art\" がスキンのフォルダにありません。"}}},
        {L"<THEME><VIEW scriptFile=\"main.js; res://wmploc/RT_STRING/#1812;&#x20;gone.wmx\"/></THEME>",
         {{1, 70, SkinError, L"ファイル \"gone.wmx\" がスキンのフォルダにありません。"}}},
        {InView(L"<BUTTON image=\"\" downImage=\"wmpprop:x.image\" resizeImages=\"true\"/>"
                L"<SUBVIEW resizeBackgroundImage=\"true\"/>"),
         {}},
    };
    ExpectFindings(cases, folder);
    // Without a folder (a document never saved) no file is looked up.
    ExpectFindings({{InView(L"<BUTTON image=\"play.bmp\"/>"), {}}});
}

TEST(SkinCheck, WarningsAboutNamesAndValues)
{
    ExpectFindings({
        {InView(L"<BUTTON hoverImag=\"\"/>"),
         {{3, 9, SkinWarning, L"属性 hoverImag は <BUTTON> にありません。もしかして hoverImage ですか?"}}},
        {InView(L"<Slider THUMBIMAG=\"\" frobnicate=\"1\"/>"),
         {{3, 9, SkinWarning, L"属性 THUMBIMAG は <Slider> にありません。もしかして thumbImage ですか?"},
          {3, 22, SkinWarning, L"属性 frobnicate は <Slider> にありません。"}}},
        {InView(L"<TEXT fontSyle=\"bold\"/><BUTTON donw=\"true\"/>"),
         {{3, 7, SkinWarning, L"属性 fontSyle は <TEXT> にありません。もしかして fontStyle ですか?"},
          {3, 32, SkinWarning, L"属性 donw は <BUTTON> にありません。もしかして down ですか?"}}},
        {InView(L"<BUTON/><GADGET/>"),
         {{3, 1, SkinWarning, L"要素 <BUTON> はスキンの書式にありません。もしかして BUTTON ですか?"},
          {3, 9, SkinWarning, L"要素 <GADGET> はスキンの書式にありません。"}}},
        {InView(L"<BUTTON onDragBegin=\"x\" onclick_onchange=\"x\"/><BUTTONELEMENT left=\"1\"/>"),
         {{3, 9, SkinWarning, L"属性 onDragBegin は <BUTTON> にありません。"},
          {3, 25, SkinWarning, L"属性 onclick_onchange は <BUTTON> にありません。"},
          {3, 62, SkinWarning, L"属性 left は <BUTTONELEMENT> にありません。"}}},
        {InView(L"<BUTTON image=\"\" IMAGE=\"\"/>"), {{3, 18, SkinWarning, L"属性 IMAGE が <BUTTON> で重複しています。"}}},
        {InView(L"<BUTTON id=\"a\"/>\n<SUBVIEW><TEXT id=\"A\"/></SUBVIEW>"),
         {{4, 20, SkinWarning, L"id \"A\" は同じ VIEW の 3 行目ですでに使われています。"}}},
        {L"<THEME><VIEW id=\"v\"><TEXT id=\"t\"/></VIEW><VIEW id=\"w\"><TEXT id=\"t\"/></VIEW><VIEW id=\"v\"/></THEME>",
         {{1, 86, SkinWarning, L"id \"v\" は 1 行目ですでに使われています。"}}},
        {InView(L"<TEXT foregroundColor=\"#12345\" backgroundColor=\"blak\" x.hoverBackgroundColor=\"\"/>"),
         {{3, 24, SkinWarning, L"属性 foregroundColor の値 \"#12345\" は #RRGGBB の形でも色の名前でもありません。"},
          {3, 49, SkinWarning, L"属性 backgroundColor の値 \"blak\" は #RRGGBB の形でも色の名前でもありません。"},
          {3, 79, SkinWarning, L"属性 x.hoverBackgroundColor の値 \"\" は #RRGGBB の形でも色の名前でもありません。"}}},
        {InView(L"<TEXT value=\"𠮷野\" left=\"x\"/>"), {{3, 25, SkinWarning, L"属性 left の値 \"x\" は整数ではありません。"}}},
        {InView(L"<VIEW left=\"12px\" width=\" 3\" maxHeight=\"+\"/>"),
         {{3, 13, SkinWarning, L"属性 left の値 \"12px\" は整数ではありません。"},
          {3, 26, SkinWarning, L"属性 width の値 \" 3\" は整数ではありません。"},
          {3, 41, SkinWarning, L"属性 maxHeight の値 \"+\" は整数ではありません。"}}},
    });
}

TEST(SkinCheck, NotesForNamesThePlayerAcceptsOutsideTheReference)
{
    ExpectFindings({
        {L"<THEME id=\"t\"><VIEW stickyBorderWidth=\"4\"/><EQUALIZERSETTINGS enable=\"true\"/></THEME>",
         {{1, 8, SkinNote, L"属性 id はリファレンスにありませんが、プレーヤーは受け付けます。"},
          {1, 21, SkinNote, L"属性 stickyBorderWidth はリファレンスにありませんが、プレーヤーは受け付けます。"},
          {1, 63, SkinNote, L"属性 enable はリファレンスにありませんが、プレーヤーは受け付けます。"}}},
        {InView(L"<BUTTONGROUP><PLAYELEMENT zIndex=\"1\"/></BUTTONGROUP>"),
         {{3, 27, SkinNote, L"属性 zIndex はリファレンスにありませんが、プレーヤーは受け付けます。"}}},
    });
}

TEST(SkinCheck, WhatThePlayerReadsWithoutComplaint)
{
    ExpectFindings({
        {L"<?xml version=\"1.0\"?><!DOCTYPE theme [<!ENTITY a \"b\">]>\n<THEME>\n<subVIEW/></theme>", {}},
        {L"<!-- top --><THEME author = \"a\" title= 'b'><!-- <VIEW> --><VIEW id  =\"v\"/>text > here</THEME>", {}},
        {InView(L"<TEXT value=\"a &lt; b &amp;&amp; c &#12354;\" foregroundColor=\"&#35;00ff00\" "
                L"backgroundColor=\"Black\" hoverBackgroundColor=\"none\" left=\"-3\" top=\"+4\" "
                L"width=\"jscript:a.width\" "
                L"value_onchange=\"f()\" visible_onchange=\"f()\" onmouseover=\"JScript:f()\"/>"),
         {}},
        {InView(L"<PLAYBUTTON hoverImage=\"\" upToolTip=\"再生\"/><SEEKSLIDER thumbImage=\"\" onDragEnd=\"f()\"/>"
                L"<PLAYER openStateChange=\"f()\" anything=\"1\"/><WMPVIDEO windowless=\"true\"/>"),
         {}},
        {InView(L"<VIEW ctrlAlbumArt.resizeBackgroundImage=\"true\" Duration.columnWidth=\"40\" "
                L"currentEffect.backgroundColor=\"#000000\"/>"),
         {}},
    });
}

TEST(SkinCheck, RealSkinsHaveNoErrorsOrWarnings)
{
    const std::wstring skins = std::wstring(_wgetenv(L"QLM_TEST_DATA")) + L"\\skins\\";
    const struct { const wchar_t* folder; const wchar_t* file; size_t notes; } cases[] = {
        {L"classic", L"classic.wms", 3}, {L"lowercase", L"nightshift.wms", 3}, {L"mixed", L"aurora.wms", 7},
        {L"nowplaying", L"nowplaying.wms", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.file);
        std::vector<SkinFinding> findings = CheckSkinDefinition(ReadSkinFile(skins + c.folder + L"\\" + c.file),
                                                                skins + c.folder);
        for (const SkinFinding& finding : findings)
            EXPECT_EQ(SkinNote, finding.kind) << finding.line << L":" << finding.column << L" " << finding.message;
        EXPECT_EQ(c.notes, findings.size());
        EXPECT_TRUE(CountSkinErrorsInFolder(skins + c.folder).empty());
    }
}

TEST(SkinCheck, FolderCountsErrorsOfEveryDefinitionByItsMark)
{
    std::wstring folder = ScratchFolder(L"qlm-skin-folder");
    Write(folder + L"\\good.wms", std::string("\xFF\xFE<\0T\0H\0E\0M\0E\0/\0>\0", 18));
    Write(folder + L"\\big-endian.wms", std::string("\xFE\xFF\0<\0V\0I\0E\0W\0/\0>", 16));
    Write(folder + L"\\utf8.WMS", "\xEF\xBB\xBF<THEME><VIEW image=\"no.bmp\">");
    Write(folder + L"\\ansi.wms", "<THEME title=\"\x93\xFA\x96\x7B\"/>");
    Write(folder + L"\\other.wmsx", "<VIEW/>");
    CreateDirectoryW((folder + L"\\sub").c_str(), nullptr);
    Write(folder + L"\\sub\\deep.wms", "<VIEW/>");
    Write(folder + L"\\locked.wms", "<THEME/>");
    HANDLE locked =
        CreateFileW((folder + L"\\locked.wms").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    std::vector<SkinFileErrors> counts = CountSkinErrorsInFolder(folder);
    CloseHandle(locked);
    ASSERT_EQ(3u, counts.size());
    EXPECT_EQ(L"big-endian.wms", counts[0].fileName);
    EXPECT_EQ(1, counts[0].errors);
    EXPECT_EQ(L"locked.wms", counts[1].fileName);
    EXPECT_EQ(1, counts[1].errors);
    EXPECT_EQ(L"utf8.WMS", counts[2].fileName);
    EXPECT_EQ(3, counts[2].errors);
}

// Cut or scrambled text must never read out of bounds, and findings stay in order.
TEST(SkinCheck, TruncatedAndGarbledTextIsSafe)
{
    const std::wstring skin = ReadSkinFile(std::wstring(_wgetenv(L"QLM_TEST_DATA")) + L"\\skins\\mixed\\aurora.wms");
    const wchar_t pieces[] = L"<>/=\"'&#;!-?x.\n\t ";
    std::wstring garbage;
    unsigned seed = 7;
    for (int i = 0; i < 20000; ++i) garbage += pieces[(seed = seed * 1103515245 + 12345) >> 16 & 15];
    std::vector<std::wstring> texts = {garbage, garbage + skin};
    for (size_t length = 0; length <= skin.size(); length += 13) texts.push_back(skin.substr(0, length));
    for (const std::wstring& text : texts) {
        std::vector<SkinFinding> findings = CheckSkinDefinition(text, L"");
        for (size_t i = 1; i < findings.size(); ++i)
            ASSERT_TRUE(findings[i - 1].line < findings[i].line ||
                        (findings[i - 1].line == findings[i].line && findings[i - 1].column <= findings[i].column));
    }
    // One finding per character would fill memory: the check stops at 10,000 and says so.
    std::vector<SkinFinding> flood = CheckSkinDefinition(std::wstring(50000, L'<'), L"");
    ASSERT_EQ(10001u, flood.size());
    EXPECT_EQ(SkinNote, flood.back().kind);
    EXPECT_EQ(10000, flood.back().column);
}
