// Ferncastle's reading of skin packages: a package draws as its folder does, and what it
// cannot show is said.
#include "package_check.h"
#include "skin_package.h"
#include "zip_archive.h"
#include "zip_paths.h"
#include "zip_pipeline.h"
#include "zip_scan.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>

namespace {

std::wstring TempFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"skin_package_test";
}

// Packs the folder as Zipwright does.
bool Pack(const std::wstring& folder, const std::wstring& output)
{
    std::wstring root, out, failed;
    std::vector<SourceFile> files;
    if (!ResolvePath(folder.c_str(), &root) || !ResolveOutputPath(output.c_str(), &out)) return false;
    if (ListSkinFolder(root, out, &files, &failed) != PackWritten) return false;
    Archive archive;
    if (OpenArchive(out, &archive) != PackWritten) return false;
    if (PackFiles(&archive, files, &failed) != PackWritten || FinishArchive(&archive) != PackWritten) {
        AbandonArchive(&archive);
        return false;
    }
    return true;
}

std::string FileBytes(const std::wstring& path)
{
    std::string bytes;
    SkinFolderSource(path.substr(0, path.rfind(L'\\'))).Read(path.substr(path.rfind(L'\\') + 1), 1u << 30, &bytes);
    return bytes;
}

void WriteFile(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

TEST(SkinPackage, PackagesOfTheTestSkinsDrawAsTheirFolders)
{
    const std::wstring skins = std::wstring(_wgetenv(L"QLM_TEST_DATA")) + L"\\skins\\";
    const std::wstring temp = TempFolder();
    CreateDirectoryW(temp.c_str(), nullptr);
    const struct {
        const wchar_t* folder;
        const wchar_t* definition;
        const wchar_t* title;
        const wchar_t* author;
        size_t entries;
    } cases[] = {
        {L"classic", L"classic.wms", L"クラシック", L"岡田", 11},
        {L"lowercase", L"nightshift.wms", L"Night Shift", L"k.sato", 13},
        {L"mixed", L"aurora.wms", L"オーロラ", L"ミナ", 11},
    };
    SkinImageCache cache;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.folder);
        const std::wstring package = temp + L"\\" + c.folder + L".wmz";
        ASSERT_TRUE(Pack(skins + c.folder, package));
        PackagePreview preview;
        LoadPackagePreview(package, cache, &preview);
        ASSERT_EQ(PreviewShown, preview.state);
        EXPECT_EQ(c.title, preview.title);
        EXPECT_EQ(c.author, preview.author);
        EXPECT_EQ(c.entries, preview.entryCount);
        EXPECT_EQ(FileBytes(package).size(), preview.fileSize);

        SkinFolderSource folder(skins + c.folder);
        SkinPicture expected;
        RenderSkinView(DecodeSkinText(FileBytes(skins + c.folder + L"\\" + c.definition)), folder, cache,
                       SkinRenderOptions(), &expected);
        ASSERT_TRUE(preview.picture.viewFound);
        EXPECT_TRUE(preview.picture.problems.empty());
        EXPECT_EQ(expected.width, preview.picture.width);
        EXPECT_EQ(expected.height, preview.picture.height);
        EXPECT_TRUE(expected.pixels == preview.picture.pixels);
        DeleteFileW(package.c_str());
    }
    RemoveDirectoryW(temp.c_str());
}

TEST(SkinPackage, WhatCannotBeShownIsSaid)
{
    const std::wstring temp = TempFolder();
    CreateDirectoryW(temp.c_str(), nullptr);
    CreateDirectoryW((temp + L"\\plain").c_str(), nullptr);
    WriteFile(temp + L"\\plain\\readme.txt", "no skin here");
    ASSERT_TRUE(Pack(temp + L"\\plain", temp + L"\\plain.wmz"));
    WriteFile(temp + L"\\broken.wmz", "this is no package at all");
    SkinImageCache cache;
    PackagePreview preview;

    LoadPackagePreview(temp + L"\\broken.wmz", cache, &preview);
    EXPECT_EQ(PreviewUnreadable, preview.state);
    EXPECT_EQ(ZipReadNotZip, preview.reason);
    EXPECT_EQ(ZipReadErrorText(ZipReadNotZip, true), PackagePreviewProblemText(preview, true));

    LoadPackagePreview(temp + L"\\plain.wmz", cache, &preview);
    EXPECT_EQ(PreviewNoDefinition, preview.state);
    EXPECT_EQ(1u, preview.entryCount);
    EXPECT_NE(std::wstring(), PackagePreviewProblemText(preview, false));

    LoadPackagePreview(temp + L"\\missing.wmz", cache, &preview);
    EXPECT_EQ(ZipReadUnreadable, preview.reason);
    for (const wchar_t* name : {L"\\plain\\readme.txt", L"\\plain.wmz", L"\\broken.wmz"}) DeleteFileW((temp + name).c_str());
    RemoveDirectoryW((temp + L"\\plain").c_str());
    RemoveDirectoryW(temp.c_str());
}

