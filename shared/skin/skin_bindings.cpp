// Bound values as the player answers them, jscript: positions and sizes, and the player's own
// images, for a rendered view.
#include "skin_painter.h"

#include "skin_cover_art.h"
#include "skin_expression.h"
#include "skin_markup.h"

#include <algorithm>
#include <cwchar>

namespace {

const wchar_t* const kGeometry[] = {L"left", L"top", L"width", L"height"};

int GeometryIndex(const std::wstring& lowerName)
{
    for (int index = 0; index < 4; ++index)
        if (lowerName == kGeometry[index]) return index;
    return -1;
}

bool IsScript(const std::wstring& value) { return _wcsnicmp(value.c_str(), L"jscript:", 8) == 0; }

// Elements that stand in a view; their enabled and visible are true, and down false, until set.
bool IsVisual(const SkinNode& node)
{
    if (!node.info) return false;
    switch (node.info->kind) {
    case SkinView:
    case SkinSubview:
    case SkinButtonGroup:
    case SkinButtonElement:
    case SkinButton:
    case SkinText:
    case SkinSlider:
    case SkinCustomSlider:
    case SkinEffects:
    case SkinVideo:
    case SkinPlaylist: return true;
    default: return false;
    }
}

}  // namespace

// What an expression's names stand for: the owning element's properties, view's and other
// elements' by id.
class GeometryNames : public SkinExpressionNames {
public:
    GeometryNames(ViewPainter& painter, const SkinNode& own) : painter_(painter), own_(own) {}
    bool Lookup(const std::wstring& object, const std::wstring& property, double* value) override
    {
        const SkinNode* target = &own_;
        if (object == L"view")
            target = &painter_.document_.nodes[static_cast<size_t>(painter_.view_)];
        else if (!object.empty())
            target = painter_.ElementById(object);
        return target && painter_.PropertyOf(*target, property, value);
    }

private:
    ViewPainter& painter_;
    const SkinNode& own_;
};

bool ViewPainter::Answer(const SkinNode& node, const wchar_t* name, const std::wstring& value, std::wstring* answer)
{
    if (IsScript(value)) {
        long number = 0;
        if (GeometryIndex(name) < 0) {
            AddNote(SkinNoteUnanswered, node, name, value);
            return false;
        }
        if (!Evaluate(node, name, value, &number)) return false;
        *answer = std::to_wstring(number);
        return true;
    }
    if (AnswerPlayerBinding(value, options_.playerState, options_.japaneseUi, answer)) return true;
    std::wstring id, property;
    if (SplitElementBinding(value, &id, &property) && ElementAnswer(id, property, answer)) return true;
    AddNote(SkinNoteUnanswered, node, name, value);
    return false;
}

// An element's own attribute, answered in its turn when it is bound.
bool ViewPainter::ElementAnswer(const std::wstring& id, const std::wstring& property, std::wstring* answer)
{
    const SkinNode* element = ElementById(id);
    if (!element || answerDepth_ >= kSkinDeepestAnswer) return false;
    const std::wstring* value = Value(*element, property.c_str());
    if (!value) {
        if (!IsVisual(*element) || (property != L"enabled" && property != L"visible" && property != L"down"))
            return false;
        *answer = property == L"down" ? L"false" : L"true";
        return true;
    }
    if (!IsBoundValue(*value)) {
        *answer = *value;
        return true;
    }
    ++answerDepth_;
    const bool answered = Answer(*element, property.c_str(), *value, answer);
    --answerDepth_;
    return answered;
}

// Each position or size is evaluated once, in the order one needs another. Those in a cycle
// all fail; whoever reads one of them then reads it as not set.
bool ViewPainter::Evaluate(const SkinNode& node, const wchar_t* name, const std::wstring& value, long* number)
{
    const size_t key = static_cast<size_t>(&node - document_.nodes.data()) * 4 + GeometryIndex(name);
    auto found = evaluations_.find(key);
    if (found != evaluations_.end()) {
        auto open = std::find(evaluating_.begin(), evaluating_.end(), key);
        cyclic_.insert(open, evaluating_.end());
        *number = found->second.value;
        return found->second.done;
    }
    if (evaluating_.size() >= kSkinDeepestExpressionChain) {
        AddNote(SkinNoteUnevaluated, node, name, value);
        return false;
    }
    evaluations_[key] = {false, 0};
    evaluating_.push_back(key);
    GeometryNames names(*this, node);
    double result = 0;
    const bool evaluated = EvaluateSkinExpression(value.substr(8), names, &result) == SkinExpressionDone;
    evaluating_.pop_back();
    const bool cyclic = cyclic_.erase(key) > 0;
    if (evaluated && !cyclic) {
        evaluations_[key] = {true, SkinExpressionInteger(result)};
        *number = evaluations_[key].value;
        return true;
    }
    AddNote(cyclic ? SkinNoteCycle : SkinNoteUnevaluated, node, name, value);
    return false;
}

