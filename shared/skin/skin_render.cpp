// Draws one VIEW of a skin definition as the player shows it with a sample song, before any script
// runs, without a window.
#include "skin_render.h"

#include "skin_painter.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <new>

namespace {

struct Preset {
    const wchar_t* tag;
    const wchar_t* name;
    std::wstring value;
};

// What the predefined elements set before the author's attributes.
const Preset kPredefined[] = {
    {L"currentpositiontext", L"value", L"wmpprop:player.controls.currentPositionString"},
    {L"durationtext", L"value", L"wmpprop:player.currentMedia.durationString"},
    {L"statustext", L"value", L"wmpprop:player.status"},
    {L"tracknametext", L"value", L"wmpprop:player.currentMedia.name"},
    {L"seekslider", L"max", L"wmpprop:player.currentMedia.duration"},
    {L"seekslider", L"value", L"wmpprop:player.controls.currentPosition"},
    {L"volumeslider", L"min", L"0"},
    {L"volumeslider", L"max", L"100"},
    {L"volumeslider", L"value", L"wmpprop:player.settings.volume"},
    {L"balanceslider", L"min", L"-100"},
    {L"balanceslider", L"max", L"100"},
    {L"balanceslider", L"value", L"wmpprop:player.settings.balance"},
    {L"mutebutton", L"sticky", L"true"},
    {L"repeatbutton", L"sticky", L"true"},
    {L"shufflebutton", L"sticky", L"true"},
    {L"wmpvideo", L"backgroundcolor", L"black"},
    {L"wmpeffects", L"width", L"250"},
    {L"wmpeffects", L"height", L"200"},
    {L"playelement", L"enabled", L"wmpenabled:player.controls.play"},
    {L"pauseelement", L"enabled", L"wmpenabled:player.controls.pause"},
    {L"stopelement", L"enabled", L"wmpenabled:player.controls.stop"},
    {L"prevelement", L"enabled", L"wmpenabled:player.controls.previous"},
    {L"nextelement", L"enabled", L"wmpenabled:player.controls.next"},
    {L"rewelement", L"enabled", L"wmpenabled:player.controls.fastReverse"},
    {L"ffwdelement", L"enabled", L"wmpenabled:player.controls.fastForward"},
    {L"playbutton", L"enabled", L"wmpenabled:player.controls.play"},
    {L"pausebutton", L"enabled", L"wmpenabled:player.controls.pause"},
    {L"stopbutton", L"enabled", L"wmpenabled:player.controls.stop"},
    {L"prevbutton", L"enabled", L"wmpenabled:player.controls.previous"},
    {L"nextbutton", L"enabled", L"wmpenabled:player.controls.next"},
    {L"rewbutton", L"enabled", L"wmpenabled:player.controls.fastReverse"},
    {L"ffwdbutton", L"enabled", L"wmpenabled:player.controls.fastForward"},
    {L"mutebutton", L"down", L"wmpprop:player.settings.mute"},
    {L"repeatbutton", L"down", L"wmpprop:player.settings.getMode('loop')"},
    {L"shufflebutton", L"down", L"wmpprop:player.settings.getMode('shuffle')"},
};

SkinProblemKind ProblemOf(SkinImageStatus status)
{
    switch (status) {
    case SkinImageMissing: return SkinProblemMissingFile;
    case SkinImageBadName: return SkinProblemBadFileName;
    case SkinImageTooLarge: return SkinProblemImageTooLarge;
    case SkinImageOverBudget: return SkinProblemTooManyImages;
    case SkinImageOutOfMemory: return SkinProblemOutOfMemory;
    default: return SkinProblemUnreadableImage;
    }
}

bool IsWindowed(const SkinNode& node, bool windowless, bool windowed)
{
    if (node.Is(SkinPlaylist)) return true;
    if (node.Is(SkinVideo)) return !windowless;
    return node.Is(SkinEffects) && windowed;
}

void Clear(SkinPicture* picture)
{
    picture->viewFound = picture->definitionHasErrors = picture->cancelled = false;
    picture->width = picture->height = 0;
    picture->pixels.clear();
    picture->elements.clear();
    picture->problems.clear();
}

// Whatever was half drawn goes when memory runs out: the program carries on without a picture.
void DropPicture(SkinPicture* picture)
{
    std::vector<uint32_t>().swap(picture->pixels);
    std::vector<SkinDrawnElement>().swap(picture->elements);
    picture->width = picture->height = 0;
    picture->problems.push_back({SkinProblemOutOfMemory, L"", SkinTagPlace()});
}

int ChosenView(const SkinDocument& document, const SkinRenderOptions& options)
{
    std::vector<int> views = FindSkinViews(document);
    for (size_t i = 0; i < views.size(); ++i) {
        const std::wstring* id = document.nodes[static_cast<size_t>(views[i])].Find(L"id");
        if (options.viewId.empty() ? static_cast<int>(i) == options.viewIndex
                                   : id && _wcsicmp(id->c_str(), options.viewId.c_str()) == 0)
            return views[i];
    }
    return -1;
}

void RenderDocument(const SkinDocument& document, SkinFileSource& files, SkinImageCache& cache,
                    const SkinRenderOptions& options, SkinPicture* picture)
{
    picture->definitionHasErrors = document.hasErrors;
    const int chosen = ChosenView(document, options);
    if (chosen < 0) return;
    picture->viewFound = true;
    const SkinNode& view = document.nodes[static_cast<size_t>(chosen)];
    if (document.tooManyElements) picture->problems.push_back({SkinProblemTooManyElements, L"", view.place});
    if (document.nestedTooDeep) picture->problems.push_back({SkinProblemNestedTooDeep, L"", view.place});
    if (document.tooManyAttributes) picture->problems.push_back({SkinProblemTooManyAttributes, L"", view.place});
    ViewPainter(document, files, cache, options, picture).Paint(chosen);
}

}  // namespace

