// UI tests of template insertion: each encoding and filter, the size limits, the caret.
#include "document_test.h"

#include <string>

namespace {

const int kInsertTemplate = IDM_TOOLS_INSERT_TEMPLATE;
const wchar_t kTitle[] = L"雛形の挿入";

class TemplateTest : public DocumentTest {
protected:
    // Inserts into "[]" with the caret between the brackets; the refusal box when one comes.
    void Insert(const std::wstring& file, int filter) const
    {
        Edit().SetText(L"[]");
        Edit().Send(EM_SETSEL, 1, 1);
        Edit().Send(EM_SETMODIFY, FALSE);
        main_.PostCommand(kInsertTemplate);
        kit::ChooseInFileDialog(app_->WaitDialog(kTitle), file, filter);
        app_->WaitGone(L"#32770", kTitle);
    }
    // Each waited for: the editor sets the text, the caret and the flag one after another.
    void ExpectInserted(const std::wstring& text) const
    {
        EXPECT_SOON_EQ(L"[" + text + L"]", Edit().Text());
        const DWORD caret = static_cast<DWORD>(1 + text.size());
        const auto selection = kit::WaitFor(std::make_pair(caret, caret), [&] {
            DWORD start = 0, end = 0;
            Edit().Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            return std::make_pair(start, end);
        });
        EXPECT_EQ(1 + text.size(), selection.first) << "the caret stands behind the inserted text";
        EXPECT_EQ(selection.first, selection.second);
        EXPECT_SOON_TRUE(Modified());
    }
};

}  // namespace

TEST_F(TemplateTest, EachEncodingAndFilterGivesExactlyTheTemplatesText)
{
    struct Case {
        const wchar_t* name;
        std::string bytes;
        int filter;
        std::wstring text;
    };
    const std::string beMark("\xFE\xFF", 2);
    // At the size limit with LF line ends, which the control needs as CR LF.
    std::string lf;
    std::wstring crLf;
    for (int i = 0; i < 16384; ++i) lf += "a\n", crLf += L"a\r\n";
    const Case cases[] = {
        {L"ansi.qlmt", std::string(32767, 'a') + "b", 1, std::wstring(32767, L'a') + L"b"},
        {L"lf.qlmt", lf, 1, crLf},
        {L"sjis.txt", kSjis + std::string("\0z", 2), 3, kWide + L" z"},
        {L"be.qlmt", beMark + Utf16BE(L"<view/>" + kWide), 2, L"<view/>" + kWide},
        {L"le-nomark.txt", Utf16LE(kWide), 4, kWide},
        {L"utf8.qlmt", kMarkUtf8 + kUtf8 + "\r\n", 1, kWide + L"\r\n"},
        {L"utf8-mark.txt", kMarkUtf8 + kUtf8, 5, kWide},
        {L"utf8-nomark.txt", kUtf8, 5, kWide},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(kit::Utf8(c.name));
        Insert(WriteFile(c.name, c.bytes), c.filter);
        ExpectInserted(c.text);
    }
}

TEST_F(TemplateTest, StartsInTheTemplateFolder)
{
    Start();
    kit::WriteBytes(kit::DocumentsDir() + L"\\QLMテンプレート\\folder.qlmt", "<theme/>");
    Insert(L"folder.qlmt", 0);
    ExpectInserted(L"<theme/>");
}

TEST_F(TemplateTest, TooLargeOrUnreadableTemplatesChangeNothing)
{
    struct Case {
        const wchar_t* name;
        std::string bytes;
        const wchar_t* message;
    };
    const Case cases[] = {
        {L"ansi.qlmt", std::string(32769, 'a'), L"雛形に挿入できるデータは 32 KB (32,768 バイト) までです。"},
        {L"le.qlmt", kMarkLE + std::string(65537, 'a'),
         L"雛形に挿入できる Unicode データは 64 KB (65,536 バイト) までです。\n"
         L"(ANSI 形式に換算して 32 KB (32,768 バイト) が上限です。)"},
        {L"utf8.qlmt", kMarkUtf8 + std::string(98305, 'a'),
         L"雛形に挿入できる UTF-8 データは 96 KB (98,307 バイト) までです。\n"
         L"(ANSI 形式に換算して 32 KB (32,768 バイト)、Unicode 形式に換算して 64 KB (65,536 バイト) がそれぞれ上限です。)"},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(kit::Utf8(c.name));
        Insert(WriteFile(c.name, c.bytes), 0);
        ExpectBox(L"Quillmere", c.message, Icon::Warning).Answer(IDOK);
        EXPECT_EQ(L"[]", Edit().Text());
        EXPECT_FALSE(Modified());
    }
    // Within its size limit, but more than one insertion takes.
    Insert(WriteFile(L"long.qlmt", kMarkUtf8 + std::string(32769, 'x')), 0);
    ExpectBox(L"Quillmere", L"雛形の挿入処理中にエラーが発生しました。", Icon::Error).Answer(IDOK);
    EXPECT_EQ(L"[]", Edit().Text());
}
