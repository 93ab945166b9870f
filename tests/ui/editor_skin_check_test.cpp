// UI tests of the skin check: its findings list, going to a line (in a script too), and the clean answer.
#include "document_test.h"

#include <string>

namespace {

enum {
    kSkinCheck = IDM_TOOLS_SKIN_CHECK, kFindings = IDD_SKIN_CHECK, kSummary = IDC_SKIN_CHECK_SUMMARY,
    kList = IDC_SKIN_CHECK_LIST,
};
const wchar_t kCaption[] = L"スキンのチェック";

class SkinCheckTest : public DocumentTest {};

}  // namespace

TEST_F(SkinCheckTest, FindingsAreListedByLineAndADoubleClickGoesToTheLine)
{
    std::wstring folder = Scratch(L"red skin");
    CreateDirectoryW(folder.c_str(), nullptr);
    kit::WriteBytes(folder + L"\\play.bmp", "b");
    kit::WriteBytes(folder + L"\\red.wms",
                    "<theme>\r\n <view backgroundColor=\"black\">\r\n"
                    "  <button image=\"play.bmp\" upToolTp=\"Play\"/>\r\n"
                    "  <button image=\"stop.bmp\"/>\r\n </view>\r\n</theme>\r\n");
    Start(L"\"" + folder + L"\\red.wms\"", L"Quillmere - red.wms");
    EXPECT_TRUE(main_.Menu(kSkinCheck).enabled);
    main_.PostCommand(kSkinCheck);
    Dialog findings = app().WaitDialog(kCaption);
    Window list = findings.Item(kList);
    ASSERT_TRUE(kit::WaitUntil([&] { return list.Send(LVM_GETITEMCOUNT) == 2; }));
    EXPECT_SOON_EQ((std::vector<std::wstring>{L"red.wms", L"red.wms"}), list.ListColumn(0));
    EXPECT_SOON_EQ((std::vector<std::wstring>{L"3", L"4"}), list.ListColumn(1));
    EXPECT_SOON_EQ((std::vector<std::wstring>{L"警告", L"エラー"}), list.ListColumn(2));
    EXPECT_SOON_TRUE(list.ListItemText(0, 3).find(L"upToolTp") != std::wstring::npos);
    EXPECT_SOON_TRUE(list.ListItemText(0, 3).find(L"upToolTip") != std::wstring::npos);
    EXPECT_SOON_TRUE(list.ListItemText(1, 3).find(L"stop.bmp") != std::wstring::npos);
    EXPECT_SOON_EQ(L"エラー 1 件、警告 1 件、情報 0 件が見つかりました。", findings.Item(kSummary).Text());

    list.DoubleClickListItem(1);
    LRESULT lineFour = Edit().Send(EM_LINEINDEX, 3);
    EXPECT_TRUE(kit::WaitUntil([&] { return LOWORD(Edit().Send(EM_GETSEL)) == lineFour; }))
        << "the caret is at " << LOWORD(Edit().Send(EM_GETSEL));
    EXPECT_SOON_EQ(lineFour + 28, HIWORD(Edit().Send(EM_GETSEL))) << "the whole line is selected";

    // Mended, the same command closes the list and says so.
    Edit().SetText(L"<THEME><VIEW><BUTTON image=\"play.bmp\"/></VIEW></theme>");
    main_.PostCommand(kSkinCheck);
    ASSERT_TRUE(kit::WaitUntil([&] { return !findings.Exists(); }));
    ExpectBox(kCaption, L"問題は見つかりませんでした。", Icon::Information).Answer(IDOK);
}

TEST_F(SkinCheckTest, ServesSkinDefinitionsAndNewDocumentsOnly)
{
    Start();
    EXPECT_TRUE(main_.Menu(kSkinCheck).enabled) << "a new document";
    Edit().SetText(L"<theme>\r\n<view><image/></view>\r\n</theme>");
    main_.PostCommand(kSkinCheck);
    Dialog findings = app().WaitDialog(kCaption);
    EXPECT_SOON_EQ(L"2", findings.Item(kList).ListItemText(0, 1));
    findings.Answer(IDCANCEL);

    Drop(WriteFile(L"player.js", "var x;"));
    EXPECT_SOON_FALSE(main_.Menu(kSkinCheck).enabled) << "a script";
}

TEST_F(SkinCheckTest, AFindingInAScriptOpensTheScriptAtItsLine)
{
    std::wstring folder = Scratch(L"scripted");
    CreateDirectoryW(folder.c_str(), nullptr);
    kit::WriteBytes(folder + L"\\play.js.wmx", "function play()\r\n{\r\n  b1.image = 'x.bmp';\r\n  updat();\r\n}\r\n"
                                                "function update() { }\r\n");
    kit::WriteBytes(folder + L"\\x.wms", "<theme>\r\n<view scriptFile=\"play.js.wmx\">\r\n"
                                          "<button id=\"b1\" onclick=\"jscript:play()\"/></view></theme>\r\n");
    Start(L"\"" + folder + L"\\x.wms\"", L"Quillmere - x.wms");
    main_.PostCommand(kSkinCheck);
    Dialog findings = app().WaitDialog(kCaption);
    Window list = findings.Item(kList);
    ASSERT_TRUE(kit::WaitUntil([&] { return list.Send(LVM_GETITEMCOUNT) == 1; }));
    kit::Screenshot(L"skin-check-script", findings.hwnd());
    EXPECT_EQ(L"play.js.wmx", list.ListItemText(0, 0));
    EXPECT_EQ(L"4", list.ListItemText(0, 1));
    EXPECT_EQ(L"関数 updat は VIEW のスクリプトにありません。もしかして update ですか?",
              list.ListItemText(0, 3));

    Edit().Send(EM_SETMODIFY, TRUE);
    list.DoubleClickListItem(0);
    ExpectBox(L"Quillmere", L"x.wms への変更を保存しますか？", Icon::Warning).Answer(IDNO);
    WaitTitle(L"Quillmere - play.js.wmx");
    LRESULT lineFour = Edit().Send(EM_LINEINDEX, 3);
    EXPECT_TRUE(kit::WaitUntil([&] { return LOWORD(Edit().Send(EM_GETSEL)) == lineFour; }));
    EXPECT_EQ(lineFour + 10, HIWORD(Edit().Send(EM_GETSEL))) << "the whole line is selected";
}
