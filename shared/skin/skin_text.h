// Text on a view, laid out by GDI in a memory DC and laid on the picture by its coverage.
#pragma once
#include "skin_canvas.h"

#include <windows.h>

#include <string>
#include <unordered_map>

enum TextJustification { TextLeft, TextCenter, TextRight };

// The face of texts that name none, of those past the fonts a render may make, and of the
// placeholders' labels.
const wchar_t* const kDefaultFace = L"Tahoma";

struct TextLook {
    std::wstring face;
    int points = 10;
    bool bold = false, italic = false, underline = false, strikeout = false;
    TextJustification justification = TextLeft;
    bool wordWrap = false;
};

class TextPainter {
public:
    TextPainter();
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    // The height of one line and the width of the text on one line, in pixels.
    int LineHeight(const TextLook& look);
    int Width(const std::wstring& text, const TextLook& look);
    // Too wide a line ends with an ellipsis; wrapped lines break between words.
    void Draw(SkinCanvas* canvas, const SkinRect& box, const SkinRect& clip, const std::wstring& text,
              const TextLook& look, uint32_t rgb, uint32_t opacity);
    // Windows had no GDI object to give (a font, the DC or its surface): some text is missing.
    bool ResourcesShort() const { return short_; }
    // Texts of more looks than kSkinMostFonts were asked for: some took the default look.
    bool TooManyFonts() const { return tooMany_; }
    size_t FontsHeld() const { return fonts_.size(); }

private:
    struct Font {
        HFONT handle;
        int lineHeight;
    };
    const Font& FontFor(const TextLook& look);
    Font MakeFont(const TextLook& look, int points);
    int TextHeight(const std::wstring& text, const TextLook& look, int width);
    bool Surface(int width, int height);

    HDC dc_;
    // At most kSkinMostFonts, and the default look besides.
    std::unordered_map<std::wstring, Font> fonts_;
    bool short_ = false;
    bool tooMany_ = false;
    // One white-on-black drawing surface for every text, grown when a text needs more.
    HBITMAP surface_ = nullptr;
    HGDIOBJ firstBitmap_ = nullptr;
    uint32_t* bits_ = nullptr;
    int surfaceWidth_ = 0;
    int surfaceHeight_ = 0;
};
