// Small pictures of each package's first view as its icon in the large-icon view, drawn on
// worker threads and kept for the session by the package's name, size and date.
#include "thumbnails.h"

#include "fennick.h"
#include "language.h"
#include "posted_answer.h"
#include "resource.h"
#include "screen_dpi.h"
#include "skin_list.h"
#include "skin_package.h"
#include "skin_workers.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// A thumbnail's render needs no more: a real skin's view and images take a few megabytes.
const size_t kThumbnailRenderBytes = 96u << 20;
const size_t kCacheBytes = 32u << 20;
// Pictures the image lists keep beyond those the folder on screen needs; past them they are
// emptied and this folder's pictures drawn again.
const int kMostKeptPictures = 512;
// The package and folder icons stand first in both lists.
const int kFirstPicture = 2;

struct ThumbnailResult {
    std::wstring key;
    int size;                       // a side, in pixels
    std::vector<uint32_t> pixels;   // premultiplied; empty when the package shows no picture
    bool passing;                   // stopped, or short of memory or resources: not kept
};

// The thumbnails of the main window's list: one for the program's life.
struct Thumbnails {
    HWND window = nullptr;
    HWND list = nullptr;
    // Two threads at most: the pictures come about twice as fast where two cores are free.
    SkinWorkers workers;
    int side = kThumbnailSize;
    // Image index by key; the package icon (0) for a package that shows no picture.
    std::map<std::wstring, int> cache;
    // The packages the list shows now, by key.
    std::map<std::wstring, std::wstring> listed;
};

Thumbnails g_thumbnails;

