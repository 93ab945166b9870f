// The skin view renderer: pixels at chosen points of every kind of element, the element list,
// problems, limits, the image cache and PNG output.
#include "file_paths.h"
#include "skin_check.h"
#include "skin_render.h"
#include "skin_text.h"
#include "text_encoding.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

const uint32_t kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kGrey = 0xFF808080;
const uint32_t kBlack = 0xFF000000, kYellow = 0xFFFFFF00, kClear = 0;

// Files held in memory; every Put gives the file a new stamp.
class MemoryFiles : public SkinFileSource {
public:
    void Put(const std::wstring& name, const std::string& bytes) { files_[Key(name)] = {bytes, ++stamp_}; }
    std::wstring Identity() const override { return L"memory"; }
    bool Find(const std::wstring& name, SkinFileFacts* facts) override
    {
        ++finds;
        auto found = files_.find(Key(name));
        if (found == files_.end()) return false;
        *facts = {found->second.second, found->second.first.size()};
        return true;
    }
    bool Read(const std::wstring& name, uint64_t most, std::string* bytes) override
    {
        auto found = files_.find(Key(name));
        if (found == files_.end() || found->second.first.size() > most) return false;
        *bytes = found->second.first;
        return true;
    }

    size_t finds = 0;

private:
    static std::wstring Key(std::wstring name)
    {
        for (wchar_t& c : name) c = c == L'/' ? L'\\' : static_cast<wchar_t>(towlower(c));
        return name;
    }
    std::map<std::wstring, std::pair<std::string, uint64_t>> files_;
    uint64_t stamp_ = 0;
};

using Paint = std::function<uint32_t(int x, int y)>;

// A 24-bit bitmap, bottom row first as bitmaps are stored.
std::string Bitmap(int width, int height, const Paint& paint)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string bytes(54 + static_cast<size_t>(stride) * height, '\0');
    const uint32_t header[] = {static_cast<uint32_t>(bytes.size()), 0,           54, 40, static_cast<uint32_t>(width),
                               static_cast<uint32_t>(height),       1 | 24 << 16};
    bytes[0] = 'B', bytes[1] = 'M';
    memcpy(&bytes[2], header, sizeof(header));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int channel = 0; channel < 3; ++channel)
                bytes[54 + static_cast<size_t>(height - 1 - y) * stride + x * 3 + channel] =
                    static_cast<char>(paint(x, y) >> (8 * channel));
    return bytes;
}

std::string Solid(int width, int height, uint32_t rgb)
{
    return Bitmap(width, height, [rgb](int, int) { return rgb; });
}

std::string FileBytes(const std::wstring& path)
{
    std::string bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return bytes;
    char buffer[4096];
    for (size_t got; (got = fread(buffer, 1, sizeof(buffer), file)) > 0;) bytes.append(buffer, got);
    fclose(file);
    return bytes;
}

std::wstring TempPath(const wchar_t* name)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + name;
}

// A PNG of premultiplied pixels, written by the renderer's own writer.
std::string Png(int width, int height, uint32_t premultiplied)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, premultiplied);
    const std::wstring path = TempPath(L"qlm-render.png");
    EXPECT_TRUE(WriteSkinPng(pixels.data(), width, height, path));
    return FileBytes(path);
}

class SkinRender : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        files_ = new MemoryFiles();
        files_->Put(L"red.bmp", Solid(10, 10, 0xFF0000));
        files_->Put(L"blue.bmp", Solid(10, 10, 0x0000FF));
        files_->Put(L"keyed.bmp", Bitmap(10, 10, [](int x, int y) {
                        return x >= 3 && x < 7 && y >= 3 && y < 7 ? 0x00FF00u : 0xFF00FFu;
                    }));
        files_->Put(L"map.bmp", Bitmap(30, 10, [](int x, int) {
                        return x < 10 ? 0xFF0000u : x < 20 ? 0x00FF00u : 0u;
                    }));
        files_->Put(L"group.bmp", Solid(30, 10, 0x808080));
        files_->Put(L"hover.bmp", Solid(30, 10, 0xFFFF00));
        files_->Put(L"strip.bmp", Bitmap(30, 10, [](int x, int) {
                        return x < 10 ? 0xFF0000u : x < 20 ? 0x00FF00u : 0x0000FFu;
                    }));
        files_->Put(L"pos.bmp", Solid(10, 10, 0x404040));
        files_->Put(L"track.bmp", Solid(40, 10, 0x808080));
        files_->Put(L"thumb.bmp", Solid(4, 10, 0x000000));
        files_->Put(L"clip.bmp", Bitmap(20, 20, [](int x, int) { return x < 10 ? 0xFF00FFu : 0u; }));
        files_->Put(L"half.png", Png(10, 10, 0x80800000));
        files_->Put(L"junk.bmp", "x");
        // 20,000 pixels wide by its header alone.
        files_->Put(L"wide.bmp", Solid(1, 1, 0).replace(18, 4, std::string("\x20\x4E\0\0", 4)));
        // Two pixels, red and green, red being the transparent colour.
        files_->Put(L"keyed.gif", std::string("GIF89a\2\0\1\0\x80\0\0\xFF\0\0\0\xFF\0"
                                              "\x21\xF9\4\1\0\0\0\0\x2C\0\0\0\0\2\0\1\0\0\2\2\x44\x0A\0\x3B",
                                              43));
    }
    static void TearDownTestSuite() { delete files_; }

    SkinPicture Render(const std::wstring& text, const SkinRenderOptions& options = SkinRenderOptions())
    {
        SkinPicture picture;
        RenderSkinView(text, *files_, cache_, options, &picture);
        return picture;
    }
    // A 40x40 view with these attributes around this body.
    SkinPicture RenderView(const std::wstring& attributes, const std::wstring& body)
    {
        return Render(L"<THEME><VIEW width=\"40\" height=\"40\" " + attributes + L">" + body + L"</VIEW></THEME>");
    }

    static MemoryFiles* files_;
    SkinImageCache cache_;
};