TEST(SkinPackage, DefinitionsAreDecodedByTheirMarks)
{
    const struct {
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {"\xEF\xBB\xBF<a \xE6\x97\xA5>", L"<a 日>"},
        {std::string("\xFF\xFE<\0\xE5\x65", 6), L"<日"},
        {std::string("\xFE\xFF\0<\x65\xE5", 6), L"<日"},
        {"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, DecodeSkinText(c.bytes));
}

TEST(SkinPackage, PicturesShrinkToFitAndAverageWhatTheyCover)
{
    SkinPicture picture;
    picture.width = 4;
    picture.height = 2;
    picture.pixels = {0xFF000000, 0xFF0000FF, 0xFF00FF00, 0xFF00FF00, 0x00000000, 0x00000000, 0xFFFFFFFF, 0xFFFFFFFF};
    FittedPicture fitted;
    FitSkinPicture(picture, 2, 64, &fitted);
    ASSERT_EQ(2, fitted.width);
    ASSERT_EQ(1, fitted.height);
    EXPECT_EQ(0x80000040u, fitted.pixels[0]);
    EXPECT_EQ(0xFF80FF80u, fitted.pixels[1]);
    FitSkinPicture(picture, 100, 100, &fitted);
    EXPECT_EQ(4, fitted.width);
    EXPECT_TRUE(fitted.pixels == picture.pixels);
    FitSkinPicture(picture, 0, 100, &fitted);
    EXPECT_TRUE(fitted.pixels.empty());
}

TEST(PackageCheck, FilesNamedAreFoundInThePackage)
{
    const struct {
        std::wstring text;
        std::vector<std::wstring> names;
    } cases[] = {
        {L"<view backgroundImage=\"back.bmp\" resizeBackgroundImage=\"true\" clippingColor=\"#FF00FF\"/>", {L"back.bmp"}},
        {L"<view scriptFile=\" a.js ; res://wmploc/RT_STRING/#1812;sub\\b.js\"/>", {L"a.js", L"sub\\b.js"}},
        {L"<button image=\"wmpprop:x.image\" hoverImage=\"jscript:pick()\" down.image=\"d.png\"/>", {L"d.png"}},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> names;
        for (const SkinFileReference& reference : ListSkinFileReferences(c.text)) names.push_back(reference.name);
        EXPECT_EQ(c.names, names);
    }
    const auto placed = ListSkinFileReferences(L"<theme>\r\n\t<view image=\"x.bmp\"/>");
    ASSERT_EQ(1u, placed.size());
    EXPECT_EQ(2, placed[0].line);
    EXPECT_EQ(15, placed[0].column);
}

TEST(PackageCheck, WhatOnlyAPackageGetsWrongIsFound)
{
    const std::wstring skins = std::wstring(_wgetenv(L"QLM_TEST_DATA")) + L"\\skins\\classic\\";
    const std::wstring temp = TempFolder(), folder = temp + L"\\classic";
    CreateDirectoryW(temp.c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* name : {L"classic.wms", L"classic.js", L"down.bmp", L"hover.bmp", L"map.bmp", L"mute.bmp",
                                L"mutedown.bmp", L"seekfill.bmp", L"thumb.bmp"})
        CopyFileW((skins + name).c_str(), (folder + L"\\" + name).c_str(), FALSE);
    CopyFileW((skins + L"back.bmp").c_str(), (folder + L"\\Back.bmp").c_str(), FALSE);
    WriteFile(folder + L"\\notes.txt", "nothing names me");
    ASSERT_TRUE(Pack(folder, temp + L"\\classic.wmz"));

    std::vector<PackageFinding> findings;
    ASSERT_EQ(ZipReadOk, CheckSkinPackage(temp + L"\\classic.wmz", false, &findings));
    std::vector<std::wstring> seen;
    // The skin check's own notes on the definition (names outside the reference) are left aside.
    for (const PackageFinding& finding : findings)
        if (finding.kind != SkinNote || finding.line == 0)
            seen.push_back(finding.file + L" " + std::to_wstring(finding.line) + L" " + std::to_wstring(finding.kind) + L" " +
                       finding.message);
    const std::vector<std::wstring> expected = {
        L"classic.wms 3 1 The file \"back.bmp\" is \"Back.bmp\" in the package: the letter case differs.",
        L"classic.wms 24 0 The file \"close.bmp\" is not in the package.",
        L"notes.txt 0 2 No definition names the file \"notes.txt\".",
    };
    EXPECT_EQ(expected, seen);
    EXPECT_EQ(ZipReadNotZip, CheckSkinPackage(skins + L"back.bmp", true, &findings));

    for (const wchar_t* name : {L"classic.wms", L"classic.js", L"down.bmp", L"hover.bmp", L"map.bmp", L"mute.bmp",
                                L"mutedown.bmp", L"seekfill.bmp", L"thumb.bmp", L"Back.bmp", L"notes.txt"})
        DeleteFileW((folder + L"\\" + name).c_str());
    DeleteFileW((temp + L"\\classic.wmz").c_str());
    RemoveDirectoryW(folder.c_str());
    RemoveDirectoryW(temp.c_str());
}

TEST(PackageCheck, ScriptFindingsAreListedUnderTheirEntries)
{
    const std::wstring skins = std::wstring(_wgetenv(L"QLM_TEST_DATA")) + L"\\skins\\scripted\\";
    const std::wstring temp = TempFolder(), folder = temp + L"\\scripted";
    const wchar_t* const names[] = {L"scripted.wms", L"common.js", L"mini.js.wmx", L"scripts\\full.js.wmx",
                                    L"back.bmp",     L"play.bmp",  L"pause.bmp"};
    for (const std::wstring& made : {temp, folder, folder + L"\\scripts"}) CreateDirectoryW(made.c_str(), nullptr);
    for (const wchar_t* name : names) CopyFileW((skins + name).c_str(), (folder + L"\\" + name).c_str(), FALSE);
    std::vector<PackageFinding> findings;
    std::vector<std::wstring> seen;
    for (const char* mini : {"", "function startMini() { titel.value = ''; }"}) {
        if (*mini) WriteFile(folder + L"\\mini.js.wmx", mini);
        ASSERT_TRUE(Pack(folder, temp + L"\\scripted.wmz"));
        ASSERT_EQ(ZipReadOk, CheckSkinPackage(temp + L"\\scripted.wmz", false, &findings));
        for (const PackageFinding& finding : findings)
            if (finding.kind != SkinNote)
                seen.push_back(finding.file + L" " + std::to_wstring(finding.line) + L" " + finding.message);
    }
    EXPECT_EQ((std::vector<std::wstring>{L"mini.js.wmx 1 The name titel is neither an element id of the VIEW nor a "
                                         L"name in its scripts. Did you mean title?"}),
              seen);
    for (const wchar_t* name : names) DeleteFileW((folder + L"\\" + name).c_str());
    DeleteFileW((temp + L"\\scripted.wmz").c_str());
    for (const std::wstring& made : {folder + L"\\scripts", folder, temp}) RemoveDirectoryW(made.c_str());
}

// Packages made to flood the check or the preview: each stops at its limit, says so, and
// takes less than the time bound; names that would hide their text are shown escaped.
TEST(PackageCheck, FloodedPackagesStopAtTheirLimitsAndSaySo)
{
    const std::wstring temp = TempFolder(), folder = temp + L"\\flood";
    std::string names = "<THEME><VIEW width=\"9\" height=\"9\" scriptFile=\"";
    for (int i = 0; i < 30000; ++i) names += "gone.js;";
    const std::string large = "<THEME><VIEW/>" + std::string(kSkinLongestDefinition, ' ') + "</THEME>";
    const struct {
        std::map<std::wstring, std::string> files;
        size_t findings;
        std::wstring last;
        PackagePreviewState state;
        std::wstring pane;
    } cases[] = {
        {{{L"a.wms", names + "\"/></THEME>"}}, kSkinMostFindings + 1,
         L"Too many findings: only the first 10000 are listed.", PreviewShown, L""},
        {{{L"a.wms", large}}, 1, L"The skin definition is larger than 4 MB: it was not checked.", PreviewTooLarge,
         L"The skin definition is too large to show"},
        {{{L"a.wms", "<THEME/>"}, {L"gpj.\u202E" L"exe", ""}}, 1,
         L"No definition names the file \"gpj.<U+202E>exe\".", PreviewShown, L"The skin definition has no VIEW."},
    };
    CreateDirectoryW(temp.c_str(), nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.findings);
        CreateDirectoryW(folder.c_str(), nullptr);
        for (const auto& file : c.files) WriteFile(folder + L"\\" + file.first, file.second);
        ASSERT_TRUE(Pack(folder, temp + L"\\flood.wmz"));
        const DWORD start = GetTickCount();
        std::vector<PackageFinding> findings;
        ASSERT_EQ(ZipReadOk, CheckSkinPackage(temp + L"\\flood.wmz", false, &findings));
        SkinImageCache cache;
        PackagePreview preview;
        LoadPackagePreview(temp + L"\\flood.wmz", cache, &preview);
        EXPECT_LT(GetTickCount() - start, 2000u);
        ASSERT_EQ(c.findings, findings.size());
        EXPECT_EQ(c.last, findings.back().message);
        EXPECT_EQ(c.state, preview.state);
        EXPECT_EQ(c.pane, PackagePreviewProblemText(preview, false));
        EXPECT_FALSE(IsPassingPreview(preview));
        std::atomic<bool> cancel(true);
        SkinRenderOptions options;
        options.cancel = &cancel;
        LoadPackagePreview(temp + L"\\flood.wmz", cache, &preview, options);
        EXPECT_TRUE(IsPassingPreview(preview)) << "a stopped preview is not kept";
        for (const auto& file : c.files) DeleteFileW((folder + L"\\" + file.first).c_str());
        RemoveDirectoryW(folder.c_str());
        DeleteFileW((temp + L"\\flood.wmz").c_str());
    }
    RemoveDirectoryW(temp.c_str());
}