void DrawThumbnail(const std::wstring& path, SkinImageCache& cache, const std::atomic<bool>& cancel,
                   ThumbnailResult* result)
{
    PackagePreview preview;
    SkinRenderOptions options;
    options.cancel = &cancel;
    options.memoryBudget = kThumbnailRenderBytes;
    options.playerState = SkinPlayerPlaying;   // as in the pane
    options.japaneseUi = IsJapaneseUi();
    LoadPackagePreview(path, cache, &preview, options);
    result->passing = IsPassingPreview(preview);
    if (result->passing || preview.state != PreviewShown || !preview.picture.viewFound) return;
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

void QueueThumbnail(const std::wstring& path, const std::wstring& key)
{
    const HWND window = g_thumbnails.window;
    const int side = g_thumbnails.side;
    g_thumbnails.workers.Queue([window, side, path, key](SkinImageCache& cache, const std::atomic<bool>& cancel) {
        // Called off before it began: a folder of thousands would otherwise fill the window's queue.
        if (cancel) return;
        auto result = std::make_unique<ThumbnailResult>(ThumbnailResult{key, side, {}, true});
        DrawThumbnail(path, cache, cancel, result.get());
        PostAnswer(window, WM_THUMBNAIL_DONE, std::move(result));
    });
}

HBITMAP BitmapOf(const std::vector<uint32_t>& pixels, int side)
{
    BITMAPINFO info = TopDownPixelsInfo(side, side);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
    return bitmap;
}

HIMAGELIST ImageListOf(int which)
{
    return reinterpret_cast<HIMAGELIST>(SendMessageW(g_thumbnails.list, LVM_GETIMAGELIST, which, 0));
}

// The small list gets the package icon at the same index, so that the other views, which
// share the item's image index, still show it. -1 when Windows had no room for it.
int AddToImageLists(const std::vector<uint32_t>& pixels, int side)
{
    HIMAGELIST largeList = ImageListOf(LVSIL_NORMAL), smallList = ImageListOf(LVSIL_SMALL);
    HBITMAP bitmap = BitmapOf(pixels, side);
    if (!largeList || !smallList || !bitmap) {
        if (bitmap) DeleteObject(bitmap);
        return -1;
    }
    int index = ImageList_Add(largeList, bitmap, nullptr);
    DeleteObject(bitmap);
    if (index < 0) return -1;
    HICON icon = ImageList_GetIcon(smallList, 0, ILD_NORMAL);
    int smallIndex = icon ? ImageList_ReplaceIcon(smallList, -1, icon) : -1;
    if (icon) DestroyIcon(icon);
    if (smallIndex != index) {
        ImageList_Remove(largeList, index);
        if (smallIndex >= 0) ImageList_Remove(smallList, smallIndex);
        return -1;
    }
    return index;
}

void SetItemImage(int item, int image)
{
    LVITEMW change = {};
    change.mask = LVIF_IMAGE;
    change.iItem = item;
    change.iImage = image;
    SendMessageW(g_thumbnails.list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

void SetImageOfPackage(const std::wstring& name, int image)
{
    LVFINDINFOW find = {};
    find.flags = LVFI_STRING;
    find.psz = name.c_str();
    for (int item = -1;;) {
        item = static_cast<int>(SendMessageW(g_thumbnails.list, LVM_FINDITEMW, item, reinterpret_cast<LPARAM>(&find)));
        if (item < 0) return;
        if (KindOfEntry(item) == EntryPackage) SetItemImage(item, image);
    }
}

// Browsing folder after folder would otherwise keep every picture ever drawn.
void ForgetPicturesPast(int needed)
{
    HIMAGELIST largeList = ImageListOf(LVSIL_NORMAL), smallList = ImageListOf(LVSIL_SMALL);
    if (!largeList || !smallList || ImageList_GetImageCount(largeList) - kFirstPicture <= kMostKeptPictures + needed)
        return;
    for (int item = 0, count = EntryCount(); item < count; ++item)
        if (KindOfEntry(item) == EntryPackage) SetItemImage(item, 0);
    ImageList_SetImageCount(largeList, kFirstPicture);
    ImageList_SetImageCount(smallList, kFirstPicture);
    g_thumbnails.cache.clear();
}

}  // namespace

bool StartThumbnails(HWND window, HWND list)
{
    g_thumbnails.window = window;
    g_thumbnails.list = list;
    g_thumbnails.side = ScaleForDpi(kThumbnailSize, ScreenDpi(window));
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    return g_thumbnails.workers.Start(system.dwNumberOfProcessors > 1 ? 2 : 1, kCacheBytes);
}

void StopThumbnails() { g_thumbnails.workers.AskToStop(); }

void WaitForThumbnails(DWORD milliseconds)
{
    g_thumbnails.workers.Stop(milliseconds);
    DiscardAnswers<ThumbnailResult>(g_thumbnails.window, WM_THUMBNAIL_DONE);
}

void RequestThumbnails()
{
    if (!g_thumbnails.workers.Started()) return;
    g_thumbnails.workers.CancelAll();
    g_thumbnails.listed.clear();
    if ((GetWindowLongPtrW(g_thumbnails.list, GWL_STYLE) & LVS_TYPEMASK) != LVS_ICON) return;
    std::vector<std::pair<std::wstring, std::wstring>> packages;   // path, name
    for (int item = 0, count = EntryCount(); item < count; ++item) {
        if (KindOfEntry(item) != EntryPackage) continue;
        wchar_t name[MAX_PATH] = L"";
        ReadEntryName(item, name, _countof(name));
        packages.emplace_back(EntryPath(name), name);
    }
    ForgetPicturesPast(static_cast<int>(packages.size()));
    for (const auto& package : packages) {
        std::wstring key;
        if (!PackageFileKey(package.first, &key)) continue;
        g_thumbnails.listed[key] = package.second;
        auto cached = g_thumbnails.cache.find(key);
        if (cached != g_thumbnails.cache.end())
            SetImageOfPackage(package.second, cached->second);
        else
            QueueThumbnail(package.first, key);
    }
}

void TakeThumbnail(LPARAM lParam)
{
    std::unique_ptr<ThumbnailResult> result = TakeAnswer<ThumbnailResult>(lParam);
    // Drawn again when it is asked for again; and a picture drawn twice keeps the first.
    if (result->passing || g_thumbnails.cache.count(result->key)) return;
    int image = 0;
    if (!result->pixels.empty()) image = AddToImageLists(result->pixels, result->size);
    if (image < 0) return;
    g_thumbnails.cache[result->key] = image;
    auto listed = g_thumbnails.listed.find(result->key);
    if (listed != g_thumbnails.listed.end() && image != 0) SetImageOfPackage(listed->second, image);
}
