// UI tests of the editor's documents: open, save and save-as in every encoding, the save
// question and its gate, New, drops, the enabling rules, and saves that must lose nothing.
#include "document_test.h"

#include <commctrl.h>
#include <dlgs.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

const wchar_t kPathTooLong[] = L"パスが長すぎます。Quillmere で扱えるファイルのパスは 259 文字までです。";

class DocumentFaultTest : public DocumentTest {
protected:
    // A saved, then edited document whose save must fail without harm.
    std::wstring OpenEdited(const std::wstring& path)
    {
        kit::WriteBytes(path, "<theme id=\"old\"/>\r\n");
        Start(L"\"" + path + L"\"", L"Quillmere - doc.wms");
        Type(L"<theme id=\"new\"/>");
        return path;
    }
    void ExpectOldFileAndModifiedDocument(const std::wstring& path)
    {
        EXPECT_EQ("<theme id=\"old\"/>\r\n", kit::FileBytes(path).value_or("<gone>"));
        EXPECT_SOON_FALSE(TemporaryLeftIn(path.substr(0, path.rfind(L'\\')))) << "the temporary file is removed";
        EXPECT_TRUE(Modified());
        EXPECT_EQ(L"Quillmere - doc.wms", main_.Text());
        EXPECT_EQ(L"<theme id=\"new\"/>", Edit().Text());
    }
    // The gate goes on to Save As, which the user cancels here.
    void CancelSaveAs()
    {
        app().WaitDialog(kSaveAsCaption).Answer(IDCANCEL);
    }
};

}  // namespace

TEST_F(DocumentTest, SaveKeepsTheEncodingOfEachFile)
{
    struct Case {
        const wchar_t* name;
        std::string bytes;
        std::wstring text;
        std::string saved;
    };
    const std::wstring outside = L"\u00A9 \U0001F600 ";
    const Case cases[] = {
        {L"ansi.wms", kSjis + "\r\n<theme/>", kWide + L"\r\n<theme/>", kSjis + "\r\n<theme/>"},
        {L"le.wms", kMarkLE + Utf16LE(kWide), kWide, kMarkLE + Utf16LE(kWide)},
        {L"be.wms", std::string("\xFE\xFF", 2) + Utf16BE(kWide), kWide, kMarkLE + Utf16LE(kWide)},
        {L"utf8.wms", kMarkUtf8 + kUtf8, kWide, kMarkUtf8 + kUtf8},
        {L"outside.wms", kMarkUtf8 + "\xC2\xA9 \xF0\x9F\x98\x80 " + kUtf8, outside + kWide,
         kMarkUtf8 + "\xC2\xA9 \xF0\x9F\x98\x80 " + kUtf8},
        {L"zeros.txt", std::string("a\0b", 3), L"a b", "a b"},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(kit::Utf8(c.name));
        std::wstring path = WriteFile(c.name, c.bytes);
        Drop(path);
        EXPECT_SOON_EQ(c.text, Edit().Text());
        EXPECT_SOON_EQ(L"ファイルを開きました。", Status().StatusText(0));
        EXPECT_SOON_EQ(path, Status().StatusText(1));
        EXPECT_SOON_FALSE(Modified());
        EXPECT_EQ(c.saved, SaveUnchanged(path));
    }
}

TEST_F(DocumentTest, ExplicitUtf8AndUtf16ChoicesReadWithoutMarkAndSaveAsAnsi)
{
    Start();
    std::wstring plain = WriteFile(L"plain.wms", kUtf8);
    OpenWithDialog(plain, 7);
    EXPECT_SOON_EQ(kWide, Edit().Text());
    EXPECT_SOON_EQ(plain, Status().StatusText(1));
    EXPECT_EQ(kSjis, SaveUnchanged(plain)) << "a file without mark is saved as ANSI";

    std::wstring marked = WriteFile(L"marked.js", kMarkUtf8 + kUtf8);
    OpenWithDialog(marked, 7);
    EXPECT_SOON_EQ(kWide, Edit().Text());
    EXPECT_SOON_TRUE(main_.Menu(kRun).enabled);
    EXPECT_EQ(kMarkUtf8 + kUtf8, SaveUnchanged(marked));

    std::wstring units = WriteFile(L"units.txt", Utf16LE(L"ab") + "c");
    OpenWithDialog(units, 6);
    EXPECT_SOON_EQ(L"ab", Edit().Text()) << "the odd last byte is dropped";
    EXPECT_SOON_FALSE(main_.Menu(kRun).enabled);
}