MemoryFiles* SkinRender::files_ = nullptr;

uint32_t PixelAt(const SkinPicture& picture, int x, int y)
{
    return picture.pixels[static_cast<size_t>(y) * picture.width + x];
}

int CountPixels(const SkinPicture& picture, const SkinRect& area, const std::function<bool(uint32_t)>& test)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += test(PixelAt(picture, x, y)) ? 1 : 0;
    return count;
}

struct Point {
    int x, y;
    uint32_t argb;
};

struct PixelCase {
    const wchar_t* attributes;
    const wchar_t* body;
    std::vector<Point> points;
};

}  // namespace

TEST_F(SkinRender, PixelsOfEveryKindOfElement)
{
    const PixelCase cases[] = {
        {L"backgroundColor=\"#102030\" backgroundImage=\"red.bmp\"", L"", {{5, 5, kRed}, {20, 20, 0xFF102030}}},
        {L"backgroundImage=\"red.bmp\" backgroundTiled=\"true\"", L"", {{25, 35, kRed}}},
        {L"backgroundImage=\"strip.bmp\" resizeBackgroundImage=\"true\"", L"", {{39, 39, kBlue}, {20, 0, kGreen}}},
        {L"",
         L"<BUTTON left=\"10\" top=\"10\" image=\"blue.bmp\"/>",
         {{10, 10, kBlue}, {19, 19, kBlue}, {20, 20, kWhite}}},
        {L"", L"<BUTTON image=\"keyed.bmp\" transparencyColor=\"#FF00FF\"/>", {{1, 1, kWhite}, {4, 4, kGreen}}},
        {L"", L"<BUTTON image=\"keyed.bmp\" transparencyColor=\"Auto\"/>", {{1, 1, kWhite}, {4, 4, kGreen}}},
        {L"", L"<BUTTON image=\"keyed.bmp\"/>", {{1, 1, 0xFFFF00FF}}},
        {L"",
         L"<BUTTON width=\"30\" tiled=\"true\" image=\"blue.bmp\"/><BUTTON top=\"20\" width=\"30\" "
         L"image=\"blue.bmp\"/>",
         {{25, 5, kBlue}, {25, 25, kWhite}}},
        {L"",
         L"<BUTTON image=\"half.png\"/><BUTTON top=\"20\" image=\"keyed.gif\"/>",
         {{5, 5, 0xFFFF7F7F}, {0, 20, kRed}, {1, 20, kGreen}}},
        {L"", L"<BUTTON image=\"red.bmp\" zIndex=\"1\"/><BUTTON image=\"blue.bmp\"/>", {{5, 5, kRed}}},
        {L"", L"<BUTTON image=\"red.bmp\"/><BUTTON image=\"blue.bmp\"/>", {{5, 5, kBlue}}},
        {L"backgroundColor=\"lime\"", L"<BUTTON image=\"red.bmp\" zIndex=\"-1\"/>", {{5, 5, kGreen}}},
        {L"",
         L"<SUBVIEW width=\"20\" height=\"20\" backgroundColor=\"red\" visible=\"false\"><BUTTON "
         L"image=\"blue.bmp\"/></SUBVIEW>",
         {{5, 5, kWhite}}},
        {L"",
         L"<SUBVIEW left=\"10\" top=\"10\" width=\"5\" height=\"5\"><BUTTON image=\"blue.bmp\"/></SUBVIEW>",
         {{12, 12, kBlue}, {16, 16, kWhite}}},
        {L"",
         L"<BUTTONGROUP top=\"20\" image=\"group.bmp\" mappingImage=\"map.bmp\" hoverImage=\"hover.bmp\">"
         L"<BUTTONELEMENT mappingColor=\"#FF0000\"/><PLAYELEMENT mappingColor=\"#00ff00\"/></BUTTONGROUP>",
         {{5, 25, kGrey}, {15, 25, kGrey}, {25, 25, kWhite}}},
        {L"",
         L"<BUTTONGROUP image=\"group.bmp\" mappingImage=\"map.bmp\" showBackground=\"true\">"
         L"<BUTTONELEMENT mappingColor=\"bogus\"/></BUTTONGROUP>",
         {{5, 5, kGrey}, {25, 5, kGrey}}},
        {L"", L"<TEXT width=\"40\" height=\"20\" backgroundColor=\"#00FF00\"/>", {{39, 19, kGreen}, {0, 20, kWhite}}},
        {L"",
         L"<SLIDER width=\"40\" height=\"10\" backgroundColor=\"blue\" foregroundColor=\"red\" value=\"50\"/>",
         {{5, 5, kRed}, {35, 5, kBlue}}},
        {L"",
         L"<SLIDER width=\"10\" height=\"40\" direction=\"vertical\" backgroundColor=\"blue\" value=\"25\"/>",
         {{5, 38, kWhite}, {5, 2, kBlue}}},
        {L"",
         L"<SLIDER width=\"40\" height=\"10\" backgroundImage=\"track.bmp\" thumbImage=\"thumb.bmp\" value=\"50\"/>",
         {{20, 5, kBlack}, {5, 5, kGrey}}},
        {L"",
         L"<SEEKSLIDER backgroundImage=\"track.bmp\" thumbImage=\"thumb.bmp\" value=\"wmpprop:a.b\"/>",
         {{1, 5, kBlack}, {2, 5, kGrey}}},
        {L"",
         L"<CUSTOMSLIDER image=\"strip.bmp\" positionImage=\"pos.bmp\" max=\"2\" value=\"1\"/>"
         L"<CUSTOMSLIDER top=\"10\" image=\"strip.bmp\" positionImage=\"pos.bmp\"/>"
         L"<CUSTOMSLIDER top=\"20\" image=\"strip.bmp\" positionImage=\"pos.bmp\" value=\"100\"/>",
         {{5, 5, kGreen}, {5, 15, kRed}, {5, 25, kBlue}, {15, 5, kWhite}}},
        {L"",
         L"<VIDEO width=\"20\" height=\"20\" backgroundColor=\"#203040\"/><BUTTON image=\"red.bmp\" zIndex=\"9\"/>",
         {{5, 3, 0xFF203040}}},
        {L"",
         L"<VIDEO width=\"20\" height=\"20\" windowless=\"true\"/><BUTTON image=\"red.bmp\" zIndex=\"-1\"/>",
         {{5, 3, kWhite}}},
        {L"backgroundColor=\"black\"",
         L"<WMPVIDEO width=\"20\" height=\"20\"/><PLAYLIST left=\"20\" width=\"20\" height=\"20\"/>",
         {{10, 3, kBlack}, {30, 3, kWhite}}},
        {L"", L"<EFFECTS width=\"20\" height=\"20\"/>", {{10, 3, kBlack}}},
        {L"backgroundImage=\"keyed.bmp\" clippingColor=\"#FF00FF\"",
         L"",
         {{1, 1, kClear}, {4, 4, kGreen}, {20, 20, kWhite}}},
        {L"backgroundImage=\"keyed.bmp\" transparencyColor=\"#FF00FF\"", L"", {{1, 1, kClear}, {4, 4, kGreen}}},
        {L"clippingImage=\"clip.bmp\"", L"<BUTTON image=\"red.bmp\"/>", {{5, 5, kClear}, {15, 5, kWhite}}},
        {L"", L"<BUTTON image=\"red.bmp\" clippingImage=\"keyed.bmp\"/>", {{1, 1, kWhite}, {4, 4, kRed}}},
        {L"",
         L"<SUBVIEW width=\"10\" height=\"10\" backgroundImage=\"keyed.bmp\" clippingColor=\"#FF00FF\">"
         L"<BUTTON image=\"blue.bmp\"/></SUBVIEW>",
         {{1, 1, kWhite}, {4, 4, kBlue}}},
        {L"",
         L"<BUTTON left=\"-5\" top=\"-5\" image=\"red.bmp\"/><BUTTON right=\"0\" bottom=\"0\" width=\"10\" "
         L"height=\"10\" "
         L"image=\"blue.bmp\"/><BUTTON left=\"20\" image=\"red.bmp\" alphaBlend=\"0\"/>",
         {{4, 4, kRed}, {5, 5, kWhite}, {35, 35, kBlue}, {25, 5, kWhite}}},
    };
    for (const PixelCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.attributes << L" " << c.body);
        SkinPicture picture = RenderView(c.attributes, c.body);
        ASSERT_EQ(40, picture.width);
        EXPECT_TRUE(picture.problems.empty());
        for (const Point& point : c.points)
            EXPECT_EQ(point.argb, PixelAt(picture, point.x, point.y)) << point.x << L"," << point.y;
    }
}

