// The skin preview's work on worker threads: a view drawn for the window, the picture saved as a PNG.
#include "skin_preview_jobs.h"

#include "posted_answer.h"
#include "skin_preview_logic.h"

#include <algorithm>
#include <cwchar>

namespace {

const int kCheckerSize = 8;

// Premultiplied pixels over a light checkerboard, so the window's shape shows.
void LayOverChecker(SkinPicture* picture)
{
    for (int y = 0; y < picture->height; ++y) {
        uint32_t* row = &picture->pixels[static_cast<size_t>(y) * picture->width];
        for (int x = 0; x < picture->width; ++x) {
            uint32_t checker = ((x / kCheckerSize + y / kCheckerSize) & 1) ? 0xCCCCCC : 0xFFFFFF;
            row[x] = OverOpaqueColour(row[x], checker);
        }
    }
}

// The VIEW asked for by its id when it still has it, else by its place.
int ChosenView(const std::vector<SkinViewEntry>& views, const RenderQuestion& question)
{
    int chosen = std::min(question.viewIndex, std::max(0, static_cast<int>(views.size()) - 1));
    for (const SkinViewEntry& view : views)
        if (!question.viewId.empty() && _wcsicmp(view.id.c_str(), question.viewId.c_str()) == 0) chosen = view.index;
    return chosen;
}

}  // namespace

void QueueRender(SkinWorkers& workers, HWND window, const RenderQuestion& question)
{
    workers.CancelAll();
    workers.Queue([window, question](SkinImageCache& cache, const std::atomic<bool>& cancel) {
        auto answer = std::make_unique<RenderAnswer>();
        answer->number = question.number;
        answer->viewIndex = question.viewIndex;
        if (question.listViews) {
            answer->listedViews = true;
            answer->views = ListSkinViews(question.text);
            answer->viewIndex = ChosenView(answer->views, question);
        }
        SkinRenderOptions options;
        options.viewIndex = answer->viewIndex;
        options.hoveredOffset = question.hoveredOffset;
        options.playerState = question.playerState;
        options.cancel = &cancel;
        // A document never saved has no folder: its files are not looked for anywhere.
        SkinFolderSource files(question.folder);
        RenderSkinView(question.text, files, cache, options, &answer->picture);
        if (cancel) return;
        LayOverChecker(&answer->picture);
        PostAnswer(window, WM_PREVIEW_RENDERED, std::move(answer));
    });
}

void QueueSave(SkinWorkers& workers, HWND window, const RenderQuestion& question, const std::wstring& path)
{
    workers.Queue([window, question, path](SkinImageCache& cache, const std::atomic<bool>& cancel) {
        auto answer = std::make_unique<SaveAnswer>();
        answer->path = path;
        SkinRenderOptions options;
        options.viewIndex = question.viewIndex;
        options.playerState = question.playerState;
        options.cancel = &cancel;
        SkinFolderSource files(question.folder);
        SkinPicture still;
        RenderSkinView(question.text, files, cache, options, &still);
        if (cancel) return;
        answer->empty = !still.viewFound || still.pixels.empty();
        if (!answer->empty) answer->saved = SaveSkinPictureAsPng(still, path, &answer->error);
        PostAnswer(window, WM_PREVIEW_SAVED, std::move(answer));
    });
}
