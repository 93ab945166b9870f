// Sliders and custom sliders of a rendered view, at the value they start with.
#include "skin_painter.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace {

const uint32_t kForegroundDefault = 0xFFFFFF;

struct Travel {
    bool horizontal;
    int length;   // along the slider
    int border;
    int position;   // of the thumb's centre, from the minimum's end
};

// A strip of frames the size of the position image, along its longer run.
struct Frames {
    int width, height, count;
    bool across;
};

Frames FramesOf(const SkinImage& image, const SkinImage* position)
{
    int side = std::min(image.width, image.height);
    Frames frames{position ? position->width : side, position ? position->height : side, 1, true};
    frames.width = std::max(1, std::min(frames.width, image.width));
    frames.height = std::max(1, std::min(frames.height, image.height));
    int across = image.width / frames.width, down = image.height / frames.height;
    frames.across = across >= down;
    frames.count = std::max(1, frames.across ? across : down);
    return frames;
}

// The thumb's centre marks the value, from borderSize pixels in at the minimum's end (the left,
// or the bottom of a vertical slider) to borderSize pixels in at the other.
Travel TravelOf(bool horizontal, const SkinRect& box, long border, double fraction)
{
    Travel travel{horizontal, horizontal ? box.Width() : box.Height(), 0, 0};
    travel.border = static_cast<int>(std::max(0L, std::min(border, travel.length / 2L)));
    travel.position = travel.border + static_cast<int>(std::lround(fraction * (travel.length - 2 * travel.border)));
    return travel;
}

// Centred across the slider; at either end half of it is cut off by the slider's box.
// The slider's transparent colour keys the thumb too: skins hide a thumb by painting it in it.
void DrawThumb(SkinCanvas* canvas, ImageDraw knob, const SkinRect& box, const Travel& travel)
{
    const SkinImage* thumb = knob.image;
    knob.x =
        travel.horizontal ? box.left + travel.position - thumb->width / 2 : box.left + (box.Width() - thumb->width) / 2;
    knob.y = travel.horizontal ? box.top + (box.Height() - thumb->height) / 2
                               : box.bottom - travel.position - thumb->height / 2;
    DrawImage(canvas, knob);
}

// Images run along the slider; when tiled, borderSize pixels at each end are kept as end caps
// and the middle repeats. shift moves the whole strip along the slider (the sliding foreground).
void DrawStrip(SkinCanvas* canvas, ImageDraw draw, const SkinRect& box, const Travel& travel, bool tiled, int shift)
{
    const int imageLength = travel.horizontal ? draw.image->width : draw.image->height;
    const int cap = std::min(travel.border, imageLength / 2);
    const int dx = travel.horizontal ? shift : 0, dy = travel.horizontal ? 0 : -shift;
    if (!tiled || cap == 0) {
        draw.x = box.left + dx;
        draw.y = box.top + dy;
        draw.tiled = tiled;
        return DrawImage(canvas, draw);
    }
    const SkinRect area = draw.area;
    // source start, source length, place along the box, length along the box
    const int parts[3][4] = {{0, cap, 0, cap},
                             {cap, imageLength - 2 * cap, cap, travel.length - 2 * cap},
                             {imageLength - cap, cap, travel.length - cap, cap}};
    for (const auto& part : parts) {
        if (part[1] <= 0 || part[3] <= 0) continue;
        SkinRect dest = travel.horizontal
                            ? SkinRect{box.left + part[2], box.top, box.left + part[2] + part[3], box.bottom}
                            : SkinRect{box.left, box.top + part[2], box.right, box.top + part[2] + part[3]};
        dest = {dest.left + dx, dest.top + dy, dest.right + dx, dest.bottom + dy};
        draw.source = travel.horizontal ? SkinRect{part[0], 0, part[0] + part[1], draw.image->height}
                                        : SkinRect{0, part[0], draw.image->width, part[0] + part[1]};
        draw.x = dest.left;
        draw.y = dest.top;
        draw.tiled = true;
        draw.area = Intersect(area, dest);
        DrawImage(canvas, draw);
    }
}

}  // namespace

SkinRect ViewPainter::SliderBox(const SkinNode& node, const SkinRect& parent)
{
    bool failed = false;
    const SkinImage* image = Image(node, L"backgroundimage", &failed);
    if (!image) image = Image(node, L"foregroundimage");
    int size = failed ? kPlaceholderSize : 0;
    return Box(node, parent, image ? image->width : size, image ? image->height : size);
}