TEST_F(SkinRender, ElementsWithTheirPlacesSizesAndButtonAreas)
{
    const std::wstring text =
        L"<THEME>\n<VIEW id=\"main\" width=\"40\" height=\"40\">\n"
        L"\t<Button id=\"b\" left=\"3\" top=\"4\" image=\"red.bmp\" hoverImage=\"blue.bmp\"/>\n"
        L"<BUTTONGROUP top=\"20\" mappingImage=\"map.bmp\" hoverImage=\"hover.bmp\">"
        L"<BUTTONELEMENT mappingColor=\"#FF0000\"/><PLAYELEMENT id=\"p\" mappingColor=\"#00FF00\"/>"
        L"</BUTTONGROUP>\n<TEXT id=\"gone\" visible=\"false\"/></VIEW></THEME>";
    SkinPicture picture = Render(text);
    ASSERT_EQ(3u, picture.elements.size());
    const SkinDrawnElement& button = picture.elements[1];
    EXPECT_EQ(SkinButton, button.kind);
    EXPECT_EQ(L"Button", button.tag);
    EXPECT_EQ(L"b", button.id);
    EXPECT_EQ(text.find(L"<Button"), button.place.offset);
    EXPECT_EQ(3, button.place.line);
    EXPECT_EQ(2, button.place.column);
    EXPECT_EQ(L'>', text[button.place.offset + button.place.length - 1]);
    EXPECT_EQ(3, button.box.left);
    EXPECT_EQ(14, button.box.bottom);   // its image's size
    const SkinDrawnElement& group = picture.elements[2];
    ASSERT_EQ(2u, group.buttons.size());
    const SkinButtonArea& play = group.buttons[1];
    EXPECT_EQ(L"p", play.id);
    EXPECT_EQ(10, play.bounds.left);
    EXPECT_EQ(20, play.bounds.right);
    EXPECT_EQ(30, play.bounds.bottom);
    EXPECT_EQ(2, group.buttonMap[static_cast<size_t>(group.visible.Width()) * 5 + 15]);
    EXPECT_EQ(kWhite, PixelAt(picture, 15, 25));   // no image: the background shows

    // The hovered button element shows the hover image in its area only; a hovered button its own.
    SkinRenderOptions options;
    options.playerState = SkinPlayerStopped;   // the play element is disabled while playing
    options.hoveredOffset = play.place.offset;
    SkinPicture hovered = Render(text, options);
    EXPECT_EQ(kYellow, PixelAt(hovered, 15, 25));
    EXPECT_EQ(kWhite, PixelAt(hovered, 5, 25));
    options.hoveredOffset = button.place.offset;
    EXPECT_EQ(kBlue, PixelAt(Render(text, options), 5, 5));
}