TEST_F(DocumentTest, EmptyDocumentsThroughTheSaveAsFilters)
{
    Start();
    SaveAs(Scratch(L"empty16.txt"), 5);
    EXPECT_EQ(kMarkLE, kit::FileBytes(Scratch(L"empty16.txt")));
    EXPECT_EQ(L"Quillmere - empty16.txt", main_.Text());
    EXPECT_SOON_EQ(Scratch(L"empty16.txt"), Status().StatusText(1));
    SaveAs(Scratch(L"empty8.txt"), 6);
    EXPECT_EQ(kMarkUtf8, kit::FileBytes(Scratch(L"empty8.txt")));
    SaveAs(Scratch(L"emptyansi.txt"), 4);
    EXPECT_EQ("", kit::FileBytes(Scratch(L"emptyansi.txt")));
}

TEST_F(DocumentTest, SaveAsAddsWmsAndEnablesRun)
{
    Start();
    Type(L"<view/>");
    SaveAs(Scratch(L"noext"), 1);
    EXPECT_EQ("<view/>", kit::FileBytes(Scratch(L"noext.wms")));
    EXPECT_EQ(L"Quillmere - noext.wms", main_.Text());
    EXPECT_SOON_FALSE(Modified());
    EXPECT_SOON_TRUE(main_.Menu(kRun).enabled);
    EXPECT_SOON_TRUE(main_.Item(kToolbar).ToolbarButtonEnabled(kRun));
}

TEST_F(DocumentTest, CancelledFileDialogsChangeNothing)
{
    std::wstring path = WriteFile(L"keep.wms", "<theme/>");
    Start(L"\"" + path + L"\"", L"Quillmere - keep.wms");
    Type(L"<theme id=\"x\"/>");
    main_.PostCommand(kSaveAs);
    app().WaitDialog(kSaveAsCaption).Answer(IDCANCEL);
    main_.PostCommand(kOpen);
    ExpectBox(L"Quillmere", L"keep.wms への変更を保存しますか？", Icon::Warning).Answer(IDNO);
    app().WaitDialog(kOpenCaption).Answer(IDCANCEL);
    EXPECT_EQ(L"Quillmere - keep.wms", main_.Text());
    EXPECT_EQ(path, Status().StatusText(1));
    EXPECT_EQ(L"<theme id=\"x\"/>", Edit().Text());
    // The path is still the file's: Save writes it.
    main_.PostCommand(kSave);
    WaitStatus(L"ファイルを更新しました。");
    EXPECT_SOON_EQ("<theme id=\"x\"/>", kit::FileBytes(path));
}

TEST_F(DocumentTest, SaveQuestionForNewAndNamedDocuments)
{
    Start();
    Type(L"draft");
    main_.PostCommand(kNew);
    Dialog question = ExpectBox(L"Quillmere", L"新規ファイル への変更を保存しますか？", Icon::Warning);
    EXPECT_EQ((std::vector<int>{IDYES, IDNO, IDCANCEL}), question.Buttons());
    question.Answer(IDCANCEL);
    EXPECT_EQ(L"draft", Edit().Text());

    // Yes on a new document goes to Save As; cancelling it stops New.
    main_.PostCommand(kNew);
    app().WaitDialog(L"Quillmere").Answer(IDYES);
    app().WaitDialog(kSaveAsCaption).Answer(IDCANCEL);
    EXPECT_EQ(L"draft", Edit().Text());
    EXPECT_TRUE(Modified());

    std::wstring path = WriteFile(L"skin.wms", "<theme/>");
    main_.DropFiles({path});
    app().WaitDialog(L"Quillmere").Answer(IDNO);
    WaitTitle(L"Quillmere - skin.wms");
    EXPECT_SOON_TRUE(main_.Menu(kRun).enabled);
    Type(L"<theme id=\"y\"/>");
    main_.PostCommand(kNew);
    ExpectBox(L"Quillmere", L"skin.wms への変更を保存しますか？", Icon::Warning).Answer(IDYES);
    WaitTitle(kNewTitle);
    EXPECT_SOON_EQ("<theme id=\"y\"/>", kit::FileBytes(path)) << "Yes saved the file";
    EXPECT_SOON_EQ(L"", Edit().Text());
    EXPECT_SOON_EQ(L"初期化しました。", Status().StatusText(0));
    EXPECT_SOON_EQ(L"", Status().StatusText(1));
    EXPECT_SOON_FALSE(main_.Menu(kRun).enabled);
    EXPECT_SOON_FALSE(main_.Item(kToolbar).ToolbarButtonEnabled(kRun));

    // Without changes New asks nothing; No throws the changes away.
    main_.SendCommand(kNew);
    EXPECT_EQ(L"初期化しました。", Status().StatusText(0));
    Type(L"thrown away");
    main_.PostCommand(kNew);
    app().WaitDialog(L"Quillmere").Answer(IDNO);
    EXPECT_SOON_EQ(L"", Edit().Text());
    EXPECT_SOON_FALSE(Modified());
}

