// What the editor's skin preview needs besides the renderer: where a point or the caret falls
// among the drawn elements, the picture's scale in its area, its status texts, and its PNG file.
#pragma once
#include "skin_render.h"

#include <cstddef>
#include <string>

// An element of SkinPicture::elements, and one of its BUTTONGROUP buttons.
struct SkinElementHit {
    int element = -1;   // -1: none
    int button = -1;    // -1: the element itself

    bool Found() const { return element >= 0; }
    bool operator==(const SkinElementHit& other) const { return element == other.element && button == other.button; }
    bool operator!=(const SkinElementHit& other) const { return !(*this == other); }
};

// The topmost element whose visible part holds the view pixel; over a BUTTONGROUP, the button
// whose map colour is there (none: the group itself).
SkinElementHit SkinElementAtPoint(const SkinPicture& picture, int x, int y);
// The element or group button whose start tag holds the caret: before its '<' up to before
// the character after its '>'.
SkinElementHit SkinElementAtOffset(const SkinPicture& picture, size_t offset);
SkinRect SkinHitRect(const SkinPicture& picture, const SkinElementHit& hit);
SkinTagPlace SkinHitPlace(const SkinPicture& picture, const SkinElementHit& hit);
// What RenderSkinView takes as hoveredOffset: a group's button, a BUTTON or a TEXT; else SIZE_MAX.
size_t SkinHoverOffset(const SkinPicture& picture, const SkinElementHit& hit);

// The picture as shown: zoomPercent 100 or 200, or 0 to fit the area whole keeping its shape.
struct SkinPictureLayout {
    double scale = 1.0;
    int width = 0;    // shown size in screen pixels
    int height = 0;
};
SkinPictureLayout LayOutSkinPicture(int pictureWidth, int pictureHeight, int zoomPercent, int areaWidth,
                                    int areaHeight);
// The view pixel under a point of the shown picture; false outside it.
bool SkinViewPixelAt(const SkinPictureLayout& layout, int pictureWidth, int pictureHeight, int x, int y,
                     int* viewX, int* viewY);

// "BUTTONELEMENT id=btnEq 32 × 16": the tag as written, its id and size, and the values that
// were drawn as if not set (" — 評価していない値: down").
std::wstring SkinHitStatusText(const SkinPicture& picture, const SkinElementHit& hit);
// What went wrong in the render, the gravest first; empty when nothing did. hasFolder: false
// for a document never saved, whose files cannot be looked for.
std::wstring SkinProblemsStatusText(const SkinPicture& picture, bool hasFolder);

// Writes the picture to a file beside the target and moves it over the target, so a failure
// leaves any earlier file whole. false with the system's error code when it could not.
bool SaveSkinPictureAsPng(const SkinPicture& picture, const std::wstring& path, unsigned long* error);