TEST_F(SkinRender, BindingsAreAnsweredByThePlayerInEachState)
{
    // The pixel at 5,5 when stopped, playing and paused.
    const struct {
        const wchar_t* body;
        uint32_t stopped, playing, paused;
    } cases[] = {
        // One place shows play or pause, by the pause control's state.
        {L"<BUTTON image=\"red.bmp\" visible=\"wmpdisabled:player.controls.pause\"/>"
         L"<BUTTON image=\"blue.bmp\" visible=\"wmpenabled:player.controls.pause\"/>",
         kRed, kBlue, kRed},
        // Predefined elements answered disabled draw the disabled image.
        {L"<BUTTONGROUP left=\"-10\" image=\"group.bmp\" disabledImage=\"hover.bmp\" mappingImage=\"map.bmp\">"
         L"<STOPELEMENT mappingColor=\"#FF0000\"/><PAUSEELEMENT mappingColor=\"#00FF00\"/></BUTTONGROUP>",
         kYellow, kGrey, kYellow},
        {L"<PLAYBUTTON image=\"red.bmp\" disabledImage=\"blue.bmp\"/>", kRed, kBlue, kRed},
        // An element's own property, bound or not.
        {L"<PAUSEBUTTON id=\"pb\" visible=\"false\"/><BUTTON image=\"red.bmp\" visible=\"wmpprop:pb.enabled\"/>",
         kWhite, kRed, kWhite},
        {L"<BUTTON id=\"x\" visible=\"false\"/><BUTTON image=\"red.bmp\" visible=\"wmpprop:x.down\"/>",
         kWhite, kWhite, kWhite},
        // The seek slider at 01:12 of 03:45, the volume at 50.
        {L"<SEEKSLIDER width=\"40\" height=\"10\" backgroundColor=\"blue\" foregroundColor=\"red\"/>", kBlue, kRed,
         kRed},
        {L"<VOLUMESLIDER left=\"-14\" width=\"40\" height=\"10\" backgroundColor=\"blue\" foregroundColor=\"red\"/>",
         kRed, kRed, kRed},
        {L"<VOLUMESLIDER left=\"-15\" width=\"40\" height=\"10\" backgroundColor=\"blue\" foregroundColor=\"red\"/>",
         kBlue, kBlue, kBlue},
    };
    for (const auto& c : cases)
        for (SkinPlayerState state : {SkinPlayerStopped, SkinPlayerPlaying, SkinPlayerPaused}) {
            SCOPED_TRACE(testing::Message() << c.body << L" in state " << state);
            SkinRenderOptions options;
            options.playerState = state;
            SkinPicture picture =
                Render(L"<THEME><VIEW width=\"40\" height=\"40\">" + std::wstring(c.body) + L"</VIEW></THEME>", options);
            EXPECT_EQ(state == SkinPlayerStopped ? c.stopped : state == SkinPlayerPlaying ? c.playing : c.paused,
                      PixelAt(picture, 5, 5));
            EXPECT_TRUE(picture.notes.empty());
        }
    // Texts show the answer, as wide as the same words written; what is not answered is noted.
    SkinPicture texts = RenderView(L"",
                                   L"<TRACKNAMETEXT/><TEXT top=\"12\" value=\"サンプルの曲\"/>"
                                   L"<STATUSTEXT top=\"24\"/><TEXT top=\"36\" value=\"再生中\"/>"
                                   L"<TEXT value=\"wmpprop:eq.gainLevel1\"/>");
    EXPECT_EQ(texts.elements[1].box.Width(), texts.elements[2].box.Width());
    EXPECT_EQ(texts.elements[3].box.Width(), texts.elements[4].box.Width());
    ASSERT_EQ(1u, texts.notes.size());
    EXPECT_EQ(SkinNoteUnanswered, texts.notes[0].kind);
    EXPECT_EQ(L"value", texts.notes[0].attribute);
    EXPECT_EQ(texts.elements[5].place.offset, texts.notes[0].place.offset);
}