std::vector<SkinViewEntry> ListSkinViews(const std::wstring& text)
{
    std::vector<SkinViewEntry> views;
    if (text.size() > kSkinLongestDefinition) return views;
    SkinDocument document = ReadSkinDocument(text);
    for (int index : FindSkinViews(document)) {
        const SkinNode& view = document.nodes[static_cast<size_t>(index)];
        const std::wstring* id = view.Find(L"id");
        const std::wstring* title = view.Find(L"title");
        views.push_back({static_cast<int>(views.size()), id ? *id : L"", title ? *title : L"", view.place});
    }
    return views;
}

void RenderSkinView(const std::wstring& text, SkinFileSource& files, SkinImageCache& cache,
                    const SkinRenderOptions& options, SkinPicture* picture)
{
    Clear(picture);
    if (text.size() > kSkinLongestDefinition) {
        picture->problems.push_back({SkinProblemDefinitionTooLarge, L"", SkinTagPlace()});
        return;
    }
    try {
        RenderDocument(ReadSkinDocument(text), files, cache, options, picture);
    } catch (const std::bad_alloc&) {
        DropPicture(picture);
    }
    cache.EndDecoding();
}

void RenderSkinView(const SkinDocument& document, SkinFileSource& files, SkinImageCache& cache,
                    const SkinRenderOptions& options, SkinPicture* picture)
{
    Clear(picture);
    try {
        RenderDocument(document, files, cache, options, picture);
    } catch (const std::bad_alloc&) {
        DropPicture(picture);
    }
    cache.EndDecoding();
}

void ViewPainter::Paint(int view)
{
    const SkinNode& node = document_.nodes[static_cast<size_t>(view)];
    view_ = view;
    text_.reset(new TextPainter());
    SkinRect box = MeasureView(node);
    if (!AllocateCanvas(node, box.right, box.bottom)) return;
    box = viewBox_ = canvas_.Bounds();
    Record(node, box, box);
    DrawContainer(node, box, Placement{box, box, 255, 0});
    // Windowed controls are child windows: over everything else, in the order they were made.
    std::vector<std::pair<int, Placement>> windowed;
    windowed.swap(windowed_);
    std::stable_sort(
        windowed.begin(), windowed.end(),
        [](const std::pair<int, Placement>& a, const std::pair<int, Placement>& b) { return a.first < b.first; });
    for (const auto& control : windowed) DrawChild(control.first, control.second, false);
    if (!Cancelled()) FinishView(node);
    if (text_->ResourcesShort()) AddLimit(SkinProblemNoResources, node);
    if (text_->TooManyFonts()) AddLimit(SkinProblemTooManyFonts, node);
}

// Once: expressions ask for it.
SkinRect ViewPainter::MeasureView(const SkinNode& view)
{
    if (viewState_ == ViewUnmeasured) {
        viewState_ = ViewMeasuring;
        viewBox_ = ViewBox(view);
        viewState_ = ViewMeasured;
    }
    return viewBox_;
}

