// UI tests of Setwright making setup files: the file, the checks in order, the failures,
// and names outside the code page that Fennick's bulk copy must still find.
#include "kit.h"
#include "setupmaker/resource.h"

#include <shlobj.h>

#include <string>

namespace {

using kit::Dialog;
using kit::Icon;

enum { kTarget = IDC_TARGET_FOLDER, kOutput = IDC_OUTPUT_FILE };

class SetwrightMaker : public kit::UiTest {
protected:
    bool Japanese() const { return GetACP() == 932; }
    std::wstring Caption() const { return Japanese() ? L"QLMC ファイル作成ツール" : L"QLMC File Creation Tools"; }
    std::wstring Folder(const std::wstring& name, const std::vector<std::wstring>& packages) const
    {
        std::wstring folder = kit::ScratchDir() + L"\\" + name;
        CreateDirectoryW(folder.c_str(), nullptr);
        for (const std::wstring& package : packages) kit::WriteBytes(folder + L"\\" + package, kit::Utf8(package));
        return folder;
    }
    void Start()
    {
        app_.emplace(L"Setwright.exe");
        dialog_ = app_->WaitDialog(Caption());
    }
    // Fills the fields and presses Create; confirm answers the first question.
    void Create(const std::wstring& target, const std::wstring& output, bool confirm = true) const
    {
        dialog_.Item(kTarget).SetText(target);
        dialog_.Item(kOutput).SetText(output);
        dialog_.Item(IDOK).Click();
        if (confirm) app_->WaitDialog(Japanese() ? L"確認" : L"Confirmation").Answer(IDYES);
    }
    // A box over the dialog; the dialog itself may carry the same caption.
    Dialog WaitBox(const std::wstring& caption, kit::Ms timeout) const
    {
        Dialog box;
        kit::WaitUntil([&] {
            for (const kit::Window& window : app_->TopWindows())
                if (window.hwnd() != dialog_.hwnd() && window.ClassName() == L"#32770" && window.Text() == caption)
                    box = Dialog(window.hwnd());
            return static_cast<bool>(box);
        }, timeout);
        if (!box) throw kit::Failure(L"no box \"" + caption + L"\" over the dialog");
        return box;
    }
    void Expect(const std::wstring& caption, const std::wstring& text, Icon icon, kit::Ms timeout = kit::kTimeout) const
    {
        Dialog box = WaitBox(caption, timeout);
        EXPECT_EQ(text, box.Message());
        EXPECT_EQ(icon, box.IconKind()) << kit::IconName(box.IconKind());
        EXPECT_EQ(dialog_.hwnd(), GetWindow(box.hwnd(), GW_OWNER));
        box.Answer(IDOK);
    }
    void ExpectDone(kit::Ms timeout = kit::kTimeout) const
    {
        Expect(Japanese() ? L"作成完了" : L"Complete",
               Japanese() ? L"QLMC ファイルの作成が完了しました。" : L"QLMC File has been Created.", Icon::Information,
               timeout);
    }
    // The file as Python's configparser reads it: "section.key=value" lines, sorted.
    std::string ReadByPython(const std::wstring& path) const
    {
        return kit::UnixOutput(
            "/usr/bin/python3 -c 'import configparser,sys\n"
            "data=open(sys.argv[1],\"rb\").read()\n"
            "text=data.decode(\"utf-16\") if data[:2]==b\"\\xff\\xfe\" else data.decode(\"cp932\")\n"
            "c=configparser.ConfigParser(); c.optionxform=str; c.read_string(text)\n"
            "print(\";\".join(sorted(s+\".\"+k+\"=\"+v for s in c.sections() for k,v in c[s].items())))' '" +
            kit::Utf8(kit::UnixPath(path)) + "'");
    }

    std::optional<kit::App> app_;
    Dialog dialog_;
};

class EnglishSetwrightMaker : public SetwrightMaker {};

}  // namespace

TEST_F(SetwrightMaker, ListsTheFolderAndARewriteKeepsOtherSections)
{
    std::wstring folder = Folder(L"my skins", {L"a.wmz", L"b.wmz"});
    std::wstring output = folder + L"\\list.qlmc";
    kit::WriteBytes(output, "[Other]\r\nKeep=yes\r\n[CopyInfo]\r\nSkin0=old.wmz\r\nSkin7=older.wmz\r\n");
    Start();
    Create(folder, output);
    ExpectDone();
    std::string listed = ReadByPython(output);
    EXPECT_TRUE(listed == "CopyInfo.Skin0=a.wmz;CopyInfo.Skin1=b.wmz;Other.Keep=yes;QLMCInfo.Version=1.0\n" ||
                listed == "CopyInfo.Skin0=b.wmz;CopyInfo.Skin1=a.wmz;Other.Keep=yes;QLMCInfo.Version=1.0\n")
        << listed;
    EXPECT_EQ(folder, dialog_.Item(kTarget).Text()) << "the fields stay for the next file";
    Create(folder, output);
    ExpectDone();
    EXPECT_EQ(listed, ReadByPython(output));
}