TEST_F(SkinRender, GeometryExpressionsAreEvaluatedInTheOrderTheyNeedEachOther)
{
    SkinPicture picture = RenderView(
        L"",
        L"<BUTTON id=\"a\" left=\"jscript:b.left+b.width+2;\" image=\"red.bmp\"/>"
        L"<BUTTON id=\"b\" left=\"5\" image=\"blue.bmp\"/>"
        L"<BUTTON left=\"jscript:view.width - width;\" top=\"jscript:Math.max(a.top, 3) * 2\" image=\"red.bmp\"/>"
        L"<BUTTON left=\"10\" width=\"jscript:view.width-left-5\" image=\"red.bmp\"/>"
        L"<BUTTON id=\"d\" top=\"jscript:e.top+1\" image=\"red.bmp\"/>"
        L"<BUTTON id=\"e\" top=\"jscript:d.top+1\" left=\"jscript:e.top+4\" image=\"red.bmp\"/>"
        L"<BUTTON left=\"jscript:placeOf('f')\" top=\"jscript:d.top+3\" image=\"red.bmp\"/>");
    const struct {
        int left, top, right;
    } boxes[] = {{17, 0, 27}, {5, 0, 15}, {30, 6, 40}, {10, 0, 35}, {0, 0, 10}, {4, 0, 14}, {0, 3, 10}};
    ASSERT_EQ(8u, picture.elements.size());
    for (size_t i = 0; i < 7; ++i) {
        const SkinRect& box = picture.elements[i + 1].box;
        EXPECT_EQ(boxes[i].left, box.left) << i;
        EXPECT_EQ(boxes[i].top, box.top) << i;
        EXPECT_EQ(boxes[i].right, box.right) << i;
    }
    // The cycle costs its two tops, the script's function the one left; nothing else is noted.
    const struct {
        SkinNoteKind kind;
        const wchar_t* attribute;
        size_t element;
    } notes[] = {{SkinNoteCycle, L"top", 6}, {SkinNoteCycle, L"top", 5}, {SkinNoteUnevaluated, L"left", 7}};
    ASSERT_EQ(3u, picture.notes.size());
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(notes[i].kind, picture.notes[i].kind) << i;
        EXPECT_EQ(notes[i].attribute, picture.notes[i].attribute) << i;
        EXPECT_EQ(picture.elements[notes[i].element].place.offset, picture.notes[i].place.offset) << i;
    }
    // Each element placed after the next, 4,000 of them: the chain is cut at a depth, not the stack.
    std::wstring chain;
    for (int i = 0; i < 4000; ++i)
        chain += L"<TEXT id=\"t" + std::to_wstring(i) + L"\" left=\"jscript:(((((t" + std::to_wstring(i + 1) +
                 L".left+1)))));\" width=\"1\"/>";
    picture = RenderView(L"", chain);
    EXPECT_EQ(4001u, picture.elements.size());
    EXPECT_FALSE(picture.notes.empty());
}

TEST_F(SkinRender, ThePlayersOwnImagesAreASampleCoverAndNoMissingFile)
{
    const std::wstring text =
        L"<THEME><VIEW width=\"40\" height=\"40\"><SUBVIEW width=\"40\" height=\"20\" "
        L"backgroundImage=\"WMPImage_AlbumArtLarge\"/><BUTTON image=\"wmpimage_albumartsmall\"/></VIEW></THEME>";
    SkinPicture picture = Render(text);
    EXPECT_TRUE(picture.problems.empty());
    EXPECT_EQ(75, picture.elements[2].box.Width());
    picture = Render(L"<THEME><VIEW width=\"40\" height=\"40\"><SUBVIEW width=\"40\" height=\"20\" "
                     L"backgroundImage=\"WMPImage_AlbumArtLarge\"/></VIEW></THEME>");
    EXPECT_EQ(200, Render(L"<THEME><VIEW backgroundImage=\"WMPImage_AlbumArtLarge\"/></THEME>").width);
    // Fitted keeping its square shape: 20 pixels in the middle of 40, opaque, not the view's white.
    EXPECT_EQ(kWhite, PixelAt(picture, 9, 10));
    EXPECT_EQ(kWhite, PixelAt(picture, 30, 10));
    EXPECT_EQ(0xFFu, PixelAt(picture, 10, 0) >> 24);
    EXPECT_NE(kWhite, PixelAt(picture, 10, 0));
    EXPECT_NE(PixelAt(picture, 10, 0), PixelAt(picture, 20, 10));
    // Boxes of a thousand sizes make a few covers and stretch them: the render stays quick.
    std::wstring many;
    for (int i = 1; i <= 1000; ++i)
        many += L"<SUBVIEW width=\"" + std::to_wstring(i) + L"\" height=\"900\" backgroundImage=\"WMPImage_AlbumArtSmall\"/>";
    const DWORD start = GetTickCount();
    picture = Render(L"<THEME><VIEW width=\"1000\" height=\"1000\">" + many + L"</VIEW></THEME>");
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(0xFFu, PixelAt(picture, 500, 300) >> 24);
    // The skin check and the package check do not look for it among the skin's files.
    const std::wstring folder = std::wstring(_wgetenv(L"QLM_TEST_DATA")) + L"\\skins\\classic";
    for (const SkinFinding& finding : CheckSkinDefinition(text, folder))
        EXPECT_NE(SkinError, finding.kind) << finding.message;
    EXPECT_TRUE(SkinFileNameRanges(L"backgroundimage", L"wmpImage_AlbumArtLARGE").empty());
}

TEST_F(SkinRender, ASlidersTransparentColourKeysItsThumb)
{
    const wchar_t slider[] =
        L"<SLIDER width=\"40\" height=\"10\" backgroundColor=\"blue\" foregroundColor=\"red\" value=\"50\" "
        L"thumbImage=\"keyed.bmp\" ";
    SkinPicture keyed = RenderView(L"", slider + std::wstring(L"transparencyColor=\"#FF00FF\"/>"));
    EXPECT_EQ(kRed, PixelAt(keyed, 15, 5));
    EXPECT_EQ(kGreen, PixelAt(keyed, 18, 5));
    EXPECT_EQ(0xFFFF00FF, PixelAt(RenderView(L"", slider + std::wstring(L"/>")), 15, 5));
}

TEST_F(SkinRender, ViewsByIndexAndById)
{
    const std::wstring text =
        L"<THEME><VIEW id=\"Big\" title=\"大\" width=\"30\" height=\"20\"/>"
        L"<VIEW id=\"small\" width=\"10\" height=\"5\"><VIEW/></VIEW></THEME>";
    std::vector<SkinViewEntry> views = ListSkinViews(text);
    ASSERT_EQ(2u, views.size());
    EXPECT_EQ(L"Big", views[0].id);
    EXPECT_EQ(L"大", views[0].title);
    EXPECT_EQ(1, views[1].index);
    SkinRenderOptions options;
    options.viewIndex = 1;
    EXPECT_EQ(10, Render(text, options).width);
    options.viewId = L"BIG";
    EXPECT_EQ(30, Render(text, options).width);
    options.viewId = L"none";
    EXPECT_FALSE(Render(text, options).viewFound);
}

