// Draws one VIEW of a skin definition as the player shows it with a sample song, before any script
// runs, without a window.
#pragma once
#include "skin_document.h"
#include "skin_files.h"
#include "skin_image.h"
#include "skin_picture.h"

#include <string>
#include <vector>

struct SkinViewEntry {
    int index;         // 0-based, in document order
    std::wstring id;   // empty when the VIEW has none
    std::wstring title;
    SkinTagPlace place;
};

// Every VIEW of the definition; broken markup gives those that could be read, and one longer
// than kSkinLongestDefinition none.
std::vector<SkinViewEntry> ListSkinViews(const std::wstring& text);

// Reads images through files and keeps them in cache for the next render. Bindings are answered
// by the player in options.playerState, and jscript: positions and sizes evaluated where they
// are arithmetic; no script is run, and what is left is drawn as if not set and noted. Never fails:
// what cannot be drawn is marked in the picture and listed among the problems, and the limits
// of skin_limits.h hold whatever the text. The picture is replaced whole, but its memory is
// reused: keep one per preview and renders stay fast.
void RenderSkinView(const std::wstring& text, SkinFileSource& files, SkinImageCache& cache,
                    const SkinRenderOptions& options, SkinPicture* picture);
// The same for a definition already read, which the caller may read for more.
void RenderSkinView(const SkinDocument& document, SkinFileSource& files, SkinImageCache& cache,
                    const SkinRenderOptions& options, SkinPicture* picture);
