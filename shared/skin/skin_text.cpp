// Text on a view, laid out by GDI in a memory DC and laid on the picture by its coverage.
#include "skin_text.h"

#include "skin_limits.h"

#include <strsafe.h>

#include <algorithm>
#include <cstring>

namespace {

// Skin sizes are pixels of a screen of 96 dots per inch, where the player's points were drawn.
const int kScreenDpi = 96;
const int kLargestPoints = 400;

std::wstring FontKey(const TextLook& look, int points)
{
    return look.face + L'|' + std::to_wstring(points) + (look.bold ? L"b" : L"") + (look.italic ? L"i" : L"") +
           (look.underline ? L"u" : L"") + (look.strikeout ? L"s" : L"");
}

}  // namespace

TextPainter::TextPainter() : dc_(CreateCompatibleDC(nullptr)), short_(!dc_) {}

TextPainter::~TextPainter()
{
    if (dc_) {
        if (firstBitmap_) SelectObject(dc_, firstBitmap_);
        DeleteDC(dc_);
    }
    if (surface_) DeleteObject(surface_);
    for (auto& font : fonts_) DeleteObject(font.second.handle);
}

const TextPainter::Font& TextPainter::FontFor(const TextLook& look)
{
    const int points = std::max(1, std::min(look.points, kLargestPoints));
    const std::wstring key = FontKey(look, points);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    if (fonts_.size() >= kSkinMostFonts) {
        tooMany_ = true;
        TextLook fallback;
        fallback.face = kDefaultFace;
        const std::wstring fallbackKey = FontKey(fallback, fallback.points);
        found = fonts_.find(fallbackKey);
        if (found != fonts_.end()) return found->second;
        return fonts_.emplace(fallbackKey, MakeFont(fallback, fallback.points)).first->second;
    }
    return fonts_.emplace(key, MakeFont(look, points)).first->second;
}

TextPainter::Font TextPainter::MakeFont(const TextLook& look, int points)
{
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(points, kScreenDpi, 72);
    font.lfWeight = look.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = look.italic;
    font.lfUnderline = look.underline;
    font.lfStrikeOut = look.strikeout;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = ANTIALIASED_QUALITY;
    // A face that is not installed falls back to the system's own, as in the player.
    StringCchCopyW(font.lfFaceName, _countof(font.lfFaceName), look.face.c_str());
    Font made = {CreateFontIndirectW(&font), 0};
    if (!made.handle) {
        short_ = true;
        made.handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    if (dc_) {
        HGDIOBJ old = SelectObject(dc_, made.handle);
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc_, &metrics);
        made.lineHeight = metrics.tmHeight;
        SelectObject(dc_, old);
    }
    return made;
}

int TextPainter::LineHeight(const TextLook& look) { return FontFor(look).lineHeight; }

int TextPainter::Width(const std::wstring& text, const TextLook& look)
{
    if (!dc_ || text.empty()) return 0;
    HGDIOBJ old = SelectObject(dc_, FontFor(look).handle);
    RECT rect = {0, 0, 0, 0};
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc_, old);
    return rect.right - rect.left;
}

int TextPainter::TextHeight(const std::wstring& text, const TextLook& look, int width)
{
    if (!look.wordWrap) return LineHeight(look);
    HGDIOBJ old = SelectObject(dc_, FontFor(look).handle);
    RECT rect = {0, 0, width, 0};
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc_, old);
    return rect.bottom - rect.top;
}

bool TextPainter::Surface(int width, int height)
{
    if (width <= surfaceWidth_ && height <= surfaceHeight_) return true;
    BITMAPINFO info = TopDownPixelsInfo(std::max(width, surfaceWidth_), std::max(height, surfaceHeight_));
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        short_ = true;
        return false;
    }
    HGDIOBJ old = SelectObject(dc_, bitmap);
    if (!firstBitmap_) firstBitmap_ = old;
    if (surface_) DeleteObject(surface_);
    surface_ = bitmap;
    bits_ = static_cast<uint32_t*>(bits);
    surfaceWidth_ = info.bmiHeader.biWidth;
    surfaceHeight_ = -info.bmiHeader.biHeight;
    return true;
}

void TextPainter::Draw(SkinCanvas* canvas, const SkinRect& box, const SkinRect& clip, const std::wstring& text,
                       const TextLook& look, uint32_t rgb, uint32_t opacity)
{
    if (!dc_ || text.empty() || opacity == 0) return;
    // Text stands at the top of its box: the rows below its lines need no surface.
    const SkinRect lines = {box.left, box.top, box.right, box.top + TextHeight(text, look, box.Width())};
    const SkinRect visible = Intersect(Intersect(Intersect(lines, box), clip), canvas->Bounds());
    if (visible.Empty() || !Surface(visible.Width(), visible.Height())) return;
    const size_t stride = static_cast<size_t>(surfaceWidth_);
    for (int y = 0; y < visible.Height(); ++y)
        std::memset(bits_ + y * stride, 0, static_cast<size_t>(visible.Width()) * 4);
    HGDIOBJ oldFont = SelectObject(dc_, FontFor(look).handle);
    SetTextColor(dc_, RGB(255, 255, 255));
    SetBkMode(dc_, TRANSPARENT);
    // Only the visible part is drawn: the surface's edges clip what lies beyond it.
    HRGN region = CreateRectRgn(0, 0, visible.Width(), visible.Height());
    SelectClipRgn(dc_, region);
    RECT rect = {box.left - visible.left, box.top - visible.top, box.right - visible.left, box.bottom - visible.top};
    UINT format = DT_NOPREFIX | (look.wordWrap ? DT_WORDBREAK : DT_SINGLELINE | DT_END_ELLIPSIS) |
                  (look.justification == TextCenter  ? DT_CENTER
                   : look.justification == TextRight ? DT_RIGHT
                                                     : DT_LEFT);
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rect, format);
    GdiFlush();
    SelectClipRgn(dc_, nullptr);
    DeleteObject(region);
    SelectObject(dc_, oldFont);
    // White on black: any channel is the glyph's coverage of the pixel.
    for (int y = visible.top; y < visible.bottom; ++y) {
        const uint32_t* coverage = bits_ + static_cast<size_t>(y - visible.top) * stride;
        uint32_t* row = canvas->Row(y);
        for (int x = visible.left; x < visible.right; ++x, ++coverage) {
            uint32_t covered = std::max({*coverage >> 16 & 0xFF, *coverage >> 8 & 0xFF, *coverage & 0xFF});
            if (covered) BlendOnto(&row[x], rgb, Div255(covered * opacity));
        }
    }
    canvas->work += static_cast<uint64_t>(visible.Width()) * static_cast<uint64_t>(visible.Height());
}