TEST_F(SkinRender, MissingAndBrokenImagesAreMarkedAndListed)
{
    SkinPicture picture = RenderView(L"",
                                     L"<BUTTON width=\"20\" height=\"20\" image=\"gone.bmp\"/>"
                                     L"<BUTTON left=\"30\" image=\"junk.bmp\"/>"
                                     L"<BUTTON left=\"20\" top=\"25\" image=\"..\\red.bmp\"/>"
                                     L"<SLIDER top=\"30\" backgroundImage=\"C:\\x.bmp\"/>"
                                     L"<BUTTON left=\"30\" top=\"30\" image=\"wide.bmp\"/>");
    const struct {
        SkinProblemKind kind;
        const wchar_t* name;
    } expected[] = {{SkinProblemMissingFile, L"gone.bmp"},
                    {SkinProblemUnreadableImage, L"junk.bmp"},
                    {SkinProblemBadFileName, L"..\\red.bmp"},
                    {SkinProblemBadFileName, L"C:\\x.bmp"},
                    {SkinProblemImageTooLarge, L"wide.bmp"}};
    ASSERT_EQ(5u, picture.problems.size());
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(expected[i].kind, picture.problems[i].kind);
        EXPECT_EQ(expected[i].name, picture.problems[i].name);
    }
    // A red cross in a pale box; without a size the box is 24 pixels square.
    EXPECT_EQ(kRed, PixelAt(picture, 0, 19));
    EXPECT_EQ(kRed, PixelAt(picture, 10, 10));
    EXPECT_EQ(0xFFF4F4F4, PixelAt(picture, 10, 3));
    EXPECT_EQ(54, picture.elements[2].box.right);
    EXPECT_FALSE(picture.definitionHasErrors);
    EXPECT_TRUE(Render(L"<THEME><VIEW width=\"4\" height=\"4\"><BUTTON></VIEW></THEME>").definitionHasErrors);
}

TEST_F(SkinRender, TextIsDrawnInItsColoursWithinItsBox)
{
    auto dark = [](uint32_t pixel) { return (pixel & 0xFF) < 0x40 && (pixel >> 24) == 0xFF; };
    SkinPicture picture = RenderView(L"",
                                     L"<TEXT top=\"2\" value=\"WWWW\" fontSize=\"12\" fontStyle=\"bold\"/>"
                                     L"<TEXT top=\"20\" width=\"20\" value=\"WWWWWWWWWWWWWWWWWWWWWWW\" "
                                     L"foregroundColor=\"#0000FF\"/>");
    const SkinRect first = picture.elements[1].box, second = picture.elements[2].box;
    EXPECT_GT(first.Width(), 20);   // as wide as its string, one line high
    EXPECT_GT(first.Height(), 10);
    EXPECT_GT(CountPixels(picture, picture.elements[1].visible, dark), 20);
    EXPECT_EQ(0, CountPixels(picture, {0, 0, 40, first.top}, dark));
    auto blue = [](uint32_t pixel) { return (pixel & 0xFF) > 0xC0 && (pixel >> 16 & 0xFF) < 0x80; };
    EXPECT_GT(CountPixels(picture, second, blue), 5);
    EXPECT_EQ(0, CountPixels(picture, {20, second.top, 40, second.bottom}, blue));   // cut, never past its box
    // A value the player does not answer is shown as the name it is bound to, in braces.
    SkinPicture bound =
        RenderView(L"", L"<TEXT value=\"wmpprop:eq.gainLevel1\"/><TEXT top=\"20\" value=\"{gainLevel1}\"/>");
    EXPECT_EQ(bound.elements[1].box.Width(), bound.elements[2].box.Width());
}

TEST_F(SkinRender, HostileDefinitionsStayWithinTheirBounds)
{
    std::wstring nested = L"<THEME><VIEW width=\"50\" height=\"50\">";
    for (int i = 0; i < 5000; ++i) nested += L"<SUBVIEW width=\"50\" height=\"50\" backgroundColor=\"red\">";
    std::wstring many = L"<THEME><VIEW width=\"2000\" height=\"2000\">";
    for (int i = 0; i < 20000; ++i)
        many += L"<BUTTON width=\"2000\" height=\"2000\" tiled=\"true\" image=\"red.bmp\"/>";
    const struct {
        std::wstring text;
        int width, height;
        SkinProblemKind problem;
    } cases[] = {
        {L"<THEME><VIEW width=\"999999999999\" height=\"100000\"/></THEME>", 16384, 4096, SkinProblemViewTooLarge},
        {nested, 50, 50, SkinProblemNestedTooDeep},
        {many + L"</VIEW></THEME>", 2000, 2000, SkinProblemTooManyElements},
        {L"<THEME><VIEW width=\"20\" height=\"20\"><BUTTON left=\"-1000000\" top=\"-999999\" width=\"2000000\" "
         L"height=\"2000000\" image=\"gone.bmp\"/></VIEW></THEME>",
         20, 20, SkinProblemMissingFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 80).c_str());
        const DWORD start = GetTickCount();
        SkinPicture picture = Render(c.text);
        EXPECT_LT(GetTickCount() - start, 20000u);
        EXPECT_EQ(c.width, picture.width);
        EXPECT_EQ(c.height, picture.height);
        ASSERT_FALSE(picture.problems.empty());
        EXPECT_EQ(c.problem, picture.problems[0].kind);
    }
}

