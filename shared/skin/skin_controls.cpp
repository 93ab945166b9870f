// Buttons, button groups, texts and the windowed controls' placeholders of a rendered view.
#include "skin_limits.h"
#include "skin_painter.h"

#include <algorithm>
#include <cwchar>

namespace {

const uint32_t kWindowColour = 0xFFFFFF;
const uint32_t kVisualisationColour = 0x000000;
const int kLabelPoints = 8;

struct Member {
    uint32_t colour;
    const SkinImage* image;
    bool keyed;
    uint32_t key;
    size_t button;   // in the drawn element's buttons
};

// The button whose mapping colour a map pixel has; the first in document order wins a tie.
const Member* MemberOf(const std::vector<Member>& members, uint32_t colour)
{
    auto found = std::lower_bound(members.begin(), members.end(), colour,
                                  [](const Member& member, uint32_t value) { return member.colour < value; });
    return found != members.end() && found->colour == colour ? &*found : nullptr;
}

// Each map pixel of a button takes that button's state image, any other the background (if
// any); owners notes each visible pixel's button.
void PaintGroup(SkinCanvas* canvas, const SkinImage& map, const std::vector<Member>& members, const Member& background,
                const SkinRect& box, const SkinRect& region, uint32_t opacity, std::vector<uint16_t>* owners)
{
    size_t i = 0;
    for (int y = region.top; y < region.bottom; ++y) {
        uint32_t* row = canvas->Row(y);
        const int my = y - box.top;
        for (int x = region.left; x < region.right; ++x, ++i) {
            const int mx = x - box.left;
            const Member* member =
                mx < map.width && my < map.height ? MemberOf(members, map.At(mx, my) & 0xFFFFFFu) : nullptr;
            if (member) (*owners)[i] = static_cast<uint16_t>(std::min<size_t>(member->button + 1, 0xFFFF));
            const Member& shown = member ? *member : background;
            if (!shown.image || mx >= shown.image->width || my >= shown.image->height) continue;
            const uint32_t pixel = shown.image->At(mx, my);
            if (shown.keyed && (pixel & 0xFFFFFFu) == shown.key) continue;
            BlendOnto(&row[x], pixel & 0xFFFFFFu, Div255((pixel >> 24) * opacity));
        }
    }
}

bool IsDark(uint32_t rgb) { return (rgb >> 16 & 0xFF) * 3 + (rgb >> 8 & 0xFF) * 6 + (rgb & 0xFF) < 1280; }

// The bounds of every button from the owner of each visible pixel (0: none).
void FindBounds(const std::vector<uint16_t>& owners, const SkinRect& region, std::vector<SkinButtonArea>* buttons)
{
    std::vector<SkinRect> bounds(buttons->size(), SkinRect{region.right, region.bottom, region.left, region.top});
    size_t i = 0;
    for (int y = region.top; y < region.bottom; ++y)
        for (int x = region.left; x < region.right; ++x, ++i) {
            if (!owners[i]) continue;
            SkinRect& b = bounds[owners[i] - 1u];
            b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x + 1), std::max(b.bottom, y + 1)};
        }
    for (size_t button = 0; button < buttons->size(); ++button)
        if (!bounds[button].Empty()) (*buttons)[button].bounds = bounds[button];
}

// A bound value shown by the last name of what it is bound to: {currentPositionString}.
std::wstring BoundPlaceholder(const std::wstring& value)
{
    size_t start = value.find(L':');
    std::wstring path = start == std::wstring::npos ? value : value.substr(start + 1);
    path = path.substr(0, path.find(L'('));
    size_t last = path.find_last_of(L"./");
    std::wstring name = last == std::wstring::npos ? path : path.substr(last + 1);
    return L"{" + (name.empty() ? path : name) + L"}";
}

bool HasWord(const std::wstring& words, const wchar_t* word)
{
    size_t length = wcslen(word);
    for (size_t at = 0; at + length <= words.size(); ++at)
        if (_wcsnicmp(words.c_str() + at, word, length) == 0 && (at == 0 || words[at - 1] == L' ') &&
            (at + length == words.size() || words[at + length] == L' '))
            return true;
    return false;
}

void ApplyStyle(const std::wstring& style, TextLook* look)
{
    // Normal overrides every other word.
    bool normal = HasWord(style, L"normal");
    look->bold = !normal && HasWord(style, L"bold");
    look->italic = !normal && HasWord(style, L"italic");
    look->underline = !normal && HasWord(style, L"underline");
    look->strikeout = !normal && HasWord(style, L"strikeout");
}

}  // namespace

SkinRect ViewPainter::ButtonBox(const SkinNode& node, const SkinRect& parent)
{
    bool failed = false;
    const SkinImage* image = Image(node, L"image", &failed);
    int size = failed ? kPlaceholderSize : 0;
    return Box(node, parent, image ? image->width : size, image ? image->height : size);
}