// Without width or height a view takes its background image's, or else what its children reach
// (as many as could be drawn).
SkinRect ViewPainter::ViewBox(const SkinNode& view)
{
    long width = 0, height = 0;
    bool hasWidth = Integer(view, L"width", &width), hasHeight = Integer(view, L"height", &height);
    bool failed = false;
    const SkinImage* background = Image(view, L"backgroundimage", &failed);
    if (background) {
        if (!hasWidth) width = background->width;
        if (!hasHeight) height = background->height;
    } else if (!hasWidth || !hasHeight) {
        SkinRect reach;
        size_t measured = 0;
        for (int child : view.children) {
            const SkinNode& node = document_.nodes[static_cast<size_t>(child)];
            if (!node.info || !FlagOr(node, L"visible", true)) continue;
            if (++measured > kSkinMostDrawn || Cancelled()) break;
            const SkinRect box = BoxOf(node, SkinRect());
            reach.right = std::max(reach.right, box.right);
            reach.bottom = std::max(reach.bottom, box.bottom);
        }
        if (!hasWidth) width = failed ? std::max<long>(reach.right, kPlaceholderSize) : reach.right;
        if (!hasHeight) height = failed ? std::max<long>(reach.bottom, kPlaceholderSize) : reach.bottom;
    }
    return {0, 0, static_cast<int>(std::max(width, 0L)), static_cast<int>(std::max(height, 0L))};
}

// Cut to the limits and to what the budget has left after the images that sized it.
bool ViewPainter::AllocateCanvas(const SkinNode& view, int width, int height)
{
    const uint64_t most = std::min<uint64_t>(kSkinMostPixels, (options_.memoryBudget - spent_) / 4);
    if (width > kSkinWidest || height > kSkinWidest || static_cast<uint64_t>(width) * height > most) {
        AddLimit(SkinProblemViewTooLarge, view);
        width = std::min(width, kSkinWidest);
        height = static_cast<int>(std::min<uint64_t>(std::min(height, kSkinWidest), most / std::max(width, 1)));
    }
    const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
    try {
        picture_.pixels.assign(bytes / 4, 0);
    } catch (const std::bad_alloc&) {
        AddLimit(SkinProblemOutOfMemory, view);
        return false;
    }
    spent_ += bytes;
    picture_.width = canvas_.width = width;
    picture_.height = canvas_.height = height;
    canvas_.pixels = picture_.pixels.data();
    return true;
}

// The background stands at zIndex 0: children below 0 go behind it, the rest in front,
// ties in document order.
void ViewPainter::DrawContainer(const SkinNode& node, const SkinRect& box, const Placement& at)
{
    std::vector<std::pair<long, int>> order;
    for (int child : node.children)
        order.emplace_back(IntegerOr(document_.nodes[static_cast<size_t>(child)], L"zindex", 0), child);
    std::stable_sort(order.begin(), order.end(),
                     [](const std::pair<long, int>& a, const std::pair<long, int>& b) { return a.first < b.first; });
    Placement inner = at;
    inner.parent = box;
    inner.clip = Intersect(at.clip, box);
    bool backgroundDrawn = false;
    for (const auto& child : order) {
        if (!backgroundDrawn && child.first >= 0) {
            DrawBackground(node, box, inner);
            backgroundDrawn = true;
        }
        DrawChild(child.second, inner, true);
    }
    if (!backgroundDrawn) DrawBackground(node, box, inner);
}

void ViewPainter::DrawBackground(const SkinNode& node, const SkinRect& box, const Placement& at)
{
    SkinColour colour = Colour(node, L"backgroundcolor");
    if (colour.kind != SkinColourRgb && colour.kind != SkinColourNone && node.Is(SkinView))
        colour = {SkinColourRgb, 0xFFFFFF};
    bool failed = false;
    ImageDraw draw = BackgroundDraw(node, box, &failed);
    // The colour shows only where the image does not cover the box.
    const bool covered =
        draw.image && draw.image->opaque && !draw.keyed && at.opacity == 255 &&
        (draw.tiled || draw.scaleWidth > 0 || (draw.image->width >= box.Width() && draw.image->height >= box.Height()));
    if (colour.kind == SkinColourRgb && !covered) FillArea(&canvas_, at.clip, colour.rgb, at.opacity);
    if (failed) DrawMissingImage(&canvas_, box, at.clip);
    draw.area = at.clip;
    draw.opacity = at.opacity;
    DrawImage(&canvas_, draw);
}

