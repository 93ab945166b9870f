// The skin preview's window-free side: hits by point and by caret, scale, status texts, the PNG file.
#include "skin_preview_logic.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

class NoFiles : public SkinFileSource {
public:
    std::wstring Identity() const override { return L"none"; }
    bool Find(const std::wstring&, SkinFileFacts*) override { return false; }
    bool Read(const std::wstring&, uint64_t, std::string*) override { return false; }
};

const std::wstring kDefinition =
    L"<theme>\r\n<view id=\"main\" width=\"40\" height=\"30\" backgroundColor=\"white\">\r\n"
    L"<subview id=\"panel\" left=\"5\" top=\"5\" width=\"20\" height=\"10\" backgroundColor=\"red\">\r\n"
    L"<subview id=\"inner\" left=\"2\" top=\"2\" width=\"4\" height=\"4\" backgroundColor=\"blue\"/>\r\n"
    L"</subview>\r\n</view>\r\n</theme>\r\n";

SkinPicture Rendered(const std::wstring& text)
{
    NoFiles files;
    SkinImageCache cache;
    SkinPicture picture;
    RenderSkinView(text, files, cache, SkinRenderOptions(), &picture);
    return picture;
}

// A BUTTONGROUP at (10, 10), 4 × 2, whose left half maps to its first button, the right
// half's top row to the second.
SkinPicture GroupPicture()
{
    SkinPicture picture;
    picture.viewFound = true;
    picture.width = picture.height = 20;
    SkinDrawnElement view;
    view.kind = SkinView;
    view.tag = L"VIEW";
    view.box = view.visible = SkinRect{0, 0, 20, 20};
    SkinDrawnElement group;
    group.kind = SkinButtonGroup;
    group.tag = L"BUTTONGROUP";
    group.id = L"transport";
    group.place = {100, 30, 3, 1};
    group.box = group.visible = SkinRect{10, 10, 14, 12};
    group.buttons = {{L"PLAYELEMENT", L"", {140, 20, 4, 1}, SkinRect{10, 10, 12, 12}},
                     {L"BUTTONELEMENT", L"eq", {170, 25, 5, 1}, SkinRect{12, 10, 14, 11}}};
    group.buttonMap = {1, 1, 2, 2, 1, 1, 0, 0};
    picture.elements = {view, group};
    return picture;
}

std::wstring TempPath(const wchar_t* name)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + name;
}

}  // namespace

TEST(SkinPreviewLogic, ElementsByPointAndByCaret)
{
    SkinPicture picture = Rendered(kDefinition);
    ASSERT_EQ(3u, picture.elements.size());
    const size_t panelTag = kDefinition.find(L"<subview id=\"panel\"");
    const size_t innerTag = kDefinition.find(L"<subview id=\"inner\"");
    const size_t innerEnd = kDefinition.find(L"/>", innerTag) + 2;
    struct Case { int x, y; int element; } points[] = {
        {0, 0, 0}, {39, 29, 0}, {5, 5, 1}, {24, 14, 1}, {7, 7, 2}, {10, 10, 2}, {11, 11, 1}, {25, 5, 0}, {40, 0, -1}, {-1, 3, -1},
    };
    for (const Case& c : points)
        EXPECT_EQ(c.element, SkinElementAtPoint(picture, c.x, c.y).element) << c.x << "," << c.y;
    struct Offset { size_t offset; int element; } offsets[] = {
        {0, -1}, {panelTag, 1}, {panelTag + 5, 1}, {innerTag, 2}, {innerEnd - 1, 2}, {innerEnd, -1}, {SIZE_MAX, -1},
    };
    for (const Offset& o : offsets)
        EXPECT_EQ(o.element, SkinElementAtOffset(picture, o.offset).element) << o.offset;
    SkinElementHit inner = SkinElementAtOffset(picture, innerTag);
    EXPECT_EQ(innerTag, SkinHitPlace(picture, inner).offset);
    EXPECT_EQ(7, SkinHitRect(picture, inner).left);
    EXPECT_EQ(L"subview id=inner 4 × 4", SkinHitStatusText(picture, inner));
    EXPECT_EQ(SIZE_MAX, SkinHoverOffset(picture, inner)) << "a SUBVIEW has no hover look";
}