TEST_F(DocumentTest, RunFollowsTheExtensionInAnyCase)
{
    Start();
    Drop(WriteFile(L"A.WMS", "x"));
    EXPECT_SOON_TRUE(main_.Menu(kRun).enabled);
    EXPECT_SOON_TRUE(main_.Item(kToolbar).ToolbarButtonEnabled(kRun));
    Drop(WriteFile(L"a.wmz", "x"));
    EXPECT_SOON_FALSE(main_.Menu(kRun).enabled);
    EXPECT_SOON_FALSE(main_.Item(kToolbar).ToolbarButtonEnabled(kRun));
    Drop(WriteFile(L"Player.JS", "x"));
    EXPECT_SOON_TRUE(main_.Menu(kRun).enabled);
}

TEST_F(DocumentTest, DropsOfSeveralFilesOrAFolderOpenNothing)
{
    std::wstring path = WriteFile(L"kept.wms", "<theme/>");
    Start(L"\"" + path + L"\"", L"Quillmere - kept.wms");
    main_.DropFiles({WriteFile(L"one.wms", "1"), WriteFile(L"two.wms", "2")});
    ExpectBox(L"Quillmere", L"一度に複数のファイルを開くことはできません。", Icon::Error).Answer(IDOK);
    std::wstring folder = Scratch(L"folder");
    CreateDirectoryW(folder.c_str(), nullptr);
    main_.DropFiles({folder});
    ExpectBox(L"Quillmere", L"フォルダを開くことはできません。", Icon::Error).Answer(IDOK);
    EXPECT_EQ(L"Quillmere - kept.wms", main_.Text());
    EXPECT_EQ(L"<theme/>", Edit().Text());
    EXPECT_EQ(path, Status().StatusText(1));
    EXPECT_EQ("<theme/>", SaveUnchanged(path)) << "the document still saves to its own file";
}

TEST_F(DocumentTest, SelectAllAndTheFindGroupFollowTheText)
{
    Start();
    EXPECT_FALSE(main_.Menu(kSelectAll).enabled) << "an empty document";
    EXPECT_FALSE(main_.Menu(kFind).enabled);
    EXPECT_FALSE(main_.Menu(kFindNext).enabled);
    EXPECT_FALSE(main_.Menu(kReplace).enabled);
    Edit().SetText(L"abc");
    main_.SendCommand(0);   // any command refreshes the Edit menu
    EXPECT_TRUE(main_.Menu(kSelectAll).enabled);
    EXPECT_TRUE(main_.Menu(kFind).enabled);
    EXPECT_TRUE(main_.Menu(kReplace).enabled);
    main_.SendKeys({VK_CONTROL, 'A'});
    EXPECT_TRUE(kit::WaitUntil([&] { return !main_.Menu(kSelectAll).enabled; }))
        << "everything is selected at once";
    EXPECT_SOON_TRUE(main_.Menu(32777).enabled) << "and can be cut";
}