// A button down is shown only when it stays down; a disabled one takes no hover look.
const SkinImage* ViewPainter::StateImage(const SkinNode& images, const SkinNode& button)
{
    const bool down = FlagOr(button, L"down", false) && FlagOr(button, L"sticky", false), hovered = Hovered(button);
    if (!FlagOr(button, L"enabled", true)) return FirstImage(images, {L"disabledimage", L"image"});
    if (hovered && down) return FirstImage(images, {L"hoverdownimage", L"downimage", L"image"});
    if (hovered) return FirstImage(images, {L"hoverimage", L"image"});
    if (down) return FirstImage(images, {L"downimage", L"image"});
    return Image(images, L"image");
}

void ViewPainter::DrawButton(const SkinNode& node, const SkinRect& box, const Placement& at)
{
    bool failed = false;
    Image(node, L"image", &failed);
    const SkinImage* shown = StateImage(node, node);
    if (!shown) {
        if (failed) DrawMissingImage(&canvas_, box, at.clip);
        return;
    }
    ImageDraw draw;
    draw.image = shown;
    draw.x = box.left;
    draw.y = box.top;
    draw.area = Intersect(box, at.clip);
    draw.tiled = FlagOr(node, L"tiled", false);
    draw.keyed = Keyed(node, shown, &draw.key);
    FitPlayerImage(box, &draw);
    draw.opacity = at.opacity;
    DrawImage(&canvas_, draw);
}

SkinRect ViewPainter::ButtonGroupBox(const SkinNode& node, const SkinRect& parent)
{
    bool failed = false;
    const SkinImage* map = Image(node, L"mappingimage", &failed);
    const SkinImage* image = Image(node, L"image");
    const SkinImage* sized = image ? image : map;
    int size = failed ? kPlaceholderSize : 0;
    return Box(node, parent, sized ? sized->width : size, sized ? sized->height : size);
}

// Each button shows its state image inside its mapped area; the rest of the group shows its
// image only with showBackground, and otherwise what lies behind.
void ViewPainter::DrawButtonGroup(const SkinNode& node, const SkinRect& box, const Placement& at)
{
    bool failed = false;
    const SkinImage* map = Image(node, L"mappingimage", &failed);
    if (!map) {
        if (failed) DrawMissingImage(&canvas_, box, at.clip);
        return;
    }
    std::vector<SkinButtonArea>& buttons = picture_.elements.back().buttons;
    std::vector<Member> members;
    for (int child : node.children) {
        const SkinNode& element = document_.nodes[static_cast<size_t>(child)];
        if (!element.Is(SkinButtonElement)) continue;
        buttons.push_back({element.tag, Id(element), element.place, SkinRect()});
        SkinColour colour = Colour(element, L"mappingcolor");
        if (colour.kind != SkinColourRgb) continue;   // an invalid colour leaves the button inactive
        const SkinImage* image = StateImage(node, element);
        Member member{colour.rgb, image, false, 0, buttons.size() - 1};
        member.keyed = Keyed(node, image, &member.key);
        members.push_back(member);
    }
    std::stable_sort(members.begin(), members.end(),
                     [](const Member& a, const Member& b) { return a.colour < b.colour; });
    Member background{0, FlagOr(node, L"showbackground", false) ? Image(node, L"image") : nullptr, false, 0, 0};
    background.keyed = Keyed(node, background.image, &background.key);

    const SkinRect region = Intersect(Intersect(box, at.clip), canvas_.Bounds());
    const size_t pixels = static_cast<size_t>(region.Width()) * static_cast<size_t>(region.Height());
    if (!Spend(pixels * sizeof(uint16_t))) return AddLimit(SkinProblemTooMuchDrawing, node);
    std::vector<uint16_t>& owners = picture_.elements.back().buttonMap;
    owners.assign(pixels, 0);
    PaintGroup(&canvas_, *map, members, background, box, region, at.opacity, &owners);
    canvas_.work += owners.size();
    FindBounds(owners, region, &buttons);
}

std::wstring ViewPainter::TextValue(const SkinNode& node)
{
    const std::wstring* value = Value(node, L"value");
    if (!value) return std::wstring();
    std::wstring answer;
    if (IsBoundValue(*value) && !Answer(node, L"value", *value, &answer)) return BoundPlaceholder(*value);
    const std::wstring& text = IsBoundValue(*value) ? answer : *value;
    return text.size() > kSkinLongestText ? text.substr(0, kSkinLongestText) : text;
}