TEST_F(SetwrightMaker, ChecksComeInOrderAndFailuresAreNotReportedAsSuccess)
{
    std::wstring empty = Folder(L"empty", {});
    std::wstring packages = Folder(L"packages", {L"a.wmz"});
    Start();
    Create(L"", L"", false);
    Expect(Caption(), L"対象フォルダを指定してください。", Icon::Warning);
    Create(packages, L"", false);
    Expect(Caption(), L"出力先を指定してください。", Icon::Warning);
    Create(empty, empty + L"\\none.qlmc");
    Expect(Caption(), L"対象フォルダに WMZ ファイルが含まれていません。", Icon::Warning);
    Create(kit::ScratchDir() + L"\\no such folder", packages + L"\\list.qlmc");
    Expect(Caption(), L"対象フォルダが存在しないか、開くことができません。\n対象フォルダを確認してください。", Icon::Warning);

    // Away from the packages: asked first; No writes nothing.
    const std::wstring elsewhere = kit::ScratchDir() + L"\\missing folder\\list.qlmc";
    Create(packages, elsewhere);
    Dialog question = app_->WaitDialog(L"確認");
    EXPECT_NE(std::wstring::npos, question.Message().find(L"出力先のフォルダが対象フォルダと異なります。"));
    EXPECT_EQ(IDNO, question.DefaultButton());
    question.Answer(IDNO);
    Create(packages, elsewhere);
    app_->WaitDialog(L"確認").Answer(IDYES);
    const std::wstring failed =
        L"QLMC ファイルを作成できませんでした。\n出力先のフォルダが存在すること、ファイルが読み取り専用でないことを確認してください。";
    Expect(Caption(), failed, Icon::Error);
}

TEST_F(SetwrightMaker, NamesOutsideTheCodePageReachTheBulkCopy)
{
    const std::wstring name = L"smile \U0001F600 caf\u00E9.wmz";
    std::wstring folder = Folder(L"world", {name, L"plain.wmz"});
    Start();
    Create(folder, folder + L"\\world.qlmc");
    ExpectDone();
    SHCreateDirectoryExW(nullptr, kit::SkinsDir().c_str(), nullptr);
    kit::App fennick(L"Fennick.exe", L"\"" + folder + L"\\world.qlmc\"");
    fennick.WaitDialog(L"Ferncastle").Answer(IDYES);
    EXPECT_NE(std::wstring::npos, fennick.WaitDialog(L"コピー完了").Message().find(L"成功 : 2 ファイル"));
    EXPECT_EQ(kit::Utf8(name), kit::FileBytes(kit::SkinsDir() + L"\\" + name).value_or(""));
}

TEST_F(SetwrightMaker, ADriveRootAndANameStartingWithABlank)
{
    std::wstring folder = Folder(L"drive", {L" lead.wmz"});
    kit::MapDrive(L'q', folder);
    Start();
    Create(L"q:\\", L"q:\\list.qlmc");   // one folder: no question about another
    ExpectDone();
    wchar_t value[16] = L"";
    GetPrivateProfileStringW(L"CopyInfo", L"Skin0", L"", value, 16, L"q:\\list.qlmc");
    EXPECT_STREQ(L" lead.wmz", value);
}

TEST_F(SetwrightMaker, MorePackagesThanTheBulkCopyReadsAreListedWhole)
{
    std::wstring folder = Folder(L"many", {});
    // Made by Unix: Wine looks through the whole folder for every new name.
    kit::UnixOutput("cd '" + kit::Utf8(kit::UnixPath(folder)) + "' && seq 0 32768 | sed 's/$/.wmz/' | xargs touch");
    Start();
    Create(folder, folder + L"\\many.qlmc");
    ExpectDone(kit::Ms(60000));   // 32,769 entries take a while on a busy machine
    wchar_t last[16] = L"";
    GetPrivateProfileStringW(L"CopyInfo", L"Skin32768", L"", last, 16, (folder + L"\\many.qlmc").c_str());
    EXPECT_NE(L'\0', last[0]);
    kit::UnixOutput("rm -rf '" + kit::Utf8(kit::UnixPath(folder)) + "'");
}

TEST_F(EnglishSetwrightMaker, MakesAFileInEnglish)
{
    std::wstring folder = Folder(L"skins", {L"a.wmz"});
    Start();
    Create(folder, L"", false);
    Expect(Caption(), L"Please Specify the Destination.", Icon::Warning);
    Create(folder, L"list.qlmc");   // a bare name lands beside the packages
    ExpectDone();
    EXPECT_TRUE(kit::FileBytes(folder + L"\\list.qlmc"));
}