ImageDraw ViewPainter::BackgroundDraw(const SkinNode& node, const SkinRect& box, bool* failed)
{
    ImageDraw draw;
    draw.image = Image(node, L"backgroundimage", failed);
    draw.x = box.left;
    draw.y = box.top;
    draw.tiled = FlagOr(node, L"backgroundtiled", false);
    if (FlagOr(node, L"resizebackgroundimage", false) && !box.Empty()) {
        draw.scaleWidth = box.Width();
        draw.scaleHeight = box.Height();
    }
    draw.keyed = Keyed(node, draw.image, &draw.key);
    FitPlayerImage(box, &draw);
    return draw;
}

void ViewPainter::DrawChild(int index, const Placement& at, bool deferWindowed)
{
    const SkinNode& node = document_.nodes[static_cast<size_t>(index)];
    if (!node.info || !FlagOr(node, L"visible", true)) return;
    switch (node.info->kind) {
    case SkinSubview:
    case SkinButton:
    case SkinButtonGroup:
    case SkinText:
    case SkinSlider:
    case SkinCustomSlider:
    case SkinVideo:
    case SkinEffects:
    case SkinPlaylist: break;
    default: return;
    }
    if (deferWindowed && IsWindowed(node, FlagOr(node, L"windowless", false), FlagOr(node, L"windowed", false))) {
        windowed_.emplace_back(index, at);
        return;
    }
    if (node.Is(SkinSubview) && at.depth >= kSkinDeepestSubview) return AddLimit(SkinProblemNestedTooDeep, node);
    if (!Allowed(node)) return;
    const SkinRect box = BoxOf(node, at.parent);
    Record(node, box, at.clip);
    Placement inner = at;
    inner.opacity = Opacity(node, at.opacity);
    const SkinRect region = Intersect(Intersect(box, at.clip), canvas_.Bounds());
    Shape shape;
    std::vector<uint32_t> saved;
    const size_t savedBytes = static_cast<size_t>(region.Width()) * static_cast<size_t>(region.Height()) * 4;
    bool shaped = !region.Empty() && FindShape(node, box, &shape) && Spend(savedBytes);
    try {
        for (int y = region.top; shaped && y < region.bottom; ++y)
            saved.insert(saved.end(), canvas_.Row(y) + region.left, canvas_.Row(y) + region.right);
    } catch (const std::bad_alloc&) {
        Refund(savedBytes);
        shaped = false;
    }
    DrawByKind(node, box, inner);
    if (!shaped) return;
    CutShape(shape, region, &saved);
    Refund(savedBytes);
}

bool ViewPainter::Allowed(const SkinNode& node)
{
    if (Cancelled()) return false;
    if (drawn_ >= kSkinMostDrawn) {
        AddLimit(SkinProblemTooManyElements, node);
        return false;
    }
    if (canvas_.work >= kSkinMostWork) {
        AddLimit(SkinProblemTooMuchDrawing, node);
        return false;
    }
    ++drawn_;
    return true;
}

bool ViewPainter::Cancelled()
{
    if (!picture_.cancelled && options_.cancel && options_.cancel->load(std::memory_order_relaxed))
        picture_.cancelled = true;
    return picture_.cancelled;
}

bool ViewPainter::Spend(size_t bytes)
{
    if (bytes > options_.memoryBudget - spent_) return false;
    spent_ += bytes;
    return true;
}

SkinRect ViewPainter::BoxOf(const SkinNode& node, const SkinRect& parent)
{
    switch (node.info->kind) {
    case SkinButton: return ButtonBox(node, parent);
    case SkinButtonGroup: return ButtonGroupBox(node, parent);
    case SkinText: return TextBox(node, parent);
    case SkinSlider: return SliderBox(node, parent);
    case SkinCustomSlider: return CustomSliderBox(node, parent);
    case SkinSubview: {
        const SkinImage* background = Image(node, L"backgroundimage");
        return Box(node, parent, background ? background->width : 0, background ? background->height : 0);
    }
    default: return Box(node, parent, 0, 0);
    }
}

void ViewPainter::DrawByKind(const SkinNode& node, const SkinRect& box, const Placement& at)
{
    switch (node.info->kind) {
    case SkinSubview: {
        Placement inner = at;
        ++inner.depth;
        return DrawContainer(node, box, inner);
    }
    case SkinButton: return DrawButton(node, box, at);
    case SkinButtonGroup: return DrawButtonGroup(node, box, at);
    case SkinText: return DrawText(node, box, at);
    case SkinSlider: return DrawSlider(node, box, at);
    case SkinCustomSlider: return DrawCustomSlider(node, box, at);
    default: return DrawWindowed(node, box, at);
    }
}

