// Small pictures of each package's first view as its icon in the large-icon view, drawn on
// a worker thread and kept for the session by the package's name, size and date.
#include "thumbnails.h"

#include "fennick.h"
#include "preview_pane.h"
#include "resource.h"
#include "screen_dpi.h"
#include "skin_list.h"
#include "skin_package.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct ThumbnailJob {
    unsigned generation;
    std::wstring name;   // as the list shows it
    std::wstring path;
    std::wstring key;
};

struct ThumbnailResult {
    ThumbnailJob job;
    int size;                       // a side, in pixels
    std::vector<uint32_t> pixels;   // premultiplied; empty when the package shows no picture
};

HWND g_window = nullptr;
// Two at most: the pictures come about twice as fast where two cores are free.
HANDLE g_threads[2] = {nullptr, nullptr};
int g_threadCount = 0;
HANDLE g_wake = nullptr;
CRITICAL_SECTION g_lock;
std::deque<ThumbnailJob> g_jobs;
unsigned g_generation = 0;
bool g_stopping = false;
int g_side = kThumbnailSize;
// Image index by key; the package icon (0) for a package that shows no picture.
std::map<std::wstring, int> g_cache;

void DrawThumbnail(SkinImageCache& cache, ThumbnailResult* result)
{
    PackagePreview preview;
    LoadPackagePreview(result->job.path, cache, &preview);
    if (preview.state != PreviewShown || !preview.picture.viewFound) return;
    FittedPicture fitted;
    FitSkinPicture(preview.picture, result->size, result->size, &fitted);
    if (fitted.pixels.empty()) return;
    // Centred on a transparent square, as an icon stands in its cell.
    result->pixels.assign(static_cast<size_t>(result->size) * result->size, 0);
    const int left = (result->size - fitted.width) / 2, top = (result->size - fitted.height) / 2;
    for (int y = 0; y < fitted.height; ++y)
        std::copy_n(&fitted.pixels[static_cast<size_t>(y) * fitted.width], fitted.width,
                    &result->pixels[static_cast<size_t>(top + y) * result->size + left]);
}

bool NextJob(ThumbnailJob* job, int* side)
{
    for (;;) {
        EnterCriticalSection(&g_lock);
        const bool stopping = g_stopping, found = !g_jobs.empty();
        if (found) {
            *job = g_jobs.front();
            g_jobs.pop_front();
            *side = g_side;
        } else if (!stopping) {
            ResetEvent(g_wake);
        }
        LeaveCriticalSection(&g_lock);
        if (stopping) return false;
        if (found) return true;
        WaitForSingleObject(g_wake, INFINITE);
    }
}

void DrawJobs()
{
    // Loaded before the first picture is asked for, and kept loaded while the thread lives.
    SkinImageDecoder warm;
    // Its own cache: a cache serves one thread.
    SkinImageCache cache(32u << 20);
    auto result = std::make_unique<ThumbnailResult>();
    while (NextJob(&result->job, &result->size)) {
        result->pixels.clear();
        DrawThumbnail(cache, result.get());
        if (PostMessageW(g_window, WM_THUMBNAIL_DONE, 0, reinterpret_cast<LPARAM>(result.get()))) result.release();
        result = std::make_unique<ThumbnailResult>();
    }
}

DWORD WINAPI ThumbnailWorker(void*)
{
    // Held for the thread's life: each render's decoder would otherwise start COM and load
    // the imaging component again.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    DrawJobs();
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}

HBITMAP BitmapOf(const std::vector<uint32_t>& pixels, int side)
{
    BITMAPINFO info = TopDownPixelsInfo(side, side);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
    return bitmap;
}