// Background, the foreground up to the thumb, the thumb: images when there are any, colours else.
void ViewPainter::DrawSlider(const SkinNode& node, const SkinRect& box, const Placement& at)
{
    const std::wstring* direction = Value(node, L"direction");
    const Travel travel = TravelOf(!direction || _wcsicmp(direction->c_str(), L"vertical") != 0, box,
                                   IntegerOr(node, L"bordersize", 0), Fraction(node));
    const bool enabled = FlagOr(node, L"enabled", true), tiled = FlagOr(node, L"tiled", true);
    bool failed = false;
    const SkinImage* background =
        enabled ? Image(node, L"backgroundimage", &failed) : FirstImage(node, {L"disabledimage", L"backgroundimage"});
    const SkinImage* foreground = enabled ? Image(node, L"foregroundimage") : nullptr;
    const SkinRect area = Intersect(box, at.clip);
    const SkinRect reached = travel.horizontal
                                 ? SkinRect{box.left, box.top, box.left + travel.position, box.bottom}
                                 : SkinRect{box.left, box.bottom - travel.position, box.right, box.bottom};
    if (failed) DrawMissingImage(&canvas_, box, at.clip);
    if (!background && !foreground && !failed) {
        SkinColour back = Colour(node, L"backgroundcolor"), fore = Colour(node, L"foregroundcolor");
        if (back.kind == SkinColourRgb) FillArea(&canvas_, area, back.rgb, at.opacity);
        if (fore.kind != SkinColourNone && enabled)
            FillArea(&canvas_, Intersect(area, reached), fore.kind == SkinColourRgb ? fore.rgb : kForegroundDefault,
                     at.opacity);
    }
    ImageDraw draw;
    draw.opacity = at.opacity;
    if (background) {
        draw.image = background;
        draw.area = area;
        draw.keyed = Keyed(node, background, &draw.key);
        DrawStrip(&canvas_, draw, box, travel, tiled, 0);
    }
    if (foreground && travel.position > 0) {
        draw.image = foreground;
        draw.area = Intersect(area, reached);
        draw.keyed = Keyed(node, foreground, &draw.key);
        DrawStrip(&canvas_, draw, box, travel, tiled,
                  FlagOr(node, L"slide", true) ? travel.position - travel.length : 0);
    }
    draw = ImageDraw();
    draw.image = FirstImage(node, {enabled ? L"thumbimage" : L"thumbdisabledimage", L"thumbimage"});
    draw.area = area;
    draw.opacity = at.opacity;
    draw.keyed = Keyed(node, draw.image, &draw.key);
    if (draw.image) DrawThumb(&canvas_, draw, box, travel);
}

// Where min, max and value put a slider, from 0 at the minimum to 1 at the maximum; a bound
// or missing value starts at the minimum.
double ViewPainter::Fraction(const SkinNode& node)
{
    const long low = IntegerOr(node, L"min", 0), high = IntegerOr(node, L"max", 100);
    const long value = std::max(low, std::min(IntegerOr(node, L"value", low), std::max(low, high)));
    return high > low ? static_cast<double>(value - low) / static_cast<double>(high - low) : 0.0;
}

SkinRect ViewPainter::CustomSliderBox(const SkinNode& node, const SkinRect& parent)
{
    bool failed = false;
    const SkinImage* image = Image(node, L"image", &failed);
    const SkinImage* position = Image(node, L"positionimage");
    int width = failed ? kPlaceholderSize : 0, height = width;
    if (position) {
        width = position->width;
        height = position->height;
    } else if (image) {
        width = height = std::min(image->width, image->height);
    }
    return Box(node, parent, width, height);
}

// The value picks one frame of the strip, in even steps from the first to the last.
void ViewPainter::DrawCustomSlider(const SkinNode& node, const SkinRect& box, const Placement& at)
{
    bool failed = false;
    const SkinImage* image = Image(node, L"image", &failed);
    if (!image) {
        if (failed) DrawMissingImage(&canvas_, box, at.clip);
        return;
    }
    const Frames frames = FramesOf(*image, Image(node, L"positionimage"));
    const int frame = static_cast<int>(std::lround(Fraction(node) * (frames.count - 1)));
    ImageDraw draw;
    draw.image = image;
    draw.source = frames.across ? SkinRect{frame * frames.width, 0, (frame + 1) * frames.width, frames.height}
                                : SkinRect{0, frame * frames.height, frames.width, (frame + 1) * frames.height};
    draw.x = box.left;
    draw.y = box.top;
    draw.area = Intersect(box, at.clip);
    draw.keyed = Keyed(node, image, &draw.key);
    draw.opacity = at.opacity;
    DrawImage(&canvas_, draw);
}