// A clipping image cuts any element; a VIEW or SUBVIEW is also cut by a clipping colour in
// its background image. Without a colour the key is the clipping image's pixel 0,0.
bool ViewPainter::FindShape(const SkinNode& node, const SkinRect& box, Shape* shape)
{
    shape->image = ImageDraw();
    shape->image.image = Image(node, L"clippingimage");
    shape->image.x = box.left;
    shape->image.y = box.top;
    bool container = node.Is(SkinView) || node.Is(SkinSubview);
    if (!shape->image.image && container && Value(node, L"clippingcolor")) shape->image = BackgroundDraw(node, box);
    if (!shape->image.image) return false;
    shape->image.keyed = false;
    SkinColour colour = Colour(node, L"clippingcolor");
    if (colour.kind == SkinColourNone) return false;
    shape->key = colour.kind == SkinColourRgb ? colour.rgb : shape->image.image->At(0, 0) & 0xFFFFFFu;
    return true;
}

// Cut pixels get back what was under them, or nothing when saved is null.
void ViewPainter::CutShape(const Shape& shape, const SkinRect& region, const std::vector<uint32_t>* saved)
{
    size_t i = 0;
    for (int y = region.top; y < region.bottom; ++y) {
        uint32_t* row = canvas_.Row(y);
        for (int x = region.left; x < region.right; ++x, ++i) {
            uint32_t pixel;
            if (SourcePixel(shape.image, x, y, &pixel) && (pixel & 0xFFFFFFu) == shape.key)
                row[x] = saved ? (*saved)[i] : 0;
        }
    }
    canvas_.work += static_cast<uint64_t>(region.Width()) * static_cast<uint64_t>(region.Height());
}

// The window's shape, then its fading: what is cut is fully transparent.
void ViewPainter::FinishView(const SkinNode& view)
{
    const SkinRect all = canvas_.Bounds();
    Shape shape;
    if (FindShape(view, all, &shape)) CutShape(shape, all, nullptr);
    // On a VIEW the transparent colour of the background shows the desktop.
    Shape transparent;
    transparent.image = BackgroundDraw(view, all);
    if (transparent.image.image && transparent.image.keyed) {
        transparent.key = transparent.image.key;
        transparent.image.keyed = false;
        CutShape(transparent, all, nullptr);
    }
    uint32_t opacity = Opacity(view, 255);
    if (opacity < 255)
        for (uint32_t& pixel : picture_.pixels) {
            uint32_t faded = 0;
            for (int shift = 0; shift < 32; shift += 8) faded |= Div255((pixel >> shift & 0xFF) * opacity) << shift;
            pixel = faded;
        }
}

void ViewPainter::Record(const SkinNode& node, const SkinRect& box, const SkinRect& clip)
{
    SkinDrawnElement element;
    element.kind = node.info->kind;
    element.tag = node.tag;
    element.id = Id(node);
    element.place = node.place;
    element.box = box;
    element.visible = Intersect(box, clip);
    picture_.elements.push_back(std::move(element));
}

const std::wstring* ViewPainter::Value(const SkinNode& node, const wchar_t* name) const
{
    if (const std::wstring* value = node.Find(name)) return value;
    for (const Preset& preset : kPredefined)
        if (preset.name[0] == name[0] && wcscmp(preset.name, name) == 0 && _wcsicmp(node.tag.c_str(), preset.tag) == 0)
            return &preset.value;
    return nullptr;
}

bool ViewPainter::Integer(const SkinNode& node, const wchar_t* name, long* number)
{
    const std::wstring* value = Value(node, name);
    if (!value) return false;
    if (ParseSkinInteger(*value, number)) return true;
    std::wstring answer;
    return IsBoundValue(*value) && Answer(node, name, *value, &answer) && ParseSkinInteger(answer, number);
}

long ViewPainter::IntegerOr(const SkinNode& node, const wchar_t* name, long fallback)
{
    long number = fallback;
    return Integer(node, name, &number) ? number : fallback;
}

