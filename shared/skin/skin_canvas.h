// The picture a view is drawn into, and the few ways anything is put on it.
#pragma once
#include "skin_image.h"
#include "skin_geometry.h"

#include <cstdint>

struct SkinCanvas {
    int width = 0;
    int height = 0;
    uint32_t* pixels = nullptr;   // premultiplied 0xAARRGGBB
    uint64_t work = 0;            // pixels touched so far, to bound the time a render takes

    SkinRect Bounds() const { return {0, 0, width, height}; }
    uint32_t* Row(int y) const { return pixels + static_cast<size_t>(y) * static_cast<size_t>(width); }
};

SkinRect Intersect(const SkinRect& a, const SkinRect& b);

inline uint32_t Div255(uint32_t x) { return (x + 128 + ((x + 128) >> 8)) >> 8; }

// A straight colour of this alpha over a premultiplied pixel.
inline void BlendOnto(uint32_t* pixel, uint32_t argb, uint32_t alpha)
{
    if (alpha == 255) {
        *pixel = argb | 0xFF000000u;
        return;
    }
    if (alpha == 0) return;
    uint32_t below = *pixel, rest = 255 - alpha, out = (alpha + Div255((below >> 24) * rest)) << 24;
    for (int shift = 0; shift < 24; shift += 8)
        out |= (Div255((argb >> shift & 0xFF) * alpha) + Div255((below >> shift & 0xFF) * rest)) << shift;
    *pixel = out;
}

// How an image is put on the canvas: its pixel 0,0 lands at x,y; only area is drawn.
struct ImageDraw {
    const SkinImage* image = nullptr;
    int x = 0;
    int y = 0;
    SkinRect area;
    SkinRect source;      // the part of the image drawn; empty for all of it
    bool tiled = false;   // repeated in both directions from x,y
    int scaleWidth = 0;   // when both are set, stretched to this size
    int scaleHeight = 0;
    bool keyed = false;   // pixels of key (0xRRGGBB) are not drawn
    uint32_t key = 0;
    uint32_t opacity = 255;
};

// Whether an image pixel is drawn where it stands; the source pixel of view pixel px,py.
bool SourcePixel(const ImageDraw& draw, int px, int py, uint32_t* pixel);

void DrawImage(SkinCanvas* canvas, const ImageDraw& draw);
void FillArea(SkinCanvas* canvas, const SkinRect& area, uint32_t rgb, uint32_t opacity);
// A one-pixel frame just inside box.
void DrawFrame(SkinCanvas* canvas, const SkinRect& box, const SkinRect& clip, uint32_t rgb, uint32_t opacity);
// A box with a red cross: an image that could not be drawn.
void DrawMissingImage(SkinCanvas* canvas, const SkinRect& box, const SkinRect& clip);