// left and top as set (0 when not), width and height as drawn; any other whole-number attribute.
bool ViewPainter::PropertyOf(const SkinNode& node, const std::wstring& property, double* value)
{
    std::wstring lower = property;
    LowerAsciiInPlace(&lower);
    const int index = GeometryIndex(lower);
    const bool isView = &node == &document_.nodes[static_cast<size_t>(view_)];
    if (isView && index >= 0) {
        // Its size comes from its elements when nothing else gives it: they cannot ask for it then.
        if (viewState_ == ViewMeasuring) return false;
        const SkinRect box = MeasureView(node);
        *value = index == 2 ? box.Width() : index == 3 ? box.Height() : 0;
        return true;
    }
    long number = 0;
    if (Integer(node, lower.c_str(), &number)) {
        *value = number;
        return true;
    }
    if (index < 0 || !node.info) return false;
    if (index < 2) {
        *value = 0;
        return true;
    }
    // Its size alone: where it stands may be what is being evaluated.
    const bool sizeOnly = sizeOnly_;
    sizeOnly_ = true;
    const SkinRect box = BoxOf(node, SkinRect());
    sizeOnly_ = sizeOnly;
    *value = index == 2 ? box.Width() : box.Height();
    return true;
}

// Ids as a script sees them, letter case counting: the view's own first, then the theme's.
const SkinNode* ViewPainter::ElementById(const std::wstring& id)
{
    if (!idsRead_) {
        idsRead_ = true;
        std::vector<bool> inView(document_.nodes.size(), false);
        for (size_t i = static_cast<size_t>(view_); i < document_.nodes.size(); ++i) {
            const int parent = document_.nodes[i].parent;
            inView[i] = static_cast<int>(i) == view_ || (parent >= 0 && inView[static_cast<size_t>(parent)]);
        }
        for (bool ownView : {true, false})
            for (size_t i = 0; i < document_.nodes.size(); ++i)
                if (inView[i] == ownView)
                    if (const std::wstring* written = document_.nodes[i].Find(L"id"))
                        ids_.emplace(*written, static_cast<int>(i));
    }
    auto found = ids_.find(id);
    return found == ids_.end() ? nullptr : &document_.nodes[static_cast<size_t>(found->second)];
}

const SkinImage* ViewPainter::Cover(int side)
{
    auto found = covers_.find(side);
    if (found == covers_.end()) found = covers_.emplace(side, SampleCover(side)).first;
    return found->second.get();
}

// The song's artwork is fitted into the box, its shape kept, in the middle.
void ViewPainter::FitPlayerImage(const SkinRect& box, ImageDraw* draw)
{
    auto cover = std::find_if(covers_.begin(), covers_.end(), [draw](const auto& made) {
        return made.second.get() == draw->image;
    });
    if (!draw->image || cover == covers_.end()) return;
    const int side = std::min(box.Width(), box.Height());
    if (side <= 0) draw->image = nullptr;
    else if (covers_.size() < kSkinMostCovers || covers_.count(side)) draw->image = Cover(side);
    draw->x = box.left + (box.Width() - side) / 2;
    draw->y = box.top + (box.Height() - side) / 2;
    draw->source = SkinRect();
    draw->tiled = draw->keyed = false;
    draw->scaleWidth = draw->scaleHeight = draw->image && draw->image->width != side ? side : 0;
}

void ViewPainter::AddNote(SkinNoteKind kind, const SkinNode& node, const wchar_t* name, const std::wstring& value)
{
    if (picture_.notes.size() >= kSkinMostNotes || !noted_.emplace(node.place.offset, name).second) return;
    picture_.notes.push_back({kind, name, value, node.place});
}