TEST_F(DocumentTest, MenuHighlightsShowTheirHelpAndTheLineFollowsTheCaret)
{
    Start();
    struct Help {
        int id;
        const wchar_t* text;
    };
    for (const Help& help : {Help{kSaveAs, L"編集内容を別名ファイルに保存します。"},
                             Help{151, L"スライダー タグを挿入します。"},
                             Help{6, L"ボタングループ タグ、ボタンエレメント タグを入力するためのメニューです。"},
                             Help{4242, L"レディ"}}) {
        main_.Send(WM_MENUSELECT, MAKEWPARAM(help.id, MF_HILITE), 0);
        EXPECT_EQ(help.text, Status().StatusText(0));
    }
    main_.Send(WM_EXITMENULOOP);
    EXPECT_EQ(L"レディ", Status().StatusText(0));

    Edit().SetText(L"one\r\ntwo\r\nthree");
    Edit().Send(EM_SETSEL, 0, 0);
    Edit().Send(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(L"Line : 1", Status().StatusText(0)) << "read before the caret moves";
    Edit().Send(WM_KEYUP, VK_DOWN, 0xC0000001);
    EXPECT_EQ(L"Line : 2", Status().StatusText(0));
}

TEST_F(DocumentTest, CommandLineFileOpensByFullPathWhateverTheTemplateFolder)
{
    kit::SetRegString(kSettings, L"TemplateFolderName", L"QlmTemplates");
    kit::RemoveAtReset(kit::DocumentsDir() + L"\\QlmTemplates");
    std::wstring path = WriteFile(L"relative.wms", "<theme id=\"here\"/>");
    app_.emplace(L"Quillpad.exe", L"relative.wms", kit::ScratchDir());
    main_ = app_->WaitWindow(L"Quillpad", L"Quillmere - relative.wms");
    EXPECT_EQ(L"<theme id=\"here\"/>", Edit().Text());
    EXPECT_EQ(path, Status().StatusText(1));
    Type(L"<theme id=\"saved\"/>");
    main_.PostCommand(kSave);
    WaitStatus(L"ファイルを更新しました。");
    EXPECT_SOON_EQ("<theme id=\"saved\"/>", kit::FileBytes(path)) << "saved where it was read, not in Documents";
}

TEST_F(DocumentTest, MissingCommandLineFileStartsANewDocument)
{
    app_.emplace(L"Quillpad.exe", L"\"" + Scratch(L"missing.wms") + L"\"");
    ExpectCannotOpen(Scratch(L"missing.wms"), L"(エラー コード 2)", Icon::Warning);
    main_ = app().WaitWindow(L"Quillpad", kNewTitle);
    EXPECT_EQ(L"", Edit().Text());
    Type(L"new text");
    main_.PostCommand(kSave);
    app().WaitDialog(kSaveAsCaption).Answer(IDCANCEL);
    EXPECT_FALSE(kit::FileBytes(Scratch(L"missing.wms"))) << "Save did not create the file that failed to open";
}

TEST_F(DocumentTest, AnsiSaveOfCharactersOutsideTheCodePageAsksFirst)
{
    std::wstring path = WriteFile(L"sjis.wms", kSjis);
    Start(L"\"" + path + L"\"", L"Quillmere - sjis.wms");
    Type(kWide + L" \u00A9");
    main_.PostCommand(kSave);
    Dialog question = app().WaitDialog(L"Quillmere");
    EXPECT_NE(std::wstring::npos, question.Message().find(L"置き換えて保存しますか？"));
    EXPECT_EQ(Icon::Question, question.IconKind());
    EXPECT_EQ((std::vector<int>{IDYES, IDNO}), question.Buttons());
    EXPECT_EQ(IDNO, question.DefaultButton());
    question.Answer(IDNO);

    // No writes nothing and the gate offers Save As, where a Unicode filter keeps the ©.
    EXPECT_EQ(kSjis, kit::FileBytes(path));
    kit::ChooseInFileDialog(app().WaitDialog(kSaveAsCaption), Scratch(L"kept.wms"), 6);
    WaitStatus(L"ファイルを保存しました。");
    EXPECT_SOON_EQ(kMarkUtf8 + kUtf8 + " \xC2\xA9", kit::FileBytes(Scratch(L"kept.wms")));

    // Yes writes the replacement characters.
    Drop(path);
    Type(L"x\u00A9");
    main_.PostCommand(kSave);
    app().WaitDialog(L"Quillmere").Answer(IDYES);
    WaitStatus(L"ファイルを更新しました。");
    std::string replaced = kit::FileBytes(path).value_or("");
    EXPECT_EQ(2u, replaced.size());
    EXPECT_EQ('x', replaced[0]);
    EXPECT_SOON_FALSE(Modified());
}

TEST_F(DocumentTest, AnsiBytesInvalidInTheCodePageWarnOnceWhenOpening)
{
    std::wstring path = WriteFile(L"broken.txt", "ok \x82");
    Start();
    main_.DropFiles({path});
    Dialog warning = app().WaitDialog(L"Quillmere");
    EXPECT_NE(std::wstring::npos, warning.Message().find(L"別の文字に置き換えられる場合があります"));
    EXPECT_NE(std::wstring::npos, warning.Message().find(L"932"));
    EXPECT_EQ(Icon::Warning, warning.IconKind());
    warning.Answer(IDOK);
    WaitTitle(L"Quillmere - broken.txt");
    EXPECT_SOON_EQ(L"ok ", Edit().Text().substr(0, 3));

    // Shift_JIS through the UTF-8 choice is malformed UTF-8.
    std::wstring sjis = WriteFile(L"sjis.txt", kSjis);
    main_.PostCommand(kOpen);
    kit::ChooseInFileDialog(app().WaitDialog(kOpenCaption), sjis, 7);
    EXPECT_NE(std::wstring::npos, app().WaitDialog(L"Quillmere").Message().find(L"UTF-8 形式として正しく読み取れない"));
    app().WaitDialog(L"Quillmere").Answer(IDOK);
    WaitTitle(L"Quillmere - sjis.txt");
}

TEST_F(DocumentTest, Windows98RefusesBigAnsiFilesAndAsksAboutBigUnicodeFiles)
{
    kit::SetWindowsVersion(L"Quillpad.exe", L"win98");
    Start();
    Drop(WriteFile(L"exact.txt", std::string(65536, 'a')));
    main_.DropFiles({WriteFile(L"over.txt", std::string(65537, 'a'))});
    ExpectBox(L"Quillmere", L"選択されたテキスト ファイルのサイズが 64 KB (65,536 バイト) を超えています。", Icon::Error)
        .Answer(IDOK);
    EXPECT_EQ(L"Quillmere - exact.txt", main_.Text());

    Drop(WriteFile(L"u16exact.txt", kMarkLE + std::string(131072, 'a')));
    main_.DropFiles({WriteFile(L"u16over.txt", kMarkLE + std::string(131073, 'a'))});
    Dialog question = ExpectBox(L"Quillmere 警告",
        L"選択されたファイルが Unicode 形式テキストで、ファイル サイズが 128 KB を超えていることが検出されました。\n"
        L"変換の結果、ANSI 形式に換算して 64 KB (65,536 バイト) を超える可能性があり、これを超えてしまった場合はエラーになる場合があります。\n\n"
        L"変換処理を続行しますか？",
        Icon::Warning);
    EXPECT_EQ(IDNO, question.DefaultButton());
    question.Answer(IDNO);
    EXPECT_EQ(L"Quillmere - u16exact.txt", main_.Text());
    main_.DropFiles({Scratch(L"u16over.txt")});
    app().WaitDialog(L"Quillmere 警告").Answer(IDYES);
    WaitTitle(L"Quillmere - u16over.txt");

    Drop(WriteFile(L"u8exact.txt", kMarkUtf8 + std::string(196608, 'a')));
    main_.DropFiles({WriteFile(L"u8over.txt", kMarkUtf8 + std::string(196609, 'a'))});
    EXPECT_EQ(0u, app().WaitDialog(L"Quillmere 警告").Message().find(
                      L"選択されたファイルが UTF-8 形式テキストで、ファイル サイズが 192 KB を超えていることが検出されました。"));
    app().WaitDialog(L"Quillmere 警告").Answer(IDNO);
    EXPECT_EQ(L"Quillmere - u8exact.txt", main_.Text());
}

TEST_F(DocumentTest, NewDocumentsBigFilesOpenOnTheNtFamily)
{
    Start();
    Drop(WriteFile(L"big.txt", std::string(1 << 20, 'a')));
    EXPECT_SOON_EQ(1u << 20, static_cast<unsigned>(Edit().Send(WM_GETTEXTLENGTH)));
}

TEST_F(DocumentFaultTest, ReadOnlyTargetKeepsTheOldFile)
{
    std::wstring path = OpenEdited(Scratch(L"doc.wms"));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    main_.PostCommand(kSave);
    ExpectBox(L"Quillmere", kSaveFailed, Icon::Error).Answer(IDOK);
    CancelSaveAs();
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ExpectOldFileAndModifiedDocument(path);
}

// The temporary file takes a name no file had, so the disk runs full instead: the old
// file fills the one page of a disk of 4 KB.
TEST_F(DocumentFaultTest, WriteFailureAfterOpeningKeepsTheOldFile)
{
    const std::wstring small = Scratch(L"small");
    if (!kit::MountSmallDisk(small, 4)) GTEST_SKIP() << "this machine does not allow a mount";
    std::wstring path = OpenEdited(small + L"\\doc.wms");
    main_.PostCommand(kSave);
    Dialog box = app().WaitDialog(L"Quillmere");
    EXPECT_EQ(0u, box.Message().find(L"保存できませんでした。\nファイルへの書き込み中にエラーが発生しました。"));
    EXPECT_NE(std::wstring::npos, box.Message().find(L"112")) << "names the failure: disk full";
    EXPECT_EQ(Icon::Error, box.IconKind());
    box.Answer(IDOK);
    CancelSaveAs();
    ExpectOldFileAndModifiedDocument(path);
}

TEST_F(DocumentFaultTest, VanishedFolderKeepsTheOldFile)
{
    std::wstring folder = Scratch(L"sub");
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring path = OpenEdited(folder + L"\\doc.wms");
    std::wstring moved = Scratch(L"moved");
    ASSERT_TRUE(MoveFileW(folder.c_str(), moved.c_str()));
    // Save finds no file and goes to Save As, which is answered with the vanished path.
    main_.PostCommand(kSave);
    kit::ChooseInFileDialog(app().WaitDialog(kSaveAsCaption), path, 1);
    Dialog box = app().WaitDialog(L"Quillmere");
    EXPECT_EQ(kSaveFailed, box.Message());
    box.Answer(IDOK);
    EXPECT_EQ("<theme id=\"old\"/>\r\n", kit::FileBytes(moved + L"\\doc.wms"));
    EXPECT_FALSE(kit::FileBytes(path));
    EXPECT_TRUE(Modified());
    EXPECT_EQ(L"Quillmere - doc.wms", main_.Text());
    EXPECT_EQ(path, Status().StatusText(1));
}

TEST_F(DocumentFaultTest, SaveAsOntoAReadOnlyFileKeepsItAndTheName)
{
    std::wstring path = OpenEdited(Scratch(L"doc.wms"));
    std::wstring other = WriteFile(L"other.wms", "other");
    SetFileAttributesW(other.c_str(), FILE_ATTRIBUTE_READONLY);
    main_.PostCommand(kSaveAs);
    kit::ChooseInFileDialog(app().WaitDialog(kSaveAsCaption), other, 1);
    // The file dialog's own overwrite question comes first, in a box of Wine's making.
    Dialog overwrite;
    ASSERT_TRUE(kit::WaitUntil([&] {
        for (const Window& window : app().TopWindows())
            if (window.ClassName() == L"#32770" && window.HasItem(0xFFFF))
                overwrite = Dialog(window.hwnd());
        return static_cast<bool>(overwrite);
    }));
    overwrite.Answer(IDYES);
    ExpectBox(L"Quillmere", kSaveFailed, Icon::Error).Answer(IDOK);
    SetFileAttributesW(other.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("other", kit::FileBytes(other));
    EXPECT_EQ(path, Status().StatusText(1));
    ExpectOldFileAndModifiedDocument(path);
}

namespace {

class EnglishDocumentTest : public DocumentTest {
protected:
    Dialog WaitLanguageDialog() { return app().WaitDialog(L"ANSI 形式で使用する言語"); }
};

}  // namespace

TEST_F(EnglishDocumentTest, AnsiFilesAskForTheirLanguageAtEveryReadAndWrite)
{
    std::wstring path = WriteFile(L"sjis.wms", kSjis);
    Start();
    main_.DropFiles({path});
    Dialog language = WaitLanguageDialog();
    kit::Screenshot(L"ansi-language", language.hwnd());
    Window list = language.Item(IDC_ANSI_LANGUAGE_LIST);
    EXPECT_EQ(7, list.Send(CB_GETCOUNT));
    EXPECT_EQ(0, list.Send(CB_GETCURSEL)) << "starts at Auto";
    language.Answer(IDCANCEL);
    EXPECT_EQ(kNewTitle, main_.Text()) << "Cancel abandons the open";

    main_.DropFiles({path});
    language = WaitLanguageDialog();
    language.Item(IDC_ANSI_LANGUAGE_LIST).Send(CB_SETCURSEL, static_cast<WPARAM>(-1));
    language.Item(IDOK).Click();
    ExpectBox(L"Quillmere", L"使用する言語を選択してください。", Icon::Warning).Answer(IDOK);
    EXPECT_TRUE(language.Exists()) << "the dialog stays open";
    language.Item(IDC_ANSI_LANGUAGE_LIST).Send(CB_SETCURSEL, 1);   // Japanese
    language.Answer(IDOK);
    WaitTitle(L"Quillmere - sjis.wms");
    EXPECT_SOON_EQ(kWide, Edit().Text());

    Edit().Send(EM_SETMODIFY, TRUE);
    main_.PostCommand(kSave);
    language = WaitLanguageDialog();
    EXPECT_EQ(0, language.Item(IDC_ANSI_LANGUAGE_LIST).Send(CB_GETCURSEL)) << "the last choice is not preselected";
    language.Item(IDC_ANSI_LANGUAGE_LIST).Send(CB_SETCURSEL, 1);
    language.Answer(IDOK);
    WaitStatus(L"ファイルを更新しました。");
    EXPECT_SOON_EQ(kSjis, kit::FileBytes(path));

    // Cancelled at a save, the gate goes on to Save As; a Unicode filter asks nothing.
    Edit().Send(EM_SETMODIFY, TRUE);
    main_.PostCommand(kSave);
    WaitLanguageDialog().Answer(IDCANCEL);
    kit::ChooseInFileDialog(app().WaitDialog(kSaveAsCaption), Scratch(L"wide.wms"), 5);
    WaitStatus(L"ファイルを保存しました。");
    EXPECT_SOON_EQ(kMarkLE + Utf16LE(kWide), kit::FileBytes(Scratch(L"wide.wms")));
}

TEST_F(DocumentTest, TagButtonShowsTheInsertMenuAtTheMouse)
{
    Start();
    main_.PostCommand(IDM_INSERT_TAG_MENU);
    Window popup;
    ASSERT_TRUE(kit::WaitUntil([&] {
        popup = app().Find(L"#32768");
        return static_cast<bool>(popup);
    })) << "no popup menu";
    // The menu window exists before it is placed: wait for the place, not for the window.
    POINT cursor{};
    RECT box{};
    EXPECT_TRUE(kit::WaitUntil([&] {
        GetCursorPos(&cursor);
        GetWindowRect(popup.hwnd(), &box);
        return std::abs(box.left - cursor.x) + std::abs(box.top - cursor.y) <= 2;
    })) << "opens at the cursor: menu at " << box.left << "," << box.top << ", cursor at " << cursor.x << "," << cursor.y;
    kit::Screenshot(L"insert-popup");
    popup.PostKey(VK_ESCAPE);
    app().WaitGone(L"#32768");
    EXPECT_SOON_TRUE(main_.Enabled());
}

TEST_F(DocumentTest, YesAtExitSavesAndEnds)
{
    std::wstring path = WriteFile(L"exit.wms", "<theme/>");
    Start(L"\"" + path + L"\"", L"Quillmere - exit.wms");
    Type(L"<theme id=\"last\"/>");
    main_.Close();
    ExpectBox(L"Quillmere", L"exit.wms への変更を保存しますか？", Icon::Warning).Answer(IDYES);
    EXPECT_EQ(0u, app().WaitExit());
    EXPECT_EQ("<theme id=\"last\"/>", kit::FileBytes(path));
}

TEST_F(DocumentTest, FileDialogsOfferTheirFilters)
{
    auto filters = [](const Dialog& dialog) { return dialog.Item(cmb1).ComboTexts(); };
    Start();
    main_.PostCommand(kOpen);
    Dialog open = app().WaitDialog(kOpenCaption);
    EXPECT_EQ((std::vector<std::wstring>{
                  L"対応フォーマット (自動判別)", L"Windows Media Player スキン ファイル (*.wms)",
                  L"JScript ファイル (*.js)", L"雛形ファイル (*.qlmt)", L"テキスト文書 (*.txt)",
                  L"Unicode 形式テキスト", L"UTF-8 形式テキスト", L"すべてのファイル (*.*)"}),
              filters(open));
    EXPECT_EQ(1, kit::FileDialogFilter(open));
    open.Answer(IDCANCEL);
    main_.PostCommand(kSaveAs);
    Dialog save = app().WaitDialog(kSaveAsCaption);
    EXPECT_EQ((std::vector<std::wstring>{
                  L"Windows Media Player スキン ファイル (*.wms)", L"Java スクリプト ファイル (*.js)",
                  L"雛形ファイル (*.qlmt)", L"テキスト文書 (*.txt)", L"Unicode 形式テキスト",
                  L"UTF-8 形式テキスト", L"すべてのファイル (*.*)"}),
              filters(save));
    kit::Screenshot(L"save-as-dialog", save.hwnd());
    save.Answer(IDCANCEL);
}

TEST_F(DocumentTest, OverlongCommandLinePathIsNotCutToAnotherName)
{
    // Cut to 259 characters the first would name an existing file; the second, a name short
    // enough in a deep folder, was kept relative and then read from Documents.
    std::wstring stem = kit::ScratchDir() + L"\\" + std::wstring(300, L'a');
    kit::WriteBytes(stem.substr(0, MAX_PATH - 1), "other");
    std::wstring deep = DeepFolder();
    kit::WriteBytes(kit::DocumentsDir() + L"\\relative-name.wms", "wrong file");
    kit::RemoveAtReset(kit::DocumentsDir() + L"\\relative-name.wms");
    const struct {
        std::wstring argument, folder, named;
    } cases[] = {
        {L"\"" + stem + L".wms\"", L"", stem + L".wms"},
        {L"relative-name.wms", deep, deep + L"\\relative-name.wms"},
    };
    for (const auto& c : cases) {
        app_.emplace(L"Quillpad.exe", c.argument, c.folder);
        ExpectCannotOpen(c.named, kPathTooLong, Icon::Warning);
        main_ = app().WaitWindow(L"Quillpad", kNewTitle);
        EXPECT_EQ(L"", Edit().Text());
        EXPECT_EQ(L"", Status().StatusText(1));
        app().Kill();
    }
}

// Whatever stops a drop, the message names the file and the reason, and the document
// that was open stays as it was.
TEST_F(DocumentTest, DropsThatCannotBeOpenedSayWhichFileAndWhy)
{
    std::wstring kept = WriteFile(L"kept.wms", "<theme/>");
    std::wstring locked = WriteFile(L"locked.wms", "<theme/>");
    // Sparse, past 4 GiB where a length in an int wraps; refused before it is read.
    std::wstring huge = Scratch(L"huge.wms");
    kit::UnixOutput("truncate -s 4294967301 '" + kit::Utf8(kit::UnixPath(huge)) + "'");
    HANDLE lock = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    const struct {
        std::wstring path, reason;
        Icon icon;
    } cases[] = {
        {Scratch(L"vanished.wms"), L"(エラー コード 2)", Icon::Warning},
        {locked, L"(エラー コード 32)", Icon::Warning},
        {huge, L"ファイルのサイズが 16 MB (16,777,216 バイト) を超えています。Quillmere で開けるのはこのサイズまでです。",
         Icon::Error},
    };
    Start(L"\"" + kept + L"\"", L"Quillmere - kept.wms");
    for (const auto& c : cases) {
        main_.DropFiles({c.path});
        ExpectCannotOpen(c.path, c.reason, c.icon);
        EXPECT_EQ(L"Quillmere - kept.wms", main_.Text());
        EXPECT_EQ(L"<theme/>", Edit().Text());
        EXPECT_EQ(kept, Status().StatusText(1));
    }
    CloseHandle(lock);
}