// fontType is what some skins write for fontFace; the player takes it.
TextLook ViewPainter::LookOf(const SkinNode& node)
{
    TextLook look;
    const std::wstring* face = Value(node, L"fontface");
    if (!face || face->empty() || IsBoundValue(*face)) face = Value(node, L"fonttype");
    look.face = face && !face->empty() && !IsBoundValue(*face) ? *face : kDefaultFace;
    look.points = static_cast<int>(IntegerOr(node, L"fontsize", 10));
    const wchar_t* styleName = L"fontstyle";
    if (!FlagOr(node, L"enabled", true) && Value(node, L"disabledfontstyle"))
        styleName = L"disabledfontstyle";
    else if (Hovered(node) && Value(node, L"hoverfontstyle"))
        styleName = L"hoverfontstyle";
    if (const std::wstring* style = Value(node, styleName)) ApplyStyle(*style, &look);
    if (const std::wstring* justification = Value(node, L"justification")) {
        if (_wcsicmp(justification->c_str(), L"center") == 0)
            look.justification = TextCenter;
        else if (_wcsicmp(justification->c_str(), L"right") == 0)
            look.justification = TextRight;
    }
    look.wordWrap = FlagOr(node, L"wordwrap", false);
    return look;
}

// Laid out once a render: the view's size and the element's box both ask for it.
int ViewPainter::TextWidth(const SkinNode& node)
{
    auto found = textWidths_.find(node.place.offset);
    if (found != textWidths_.end()) return found->second;
    const int width = text_->Width(TextValue(node), LookOf(node));
    textWidths_.emplace(node.place.offset, width);
    return width;
}

// Without width a text is as wide as its string, without height one line high.
SkinRect ViewPainter::TextBox(const SkinNode& node, const SkinRect& parent)
{
    long size = 0;
    const TextLook look = LookOf(node);
    const int width = Integer(node, L"width", &size) ? 0 : TextWidth(node);
    const int height = Integer(node, L"height", &size) ? 0 : text_->LineHeight(look);
    return Box(node, parent, width, height);
}

void ViewPainter::DrawText(const SkinNode& node, const SkinRect& box, const Placement& at)
{
    const bool enabled = FlagOr(node, L"enabled", true), hovered = Hovered(node);
    SkinColour foreground = Colour(node, L"foregroundcolor"), background = Colour(node, L"backgroundcolor");
    const wchar_t* state = !enabled ? L"disabled" : hovered ? L"hover" : nullptr;
    if (state) {
        SkinColour stateForeground = Colour(node, (std::wstring(state) + L"foregroundcolor").c_str());
        SkinColour stateBackground = Colour(node, (std::wstring(state) + L"backgroundcolor").c_str());
        if (stateForeground.kind == SkinColourRgb) foreground = stateForeground;
        if (stateBackground.kind == SkinColourRgb || stateBackground.kind == SkinColourNone)
            background = stateBackground;
    }
    // A faded text without a background gets a black one.
    if (background.kind != SkinColourRgb && Value(node, L"alphablend")) background = {SkinColourRgb, 0};
    const SkinRect area = Intersect(box, at.clip);
    if (background.kind == SkinColourRgb) FillArea(&canvas_, area, background.rgb, at.opacity);
    text_->Draw(&canvas_, box, at.clip, TextValue(node), LookOf(node),
                foreground.kind == SkinColourRgb ? foreground.rgb : 0, at.opacity);
}

// VIDEO, EFFECTS and PLAYLIST show what only the player fills: a box of their colour with a label.
void ViewPainter::DrawWindowed(const SkinNode& node, const SkinRect& box, const Placement& at)
{
    SkinColour background = Colour(node, L"backgroundcolor");
    if (node.Is(SkinEffects))
        background = {SkinColourRgb, kVisualisationColour};
    else if (node.Is(SkinPlaylist) && background.kind != SkinColourRgb)
        background = {SkinColourRgb, kWindowColour};
    const SkinRect area = Intersect(box, at.clip);
    if (background.kind == SkinColourRgb) FillArea(&canvas_, area, background.rgb, at.opacity);
    uint32_t ink = background.kind != SkinColourRgb ? 0x808080 : IsDark(background.rgb) ? 0xFFFFFF : 0x000000;
    SkinColour foreground = Colour(node, L"foregroundcolor");
    if (node.Is(SkinPlaylist) && foreground.kind == SkinColourRgb) ink = foreground.rgb;
    DrawFrame(&canvas_, box, at.clip, ink, Div255(128 * at.opacity));
    const std::wstring id = Id(node), label = id.empty() ? node.tag : node.tag + L" (" + id + L")";
    TextLook look;
    look.face = kDefaultFace;
    look.points = kLabelPoints;
    look.justification = TextCenter;
    const int lineHeight = text_->LineHeight(look);
    const int top = box.top + (box.Height() - lineHeight) / 2;
    text_->Draw(&canvas_, {box.left + 2, top, box.right - 2, top + lineHeight}, area, label, look, ink, at.opacity);
}
