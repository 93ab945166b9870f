// The one render of a view: its elements in drawing order, each drawn by its kind.
#pragma once
#include "skin_canvas.h"
#include "skin_colour.h"
#include "skin_document.h"
#include "skin_picture.h"
#include "skin_text.h"

#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

// The size of a placeholder for an image whose size nothing else tells.
const int kPlaceholderSize = 24;

// Where an element is drawn: the box of its parent and what of it may be painted.
struct Placement {
    SkinRect parent;
    SkinRect clip;
    uint32_t opacity = 255;
    int depth = 0;   // SUBVIEWs around it
};

// A window's or control's shape: pixels of key in the shape image are cut away.
struct Shape {
    ImageDraw image;
    uint32_t key = 0;
};

class ViewPainter {
public:
    ViewPainter(const SkinDocument& document, SkinFileSource& files, SkinImageCache& cache,
                const SkinRenderOptions& options, SkinPicture* picture)
            : document_(document), files_(files), cache_(cache), options_(options), picture_(*picture)
    {
    }
    void Paint(int view);

private:
    // skin_render.cpp: the view, its containers, order and shapes.
    SkinRect MeasureView(const SkinNode& view);
    SkinRect ViewBox(const SkinNode& view);
    bool AllocateCanvas(const SkinNode& view, int width, int height);
    void DrawContainer(const SkinNode& node, const SkinRect& box, const Placement& at);
    void DrawBackground(const SkinNode& node, const SkinRect& box, const Placement& at);
    ImageDraw BackgroundDraw(const SkinNode& node, const SkinRect& box, bool* failed = nullptr);
    void DrawChild(int index, const Placement& at, bool deferWindowed);
    bool Allowed(const SkinNode& node);
    bool Cancelled();
    // Takes bytes from the render's budget; false, taking nothing, when they are not there.
    bool Spend(size_t bytes);
    void Refund(size_t bytes) { spent_ -= bytes; }
    SkinRect BoxOf(const SkinNode& node, const SkinRect& parent);
    void DrawByKind(const SkinNode& node, const SkinRect& box, const Placement& at);
    bool FindShape(const SkinNode& node, const SkinRect& box, Shape* shape);
    void CutShape(const Shape& shape, const SkinRect& region, const std::vector<uint32_t>* saved);
    void FinishView(const SkinNode& view);
    void Record(const SkinNode& node, const SkinRect& box, const SkinRect& clip);

    // skin_controls.cpp: buttons, button groups, texts, placeholders.
    SkinRect ButtonBox(const SkinNode& node, const SkinRect& parent);
    const SkinImage* StateImage(const SkinNode& images, const SkinNode& button);
    void DrawButton(const SkinNode& node, const SkinRect& box, const Placement& at);
    SkinRect ButtonGroupBox(const SkinNode& node, const SkinRect& parent);
    void DrawButtonGroup(const SkinNode& node, const SkinRect& box, const Placement& at);
    std::wstring TextValue(const SkinNode& node);
    TextLook LookOf(const SkinNode& node);
    int TextWidth(const SkinNode& node);
    SkinRect TextBox(const SkinNode& node, const SkinRect& parent);
    void DrawText(const SkinNode& node, const SkinRect& box, const Placement& at);
    void DrawWindowed(const SkinNode& node, const SkinRect& box, const Placement& at);

    // skin_slider.cpp: sliders.
    SkinRect SliderBox(const SkinNode& node, const SkinRect& parent);
    void DrawSlider(const SkinNode& node, const SkinRect& box, const Placement& at);
    double Fraction(const SkinNode& node);
    SkinRect CustomSliderBox(const SkinNode& node, const SkinRect& parent);
    void DrawCustomSlider(const SkinNode& node, const SkinRect& box, const Placement& at);

    // Attributes, with the defaults of predefined elements; Integer and FlagOr take bound
    // values as the player answers them.
    const std::wstring* Value(const SkinNode& node, const wchar_t* name) const;
    bool Integer(const SkinNode& node, const wchar_t* name, long* number);
    long IntegerOr(const SkinNode& node, const wchar_t* name, long fallback);
    bool FlagOr(const SkinNode& node, const wchar_t* name, bool fallback);
    SkinColour Colour(const SkinNode& node, const wchar_t* name) const;
    std::wstring Id(const SkinNode& node) const;
    uint32_t Opacity(const SkinNode& node, uint32_t outer);
    bool Hovered(const SkinNode& node) const { return node.place.offset == options_.hoveredOffset; }
    SkinRect Box(const SkinNode& node, const SkinRect& parent, int width, int height);

    // Images by attribute: nullptr when the attribute is absent, bound or names a file that
    // fails (then failed is set and the problem listed).
    const SkinImage* Image(const SkinNode& node, const wchar_t* name, bool* failed = nullptr);
    const SkinImage* FirstImage(const SkinNode& node, std::initializer_list<const wchar_t*> names);
    bool Keyed(const SkinNode& node, const SkinImage* image, uint32_t* key) const;
    void AddProblem(SkinProblemKind kind, const std::wstring& name, const SkinNode& node);
    void AddLimit(SkinProblemKind kind, const SkinNode& node);

    // skin_bindings.cpp: bound values as the player answers them, jscript: positions and sizes,
    // and the player's own images.
    friend class GeometryNames;
    bool Answer(const SkinNode& node, const wchar_t* name, const std::wstring& value, std::wstring* answer);
    bool ElementAnswer(const std::wstring& id, const std::wstring& property, std::wstring* answer);
    bool Evaluate(const SkinNode& node, const wchar_t* name, const std::wstring& value, long* number);
    bool PropertyOf(const SkinNode& node, const std::wstring& property, double* value);
    const SkinNode* ElementById(const std::wstring& id);
    const SkinImage* Cover(int side);
    void FitPlayerImage(const SkinRect& box, ImageDraw* draw);
    void AddNote(SkinNoteKind kind, const SkinNode& node, const wchar_t* name, const std::wstring& value);

    const SkinDocument& document_;
    SkinFileSource& files_;
    SkinImageCache& cache_;
    const SkinRenderOptions& options_;
    SkinPicture& picture_;
    SkinCanvas canvas_;
    std::unique_ptr<TextPainter> text_;
    // By SkinFileKey: every spelling of a name is read once.
    std::unordered_map<std::wstring, std::pair<SkinImageStatus, std::shared_ptr<const SkinImage>>> images_;
    std::unordered_map<size_t, int> textWidths_;   // by the TEXT's offset: a layout is asked for once
    std::set<std::pair<size_t, std::wstring>> reported_;
    std::set<SkinProblemKind> limits_;
    std::vector<std::pair<int, Placement>> windowed_;
    size_t drawn_ = 0;
    size_t spent_ = 0;

    struct Evaluation {
        bool done;   // false while it is evaluated, and when it failed
        long value;
    };
    int view_ = -1;
    enum { ViewUnmeasured, ViewMeasuring, ViewMeasured } viewState_ = ViewUnmeasured;
    SkinRect viewBox_;
    std::unordered_map<size_t, Evaluation> evaluations_;   // by node index * 4 + left, top, width, height
    std::vector<size_t> evaluating_;
    std::set<size_t> cyclic_;
    std::unordered_map<std::wstring, int> ids_;
    bool idsRead_ = false;
    int answerDepth_ = 0;
    bool sizeOnly_ = false;   // Box gives the size and leaves the place
    std::map<int, std::shared_ptr<const SkinImage>> covers_;
    std::set<std::pair<size_t, std::wstring>> noted_;
};
