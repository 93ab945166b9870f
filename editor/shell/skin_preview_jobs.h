// The skin preview's work on worker threads: a view drawn for the window, the picture saved as
// a PNG. Each answer is posted to the preview's window; the window takes only the last it asked for.
#pragma once
#include "skin_render.h"
#include "skin_workers.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

const UINT WM_PREVIEW_RENDERED = WM_APP + 10;   // lParam: a RenderAnswer to take
const UINT WM_PREVIEW_SAVED = WM_APP + 11;      // lParam: a SaveAnswer to take

struct RenderQuestion {
    unsigned number = 0;
    std::wstring text, folder;
    int viewIndex = 0;
    std::wstring viewId;      // the chosen VIEW's id, kept when the definition changes around it
    bool listViews = false;   // the definition changed: its VIEWs are listed again
    size_t hoveredOffset = SIZE_MAX;
    SkinPlayerState playerState = SkinPlayerPlaying;
};

struct RenderAnswer {
    unsigned number = 0;
    bool listedViews = false;
    std::vector<SkinViewEntry> views;
    int viewIndex = 0;
    // Its pixels laid over a checkerboard, as the window shows them.
    SkinPicture picture;
};

struct SaveAnswer {
    std::wstring path;
    bool saved = false;
    bool empty = false;         // no picture to save
    unsigned long error = 0;    // the system's, when not saved
};

// Cancels what the workers draw and draws this instead.
void QueueRender(SkinWorkers& workers, HWND window, const RenderQuestion& question);
// The view without any hover look, written to path.
void QueueSave(SkinWorkers& workers, HWND window, const RenderQuestion& question, const std::wstring& path);