bool ViewPainter::FlagOr(const SkinNode& node, const wchar_t* name, bool fallback)
{
    const std::wstring* value = Value(node, name);
    bool flag = fallback;
    if (!value) return fallback;
    if (ParseSkinBoolean(*value, &flag)) return flag;
    std::wstring answer;
    return IsBoundValue(*value) && Answer(node, name, *value, &answer) && ParseSkinBoolean(answer, &flag) ? flag
                                                                                                          : fallback;
}

SkinColour ViewPainter::Colour(const SkinNode& node, const wchar_t* name) const
{
    const std::wstring* value = Value(node, name);
    return value ? ParseSkinColour(*value) : SkinColour();
}

std::wstring ViewPainter::Id(const SkinNode& node) const
{
    const std::wstring* id = node.Find(L"id");
    return id ? *id : std::wstring();
}

uint32_t ViewPainter::Opacity(const SkinNode& node, uint32_t outer)
{
    long alpha = std::max(0L, std::min(IntegerOr(node, L"alphablend", 255), 255L));
    return Div255(outer * static_cast<uint32_t>(alpha));
}

// left and top from the parent's left and top; right and bottom, when the size is known,
// from its right and bottom. left wins over right, top over bottom.
SkinRect ViewPainter::Box(const SkinNode& node, const SkinRect& parent, int width, int height)
{
    long w = width, h = height, left = 0, top = 0, right = 0, bottom = 0;
    bool hasWidth = Integer(node, L"width", &w), hasHeight = Integer(node, L"height", &h);
    w = std::max(w, 0L);
    h = std::max(h, 0L);
    if (sizeOnly_) return {0, 0, static_cast<int>(w), static_cast<int>(h)};
    long x = parent.left, y = parent.top;
    if (Integer(node, L"left", &left))
        x += left;
    else if (hasWidth && Integer(node, L"right", &right) && right >= 0)
        x = parent.right - right - w;
    if (Integer(node, L"top", &top))
        y += top;
    else if (hasHeight && Integer(node, L"bottom", &bottom) && bottom >= 0)
        y = parent.bottom - bottom - h;
    return {static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + w), static_cast<int>(y + h)};
}

const SkinImage* ViewPainter::Image(const SkinNode& node, const wchar_t* name, bool* failed)
{
    const std::wstring* value = Value(node, name);
    if (!value || value->empty() || IsBoundValue(*value)) return nullptr;
    if (int side = PlayerImageSide(*value)) return Cover(side);
    std::wstring key;
    if (!SkinFileKey(*value, &key)) key = std::wstring(1, L'\0') + *value;   // no file's name holds a NUL
    auto found = images_.find(key);
    if (found == images_.end()) {
        if (Cancelled()) return nullptr;
        if (images_.size() >= kSkinMostImages) {
            AddLimit(SkinProblemTooManyImages, node);
            if (failed) *failed = true;
            return nullptr;
        }
        SkinImageStatus status;
        std::shared_ptr<const SkinImage> image = cache_.Load(files_, *value, &status, options_.memoryBudget - spent_);
        if (image) spent_ += image->pixels.size() * 4;
        found = images_.emplace(key, std::make_pair(status, image)).first;
    }
    const SkinImageStatus status = found->second.first;
    if (status == SkinImageReady) return found->second.second.get();
    if (status == SkinImageOverBudget)
        AddLimit(SkinProblemTooManyImages, node);
    else
        AddProblem(ProblemOf(status), *value, node);
    if (failed) *failed = true;
    return nullptr;
}

const SkinImage* ViewPainter::FirstImage(const SkinNode& node, std::initializer_list<const wchar_t*> names)
{
    for (const wchar_t* name : names)
        if (const SkinImage* image = Image(node, name)) return image;
    return nullptr;
}

bool ViewPainter::Keyed(const SkinNode& node, const SkinImage* image, uint32_t* key) const
{
    SkinColour colour = Colour(node, L"transparencycolor");
    if (colour.kind == SkinColourRgb)
        *key = colour.rgb;
    else if (colour.kind == SkinColourAuto && image)
        *key = image->At(0, 0) & 0xFFFFFFu;
    else
        return false;
    return true;
}

void ViewPainter::AddProblem(SkinProblemKind kind, const std::wstring& name, const SkinNode& node)
{
    if (picture_.problems.size() >= kSkinMostProblems || !reported_.emplace(node.place.offset, name).second) return;
    picture_.problems.push_back({kind, name, node.place});
}

void ViewPainter::AddLimit(SkinProblemKind kind, const SkinNode& node)
{
    if (limits_.insert(kind).second) picture_.problems.push_back({kind, L"", node.place});
}