// Each flood a hostile definition can hold, small: a count just past a limit, or a budget
// lowered; each stops within the time bound and says which limit it met.
TEST_F(SkinRender, FloodsStopAtTheirLimitsAndSaySo)
{
    files_->Put(L"big.bmp", Solid(512, 512, 0x0000FF));
    files_->Put(L"big2.bmp", Solid(512, 512, 0x00FF00));
    std::wstring spellings = L"<THEME><VIEW width=\"40\" height=\"40\">", attributes = L"<THEME><VIEW height=\"9\"";
    std::wstring unclosed = L"<THEME><VIEW width=\"9\" height=\"9\">", reach = L"<THEME><VIEW>";
    std::wstring fonts = L"<THEME><VIEW width=\"40\" height=\"40\">";
    for (size_t i = 0; i <= kSkinMostFonts; ++i) fonts += L"<TEXT fontFace=\"F" + std::to_wstring(i) + L"\" value=\"x\"/>";
    for (int i = 0; i < 60; ++i) {
        std::wstring dots;
        for (int d = 0; d < i; ++d) dots += d % 2 ? L"./" : L".\\";
        spellings += L"<BUTTON image=\"" + dots + (i % 2 ? L"BIG.BMP" : L"big.bmp") + L"\"/>";
    }
    // Repeats past the first 32 names are found by a hash: the last one still wins.
    for (int i = 0; i < 40000; ++i)
        attributes += L" a" + std::to_wstring(i) + (i == 100 ? L"=\"\" width=\"1\" width=\"40\"" : L"=\"\"");
    for (int i = 0; i < 100000; ++i) unclosed += L"<SUBVIEW>";
    for (int i = 0; i < 6000; ++i) reach += L"<BUTTON image=\"m" + std::to_wstring(i) + L".bmp\"/>";
    const size_t budget = 40 * 40 * 4 + (3u << 19);   // the view and one large image
    const struct {
        std::wstring text;
        size_t budget;
        int width;
        std::vector<SkinProblemKind> problems;
    } cases[] = {
        {spellings + L"</VIEW></THEME>", budget, 40, {}},
        {spellings + L"<BUTTON left=\"20\" image=\"big2.bmp\"/></VIEW></THEME>", budget, 40, {SkinProblemTooManyImages}},
        {attributes + L"/></THEME>", kSkinRenderBytes, 40, {SkinProblemTooManyAttributes}},
        {unclosed, kSkinRenderBytes, 9, {SkinProblemNestedTooDeep}},
        {reach + L"</VIEW></THEME>", kSkinRenderBytes, 24,
         {SkinProblemMissingFile, SkinProblemTooManyImages, SkinProblemTooManyElements}},
        {fonts + L"</VIEW></THEME>", kSkinRenderBytes, 40, {SkinProblemTooManyFonts}},
        {L"<THEME><VIEW/>" + std::wstring(kSkinLongestDefinition, L' '), kSkinRenderBytes, 0,
         {SkinProblemDefinitionTooLarge}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60).c_str());
        SkinRenderOptions options;
        options.memoryBudget = c.budget;
        const size_t decodes = cache_.DecodeCount(), finds = files_->finds;
        const DWORD start = GetTickCount();
        SkinPicture picture = Render(c.text, options);
        EXPECT_LT(GetTickCount() - start, 2000u);
        EXPECT_EQ(c.width, picture.width);
        EXPECT_LE(cache_.DecodeCount() - decodes, 2u) << "each image once, however it is spelt";
        EXPECT_LE(files_->finds - finds, kSkinMostImages + 1);
        std::vector<SkinProblemKind> kinds;
        for (const SkinProblem& problem : picture.problems)
            if (std::find(kinds.begin(), kinds.end(), problem.kind) == kinds.end()) kinds.push_back(problem.kind);
        EXPECT_EQ(c.problems, kinds);
    }
    EXPECT_EQ(kBlue, PixelAt(Render(cases[0].text), 5, 5));
    EXPECT_TRUE(ListSkinViews(cases[6].text).empty());
    EXPECT_FALSE(Render(cases[6].text).viewFound);
}

TEST_F(SkinRender, ACancelledRenderStopsAtOnce)
{
    std::atomic<bool> cancel(true);
    SkinRenderOptions options;
    options.cancel = &cancel;
    SkinPicture picture =
        Render(L"<THEME><VIEW width=\"9\" height=\"9\"><BUTTON image=\"red.bmp\"/><TEXT value=\"x\"/></VIEW></THEME>", options);
    EXPECT_TRUE(picture.cancelled);
    EXPECT_EQ(1u, picture.elements.size()) << "the view alone";
    EXPECT_FALSE(Render(L"<THEME><VIEW width=\"9\" height=\"9\"/></THEME>").cancelled);
}

TEST_F(SkinRender, FontsAndFailedImagesAreHeldWithinTheirLimits)
{
    TextPainter painter;
    for (int i = 0; i < 300; ++i) {
        TextLook look;
        look.face = L"Face " + std::to_wstring(i);
        look.points = 8 + i % 7;
        EXPECT_GT(painter.LineHeight(look), 0);
    }
    EXPECT_EQ(kSkinMostFonts + 1, painter.FontsHeld()) << "and the default look's";
    EXPECT_TRUE(painter.TooManyFonts());
    EXPECT_FALSE(painter.ResourcesShort());

    SkinImageCache cache(8 << 10);
    SkinImageStatus status;
    for (int i = 0; i < 100; ++i) {
        files_->Put(L"junk" + std::to_wstring(i) + L".bmp", "x");
        cache.Load(*files_, L"junk" + std::to_wstring(i) + L".bmp", &status);
        EXPECT_EQ(SkinImageUnreadable, status);
    }
    EXPECT_LT(cache.EntryCount(), 40u) << "failures are let go of too";
    const size_t decodes = cache.DecodeCount();
    cache.Load(*files_, L"junk99.bmp", &status);
    EXPECT_EQ(decodes, cache.DecodeCount()) << "the latest stays";
}

