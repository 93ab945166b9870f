// UI tests of documents with LF or CR line ends: shown as CR LF lines, saved as they came.
#include "document_test.h"

#include <shlobj.h>

#include <string>

namespace {

class LineEndTest : public DocumentTest {};

}  // namespace

TEST_F(LineEndTest, LfFilesOpenAsLinesAndSaveByteExact)
{
    struct Case {
        const wchar_t* name;
        std::string bytes;
    };
    const Case cases[] = {
        {L"ansi.wms", "<theme>\n" + kSjis + "\n</theme>\n"},
        {L"utf8.wms", kMarkUtf8 + "<theme>\n" + kUtf8 + "\n</theme>"},
        {L"le.wms", kMarkLE + Utf16LE(L"<theme>\n" + kWide + L"\n</theme>\n")},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(kit::Utf8(c.name));
        std::wstring path = WriteFile(c.name, c.bytes);
        Drop(path);
        EXPECT_SOON_EQ(0u, Edit().Text().find(L"<theme>\r\n" + kWide + L"\r\n</theme>"));
        EXPECT_EQ(c.bytes, SaveUnchanged(path));
    }
    std::wstring path = WriteFile(L"edited.wms", "<theme>\n</theme>\n");
    Drop(path);
    Type(L"<theme>\r\n\t<view/>\r\n</theme>\r\n");
    EXPECT_EQ("<theme>\n\t<view/>\n</theme>\n", SaveUnchanged(path)) << "the edited line too";
}

TEST_F(LineEndTest, MixedFileSaysSoAndSavesInTheMostCommonStyle)
{
    std::wstring path = WriteFile(L"mixed.js", "a\nb\nc\r\nd");
    Start(L"\"" + path + L"\"", L"Quillmere - mixed.js");
    EXPECT_EQ(L"ファイルを開きました。 改行コードが混在しているため、保存時には LF に統一されます。", Status().StatusText(0));
    EXPECT_EQ(L"a\r\nb\r\nc\r\nd", Edit().Text());
    EXPECT_EQ("a\nb\nc\nd", SaveUnchanged(path));
}

TEST_F(LineEndTest, LfSurvivesSuspendAndTemplatesLandAsCrLf)
{
    std::wstring path = WriteFile(L"lf.wms", "<theme>\n</theme>\n");
    std::wstring templ = WriteFile(L"lf.qlmt", "<view>\n</view>");
    Start(L"\"" + path + L"\"", L"Quillmere - lf.wms");
    Edit().Send(EM_SETSEL, 9, 9);
    main_.PostCommand(IDM_TOOLS_INSERT_TEMPLATE);
    kit::ChooseInFileDialog(app().WaitDialog(L"雛形の挿入"), templ);
    EXPECT_TRUE(kit::WaitUntil([&] { return Edit().Text() == L"<theme>\r\n<view>\r\n</view></theme>\r\n"; }))
        << kit::Utf8(Edit().Text());
    main_.PostCommand(IDM_FILE_SUSPEND);
    app().WaitDialog(L"書きかけ終了確認").Answer(IDYES);
    app().WaitDialog(L"Quillmere").Answer(IDOK);
    app().WaitExit();
    EXPECT_EQ(1u, kit::RegDword(kSettings, L"LineEndStyle").value_or(0));
    Start(L"", L"Quillmere - lf.wms");
    EXPECT_FALSE(kit::RegDword(kSettings, L"LineEndStyle")) << "deleted with the other values";
    EXPECT_EQ("<theme>\n<view>\n</view></theme>\n", SaveUnchanged(path));
}