// The small list gets the package icon at the same index, so that the other views, which
// share the item's image index, still show it.
int AddToImageLists(const std::vector<uint32_t>& pixels, int side)
{
    HIMAGELIST largeList = reinterpret_cast<HIMAGELIST>(SendMessageW(g_hwndList, LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
    HIMAGELIST smallList = reinterpret_cast<HIMAGELIST>(SendMessageW(g_hwndList, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    HBITMAP bitmap = BitmapOf(pixels, side);
    if (!largeList || !smallList || !bitmap) {
        if (bitmap) DeleteObject(bitmap);
        return 0;
    }
    int index = ImageList_Add(largeList, bitmap, nullptr);
    DeleteObject(bitmap);
    if (index < 0) return 0;
    HICON icon = ImageList_GetIcon(smallList, 0, ILD_NORMAL);
    int smallIndex = icon ? ImageList_ReplaceIcon(smallList, -1, icon) : -1;
    if (icon) DestroyIcon(icon);
    if (smallIndex != index) {
        ImageList_Remove(largeList, index);
        if (smallIndex >= 0) ImageList_Remove(smallList, smallIndex);
        return 0;
    }
    return index;
}

void SetImageOfPackage(const std::wstring& name, int image)
{
    LVFINDINFOW find = {};
    find.flags = LVFI_STRING;
    find.psz = name.c_str();
    for (int item = -1;;) {
        item = static_cast<int>(SendMessageW(g_hwndList, LVM_FINDITEMW, item, reinterpret_cast<LPARAM>(&find)));
        if (item < 0) return;
        if (KindOfEntry(item) != EntryPackage) continue;
        LVITEMW change = {};
        change.mask = LVIF_IMAGE;
        change.iItem = item;
        change.iImage = image;
        SendMessageW(g_hwndList, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
    }
}

}  // namespace

bool StartThumbnails(HWND window)
{
    g_window = window;
    g_side = ScaleForDpi(kThumbnailSize, ScreenDpi(window));
    InitializeCriticalSection(&g_lock);
    // Manual reset: every worker wakes to look at the queue.
    g_wake = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const int wanted = system.dwNumberOfProcessors > 1 ? 2 : 1;
    while (g_wake && g_threadCount < wanted) {
        g_threads[g_threadCount] = CreateThread(nullptr, 0, ThumbnailWorker, nullptr, 0, nullptr);
        if (!g_threads[g_threadCount]) break;
        ++g_threadCount;
    }
    return g_threadCount > 0;
}

void StopThumbnails()
{
    if (g_threadCount == 0) return;
    EnterCriticalSection(&g_lock);
    g_stopping = true;
    g_jobs.clear();
    LeaveCriticalSection(&g_lock);
    SetEvent(g_wake);
    WaitForMultipleObjects(g_threadCount, g_threads, TRUE, INFINITE);
    for (int index = 0; index < g_threadCount; ++index) CloseHandle(g_threads[index]);
    g_threadCount = 0;
    MSG message;
    while (PeekMessageW(&message, g_window, WM_THUMBNAIL_DONE, WM_THUMBNAIL_DONE, PM_REMOVE))
        delete reinterpret_cast<ThumbnailResult*>(message.lParam);
}

void RequestThumbnails()
{
    if (g_threadCount == 0) return;
    std::deque<ThumbnailJob> jobs;
    EnterCriticalSection(&g_lock);
    const unsigned generation = ++g_generation;
    g_jobs.clear();
    LeaveCriticalSection(&g_lock);
    if ((GetWindowLongPtrW(g_hwndList, GWL_STYLE) & LVS_TYPEMASK) != LVS_ICON) return;
    for (int item = 0, count = EntryCount(); item < count; ++item) {
        if (KindOfEntry(item) != EntryPackage) continue;
        wchar_t name[MAX_PATH] = L"";
        ReadEntryName(item, name, _countof(name));
        ThumbnailJob job = {generation, name, EntryPath(name), L""};
        if (!PackageFileKey(job.path, &job.key)) continue;
        auto cached = g_cache.find(job.key);
        if (cached != g_cache.end())
            SetImageOfPackage(job.name, cached->second);
        else
            jobs.push_back(job);
    }
    EnterCriticalSection(&g_lock);
    if (generation == g_generation) g_jobs.swap(jobs);
    LeaveCriticalSection(&g_lock);
    SetEvent(g_wake);
}

void TakeThumbnail(LPARAM lParam)
{
    std::unique_ptr<ThumbnailResult> result(reinterpret_cast<ThumbnailResult*>(lParam));
    int image = 0;
    if (!result->pixels.empty()) image = AddToImageLists(result->pixels, result->size);
    g_cache[result->job.key] = image;
    EnterCriticalSection(&g_lock);
    const bool current = result->job.generation == g_generation;
    LeaveCriticalSection(&g_lock);
    if (current && image != 0) SetImageOfPackage(result->job.name, image);
}
