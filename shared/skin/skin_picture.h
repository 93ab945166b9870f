// What a render of a view gives back (its pixels, the elements drawn, the problems and notes)
// and what it is asked with: the types the renderer's parts share, without the renderer.
#pragma once
#include "skin_document.h"
#include "skin_elements.h"
#include "skin_geometry.h"
#include "skin_limits.h"
#include "skin_player.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct SkinButtonArea {
    std::wstring tag;      // BUTTONELEMENT, PLAYELEMENT, … as written
    std::wstring id;
    SkinTagPlace place;
    SkinRect bounds;       // around its visible map pixels; empty when there are none
};

struct SkinDrawnElement {
    SkinElementKind kind;  // predefined elements by the kind they are: PLAYBUTTON is SkinButton
    std::wstring tag;      // as written
    std::wstring id;
    SkinTagPlace place;
    SkinRect box;          // where the element stands; may reach outside the view
    SkinRect visible;      // the part of box inside its VIEW and SUBVIEWs
    // A BUTTONGROUP's button elements, and which of them each pixel of visible belongs to:
    // visible.Width() × visible.Height() entries, top row first, 1 + the index in buttons or 0.
    std::vector<SkinButtonArea> buttons;
    std::vector<uint16_t> buttonMap;
};

enum SkinProblemKind {
    SkinProblemMissingFile,         // name: the file as the definition names it
    SkinProblemBadFileName,         // an absolute path or one that leaves the skin's folder
    SkinProblemUnreadableImage,     // not a BMP, PNG, JPEG or GIF that Windows can decode
    SkinProblemImageTooLarge,       // over 16,384 pixels a side or 64 megapixels
    SkinProblemViewTooLarge,        // the picture was cut to 16,384 pixels a side, 64 megapixels and the budget
    SkinProblemTooManyElements,     // elements past the limit were left out
    SkinProblemNestedTooDeep,       // SUBVIEWs and elements nested past the limit were left out
    SkinProblemTooMuchDrawing,      // drawing stopped before the last elements
    SkinProblemOutOfMemory,         // no picture: the memory it needed was not there; with a name, that image's
    SkinProblemTooManyAttributes,   // attributes past the limits were left out
    SkinProblemTooManyImages,       // the images reached the render's budget or count: the rest were not read
    SkinProblemDefinitionTooLarge,  // longer than kSkinLongestDefinition: not read at all
    SkinProblemNoResources,         // Windows had no GDI object to give: some text is missing
    SkinProblemTooManyFonts,        // texts past the fonts a render may make took the default look
};

struct SkinProblem {
    SkinProblemKind kind;
    std::wstring name;    // the file's name; empty for the limits
    SkinTagPlace place;   // the element concerned
};

// A value the picture could not take as the player would: it was drawn as if it were not set.
enum SkinNoteKind {
    SkinNoteUnanswered,    // a binding the preview's player does not answer
    SkinNoteUnevaluated,   // a jscript: position or size that calls the skin's script, or is not arithmetic
    SkinNoteCycle,         // a jscript: position or size that depends on itself
};

struct SkinValueNote {
    SkinNoteKind kind;
    std::wstring attribute;   // in lower case
    std::wstring value;       // as written
    SkinTagPlace place;       // the element whose attribute it is
};

struct SkinRenderOptions {
    int viewIndex = 0;     // which VIEW, as ListSkinViews numbers them,
    std::wstring viewId;   // or by its id (without regard to case) when this is not empty
    // The start-tag offset of the BUTTON, BUTTONELEMENT or TEXT under the mouse (from
    // SkinDrawnElement::place or SkinButtonArea::place): it is drawn in its hover look.
    size_t hoveredOffset = SIZE_MAX;
    // Looked at between elements and images: once it is true the render stops, its picture
    // marked cancelled.
    const std::atomic<bool>* cancel = nullptr;
    // What the picture, the images drawn and the button maps may take together, in bytes.
    size_t memoryBudget = kSkinRenderBytes;
    // What the player is doing with its sample song: bindings are answered from it.
    SkinPlayerState playerState = SkinPlayerPlaying;
    bool japaneseUi = true;   // the player's status and the sample song in Japanese
};

struct SkinPicture {
    bool viewFound = false;
    int width = 0;
    int height = 0;
    // 0xAARRGGBB premultiplied by alpha (B, G, R, A in memory, as AlphaBlend takes it), top row
    // first. Pixels outside the window's shape are 0: fully transparent.
    std::vector<uint32_t> pixels;
    std::vector<SkinDrawnElement> elements;   // back to front: the view first, the topmost last
    std::vector<SkinProblem> problems;
    std::vector<SkinValueNote> notes;   // in the order they were met, each element's attribute once
    bool definitionHasErrors = false;   // broken markup or nesting: the skin check says where
    bool cancelled = false;             // stopped when asked: what is there is not the whole view
};