TEST_F(SkinRender, ImagesAreDecodedOnceUntilTheyChange)
{
    const std::wstring text = L"<THEME><VIEW backgroundImage=\"red.bmp\"><BUTTON image=\"blue.bmp\"/></VIEW></THEME>";
    Render(text);
    const size_t decoded = cache_.DecodeCount();
    Render(text + L" ");
    EXPECT_EQ(decoded, cache_.DecodeCount());
    files_->Put(L"BLUE.bmp", Solid(10, 10, 0x00FF00));
    EXPECT_EQ(kGreen, PixelAt(Render(text), 5, 5));
    EXPECT_EQ(decoded + 1, cache_.DecodeCount());
    files_->Put(L"blue.bmp", Solid(10, 10, 0x0000FF));
}

TEST_F(SkinRender, PngKeepsThePictureWithItsAlpha)
{
    SkinPicture picture = RenderView(L"clippingImage=\"clip.bmp\"", L"<BUTTON left=\"10\" image=\"half.png\"/>");
    const std::wstring path = TempPath(L"qlm-picture.png");
    ASSERT_TRUE(WriteSkinPng(picture.pixels.data(), picture.width, picture.height, path));
    SkinImageDecoder decoder;
    SkinImage image;
    ASSERT_EQ(SkinImageReady, decoder.Decode(FileBytes(path), &image));
    EXPECT_EQ(40, image.width);
    EXPECT_EQ(kClear, image.At(5, 5) >> 24);
    EXPECT_EQ(0xFFFF7F7F, image.At(15, 5));
    EXPECT_FALSE(WriteSkinPng(picture.pixels.data(), picture.width, picture.height, TempPath(L"no\\such\\dir.png")));
}

TEST_F(SkinRender, TestSkinsRenderWithoutProblems)
{
    const std::wstring skins = std::wstring(_wgetenv(L"QLM_TEST_DATA")) + L"\\skins\\";
    const struct {
        const wchar_t* folder;
        const wchar_t* file;
        const wchar_t* view;
        int width, height;
        Point inside;
    } cases[] = {
        {L"classic", L"classic.wms", L"mainView", 320, 120, {0, 0, kClear}},
        {L"lowercase", L"nightshift.wms", L"big", 400, 300, {0, 0, kClear}},
        {L"lowercase", L"nightshift.wms", L"small", 200, 24, {0, 0, kClear}},
        {L"mixed", L"aurora.wms", L"main", 260, 350, {0, 0, kClear}},
        {L"nowplaying", L"nowplaying.wms", L"panel", 300, 110, {0, 0, kClear}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.file << L" " << c.view);
        std::string bytes;
        ASSERT_TRUE(ReadWholeFile((skins + c.folder + L"\\" + c.file).c_str(), &bytes));
        ReadPlan plan = PlanRead(EncodingOfFirstBytes(bytes.substr(0, 3)), ReadByMark);
        const std::wstring text =
            DecodeDocumentBytes(bytes.substr(plan.markLength), plan.encoding, WindowTextUnicode, CP_ACP, false)
                .text.wide;
        SkinFolderSource folder(skins + c.folder);
        SkinRenderOptions options;
        options.viewId = c.view;
        SkinPicture picture;
        RenderSkinView(text, folder, cache_, options, &picture);
        ASSERT_TRUE(picture.viewFound);
        EXPECT_EQ(c.width, picture.width);
        EXPECT_EQ(c.height, picture.height);
        for (const SkinProblem& problem : picture.problems) ADD_FAILURE() << problem.kind << L" " << problem.name;
        EXPECT_FALSE(picture.definitionHasErrors);
        EXPECT_EQ(c.inside.argb, PixelAt(picture, c.inside.x, c.inside.y));
        EXPECT_EQ(0xFF, PixelAt(picture, c.width / 2, c.height / 2) >> 24);
    }
}

TEST(SkinFolderSource, ReadsFilesOfTheSkinAndNothingElse)
{
    SkinFolderSource folder(std::wstring(_wgetenv(L"QLM_TEST_DATA")) + L"\\skins\\lowercase");
    const struct { const wchar_t* name; uint64_t most; bool read; } cases[] = {
        {L"images/BACK.bmp", 1 << 20, true}, {L".\\images\\\\back.BMP", 1 << 20, true},
        {L"images/back.bmp", 100, false},    {L"images", 1 << 20, false},
        {L"CON", 1 << 20, false},            {L"images/gone.bmp", 1 << 20, false},
    };
    for (const auto& c : cases) {
        std::wstring normal;
        SkinFileFacts facts;
        std::string bytes;
        ASSERT_TRUE(NormaliseSkinFileName(c.name, &normal)) << c.name;
        EXPECT_EQ(c.read, folder.Find(normal, &facts) && folder.Read(normal, c.most, &bytes)) << c.name;
    }
    for (const wchar_t* outside : {L"..\\classic\\back.bmp", L"images/../../x.bmp", L"C:\\x.bmp", L"\\x.bmp",
                                   L"//server/share/x.bmp", L"http://host/x.bmp", L"", L"./"}) {
        std::wstring normal;
        EXPECT_FALSE(NormaliseSkinFileName(outside, &normal)) << outside;
    }
}