TEST(SkinPreviewLogic, ButtonsOfAGroupByTheirMap)
{
    SkinPicture picture = GroupPicture();
    struct Case { int x, y; int element, button; } points[] = {
        {10, 10, 1, 0}, {11, 11, 1, 0}, {12, 10, 1, 1}, {13, 10, 1, 1}, {12, 11, 1, -1}, {14, 10, 0, -1},
    };
    for (const Case& c : points) {
        SkinElementHit hit = SkinElementAtPoint(picture, c.x, c.y);
        EXPECT_EQ(c.element, hit.element) << c.x << "," << c.y;
        EXPECT_EQ(c.button, hit.button) << c.x << "," << c.y;
    }
    SkinElementHit eq = SkinElementAtPoint(picture, 13, 10);
    EXPECT_EQ(170u, SkinHoverOffset(picture, eq));
    EXPECT_EQ(L"BUTTONELEMENT id=eq 2 × 1 (BUTTONGROUP id=transport)", SkinHitStatusText(picture, eq));
    // Values drawn as if not set are named after the element's own.
    picture.notes = {{SkinNoteUnanswered, L"down", L"wmpprop:eq.enabled", {170, 25, 5, 1}},
                     {SkinNoteCycle, L"left", L"jscript:a.left", {100, 30, 3, 1}},
                     {SkinNoteUnevaluated, L"top", L"jscript:f()", {100, 30, 3, 1}}};
    EXPECT_EQ(L"BUTTONELEMENT id=eq 2 × 1 (BUTTONGROUP id=transport) — 評価していない値: down",
              SkinHitStatusText(picture, eq));
    EXPECT_EQ(L"BUTTONGROUP id=transport 4 × 2 — 評価していない値: left (循環), top",
              SkinHitStatusText(picture, SkinElementAtPoint(picture, 12, 11)));
    EXPECT_EQ(SIZE_MAX, SkinHoverOffset(picture, SkinElementAtPoint(picture, 12, 11))) << "the group itself";
    EXPECT_EQ(1, SkinElementAtOffset(picture, 175).button);
    EXPECT_EQ(-1, SkinElementAtOffset(picture, 105).button);
}

TEST(SkinPreviewLogic, ScaleAndThePixelUnderAPoint)
{
    struct Case { int zoom, areaWidth, areaHeight; int width, height; int x, y, viewX, viewY; bool inside; } cases[] = {
        {100, 50, 50, 320, 120, 319, 119, 319, 119, true},
        {200, 50, 50, 640, 240, 639, 1, 319, 0, true},
        {200, 50, 50, 640, 240, 640, 1, 0, 0, false},
        {0, 160, 100, 160, 60, 80, 30, 160, 60, true},    // fit: the width binds
        {0, 960, 240, 640, 240, 639, 239, 319, 119, true},  // fit enlarges too
        {0, 0, 0, 1, 1, 0, 0, 0, 0, true},                  // no area: still a pixel
    };
    for (const Case& c : cases) {
        SkinPictureLayout layout = LayOutSkinPicture(320, 120, c.zoom, c.areaWidth, c.areaHeight);
        EXPECT_EQ(c.width, layout.width) << c.zoom << " " << c.areaWidth;
        EXPECT_EQ(c.height, layout.height) << c.zoom << " " << c.areaWidth;
        int x = 0, y = 0;
        EXPECT_EQ(c.inside, SkinViewPixelAt(layout, 320, 120, c.x, c.y, &x, &y));
        if (c.inside) {
            EXPECT_EQ(c.viewX, x) << c.zoom << " " << c.x;
            EXPECT_EQ(c.viewY, y) << c.zoom << " " << c.y;
        }
    }
}

TEST(SkinPreviewLogic, ProblemsAreNamedGravestFirst)
{
    SkinPicture picture = Rendered(kDefinition);
    EXPECT_EQ(L"", SkinProblemsStatusText(picture, true));
    picture.problems = {{SkinProblemTooManyElements, L"", {}}, {SkinProblemMissingFile, L"back.bmp", {}}};
    EXPECT_EQ(L"画像が見つかりません: back.bmp (ほかに 1 件)", SkinProblemsStatusText(picture, true));
    EXPECT_EQ(L"保存されていない文書です: 画像は保存した後で表示されます (ほかに 1 件)",
              SkinProblemsStatusText(picture, false)) << "images of an unsaved document are not looked for";
    SkinPicture broken = Rendered(L"<theme><view width=\"9\" height=\"9\"><subview></theme>");
    EXPECT_TRUE(broken.viewFound);
    EXPECT_EQ(L"定義にエラーがあります (Ctrl+K でチェック)", SkinProblemsStatusText(broken, true));
    EXPECT_EQ(L"表示できる VIEW 要素がありません", SkinProblemsStatusText(Rendered(L"<theme/>"), true));
}

TEST(SkinPreviewLogic, SavingReplacesTheFileWholeOrLeavesItAlone)
{
    SkinPicture picture = Rendered(kDefinition);
    const std::wstring path = TempPath(L"qlm-preview.png");
    FILE* old = _wfopen(path.c_str(), L"wb");
    ASSERT_TRUE(old);
    fputs("old", old);
    fclose(old);
    unsigned long error = 1;
    ASSERT_TRUE(SaveSkinPictureAsPng(picture, path, &error));
    EXPECT_EQ(0u, error);
    FILE* file = _wfopen(path.c_str(), L"rb");
    ASSERT_TRUE(file);
    char signature[8] = {};
    EXPECT_EQ(8u, fread(signature, 1, 8, file));
    fclose(file);
    EXPECT_EQ(0, memcmp(signature, "\x89PNG\r\n\x1a\n", 8));
    DeleteFileW(path.c_str());

    EXPECT_FALSE(SaveSkinPictureAsPng(picture, TempPath(L"qlm-no-such-folder\\a.png"), &error));
    EXPECT_NE(0u, error);
    const std::wstring folder = TempPath(L"qlm-preview-save");
    CreateDirectoryW(folder.c_str(), nullptr);
    SkinPicture empty;
    EXPECT_FALSE(SaveSkinPictureAsPng(empty, folder + L"\\a.png", &error));
    EXPECT_TRUE(RemoveDirectoryW(folder.c_str())) << "no file is left in the folder";
}
