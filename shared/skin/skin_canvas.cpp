// The picture a view is drawn into, and the few ways anything is put on it.
#include "skin_canvas.h"

#include <algorithm>
#include <vector>

namespace {

const uint32_t kCrossRed = 0xFF0000;
const uint32_t kCrossGround = 0xF4F4F4;

int Wrap(long long offset, int size)
{
    long long wrapped = offset % size;
    return static_cast<int>(wrapped < 0 ? wrapped + size : wrapped);
}

// The image column or row of a view column or row; -1 where the image is not.
int SourceIndex(const ImageDraw& draw, int view, bool across)
{
    const bool whole = draw.source.Empty();
    const int start = whole ? 0 : across ? draw.source.left : draw.source.top;
    const int size = whole ? (across ? draw.image->width : draw.image->height)
                           : (across ? draw.source.Width() : draw.source.Height());
    const long long offset = static_cast<long long>(view) - (across ? draw.x : draw.y);
    const int scaled = across ? draw.scaleWidth : draw.scaleHeight;
    if (draw.scaleWidth > 0 && draw.scaleHeight > 0)
        return offset < 0 || offset >= scaled ? -1 : start + static_cast<int>(offset * size / scaled);
    if (draw.tiled) return start + Wrap(offset, size);
    return offset < 0 || offset >= size ? -1 : start + static_cast<int>(offset);
}

void Plot(SkinCanvas* canvas, const SkinRect& clip, int x, int y, uint32_t rgb)
{
    if (clip.Contains(x, y)) canvas->Row(y)[x] = rgb | 0xFF000000u;
}

}  // namespace

SkinRect Intersect(const SkinRect& a, const SkinRect& b)
{
    SkinRect both{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                  std::min(a.bottom, b.bottom)};
    return both.Empty() ? SkinRect() : both;
}

bool SourcePixel(const ImageDraw& draw, int px, int py, uint32_t* pixel)
{
    int sx = SourceIndex(draw, px, true), sy = SourceIndex(draw, py, false);
    if (sx < 0 || sy < 0) return false;
    *pixel = draw.image->At(sx, sy);
    return !(draw.keyed && (*pixel & 0xFFFFFFu) == draw.key);
}

void DrawImage(SkinCanvas* canvas, const ImageDraw& asked)
{
    if (!asked.image || asked.image->width <= 0 || asked.image->height <= 0 || asked.opacity == 0) return;
    ImageDraw draw = asked;
    if (!draw.source.Empty()) {
        draw.source = Intersect(draw.source, {0, 0, draw.image->width, draw.image->height});
        if (draw.source.Empty()) return;
    }
    const SkinRect area = Intersect(draw.area, canvas->Bounds());
    if (area.Empty()) return;
    std::vector<int> columns(static_cast<size_t>(area.Width()));
    for (int px = area.left; px < area.right; ++px)
        columns[static_cast<size_t>(px - area.left)] = SourceIndex(draw, px, true);
    canvas->work += static_cast<uint64_t>(area.Width()) * static_cast<uint64_t>(area.Height());
    // Opaque art without a key colour covers what is below: no blending.
    const bool copy = draw.image->opaque && !draw.keyed && draw.opacity == 255;
    for (int py = area.top; py < area.bottom; ++py) {
        const int sy = SourceIndex(draw, py, false);
        if (sy < 0) continue;
        const uint32_t* source = &draw.image->pixels[static_cast<size_t>(sy) * static_cast<size_t>(draw.image->width)];
        uint32_t* row = canvas->Row(py);
        if (copy) {
            for (int px = area.left; px < area.right; ++px) {
                const int sx = columns[static_cast<size_t>(px - area.left)];
                if (sx >= 0) row[px] = source[sx];
            }
            continue;
        }
        for (int px = area.left; px < area.right; ++px) {
            const int sx = columns[static_cast<size_t>(px - area.left)];
            if (sx < 0) continue;
            const uint32_t pixel = source[sx];
            if (draw.keyed && (pixel & 0xFFFFFFu) == draw.key) continue;
            const uint32_t alpha = draw.opacity == 255 ? pixel >> 24 : Div255((pixel >> 24) * draw.opacity);
            BlendOnto(&row[px], pixel & 0xFFFFFFu, alpha);
        }
    }
}

void FillArea(SkinCanvas* canvas, const SkinRect& area, uint32_t rgb, uint32_t opacity)
{
    const SkinRect clipped = Intersect(area, canvas->Bounds());
    if (clipped.Empty()) return;
    canvas->work += static_cast<uint64_t>(clipped.Width()) * static_cast<uint64_t>(clipped.Height());
    for (int py = clipped.top; py < clipped.bottom; ++py) {
        uint32_t* row = canvas->Row(py);
        for (int px = clipped.left; px < clipped.right; ++px) BlendOnto(&row[px], rgb, opacity);
    }
}

void DrawFrame(SkinCanvas* canvas, const SkinRect& box, const SkinRect& clip, uint32_t rgb, uint32_t opacity)
{
    const SkinRect edges[] = {{box.left, box.top, box.right, box.top + 1},
                              {box.left, box.bottom - 1, box.right, box.bottom},
                              {box.left, box.top + 1, box.left + 1, box.bottom - 1},
                              {box.right - 1, box.top + 1, box.right, box.bottom - 1}};
    for (const SkinRect& edge : edges) FillArea(canvas, Intersect(edge, clip), rgb, opacity);
}

void DrawMissingImage(SkinCanvas* canvas, const SkinRect& box, const SkinRect& clip)
{
    const SkinRect visible = Intersect(Intersect(box, clip), canvas->Bounds());
    if (visible.Empty()) return;
    FillArea(canvas, visible, kCrossGround, 255);
    DrawFrame(canvas, box, visible, kCrossRed, 255);
    // Walked along the longer side, and only where it is in sight: a huge box costs no more than a small one.
    const long long width = box.Width(), height = box.Height();
    if (width >= height) {
        for (int x = visible.left; x < visible.right; ++x) {
            int step = static_cast<int>(width > 1 ? (x - box.left) * (height - 1) / (width - 1) : 0);
            Plot(canvas, visible, x, box.top + step, kCrossRed);
            Plot(canvas, visible, x, box.bottom - 1 - step, kCrossRed);
        }
        return;
    }
    for (int y = visible.top; y < visible.bottom; ++y) {
        int step = static_cast<int>((y - box.top) * (width - 1) / (height - 1));
        Plot(canvas, visible, box.left + step, y, kCrossRed);
        Plot(canvas, visible, box.right - 1 - step, y, kCrossRed);
    }
}
