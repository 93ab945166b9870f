// The preview pane beside the list: the selected package's first view, fitted, with its
// title, author, size and entry count; its left edge is the splitter.
#include "preview_pane.h"

#include "explorer_settings.h"
#include "fennick.h"
#include "language.h"
#include "message_box.h"
#include "posted_answer.h"
#include "resource.h"
#include "screen_dpi.h"
#include "skin_list.h"
#include "skin_package.h"
#include "skin_workers.h"

#include <algorithm>
#include <memory>

namespace {

const wchar_t kPaneClass[] = L"FennickPreview";
// At 96 DPI.
const int kSplitterWidth = 6;
const int kMargin = 8;
const int kFactLines = 4;
const UINT WM_PREVIEW_SELECTION = WM_APP + 2;
const UINT WM_PREVIEW_DONE = WM_APP + 3;
const size_t kCacheBytes = 64u << 20;

struct PaneResult {
    unsigned request;
    PackagePreview preview;
};

// The preview pane beside the list: one for the program's life.
struct PreviewPane {
    HWND parent = nullptr;     // the main window, which lays out the pane
    HWND list = nullptr;       // beside the pane, sharing its width
    HWND window = nullptr;
    HWND text = nullptr;
    PreviewPaneSettings settings;
    bool selectionPending = false;
    bool dragging = false;
    // One thread: a new selection calls off the picture being drawn for the last.
    SkinWorkers workers;
    unsigned request = 0;
    std::unique_ptr<PackagePreview> preview;   // null when nothing is shown
    std::wstring shownKey;
    FittedPicture fitted;
};

PreviewPane g_pane;

int Scaled(int pixelsAt96)
{
    return ScaleForDpi(pixelsAt96, ScreenDpi(g_pane.window));
}

bool ShowsPicture()
{
    return g_pane.preview && g_pane.preview->state == PreviewShown && g_pane.preview->picture.viewFound;
}

int LineHeight()
{
    HDC dc = GetDC(g_pane.text);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(g_pane.text, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(g_pane.text, dc);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

// The picture fits above the facts; the text stands right under it, or at the top alone.
void LayOutPane()
{
    if (!g_pane.text) return;   // sized while being made
    RECT client;
    GetClientRect(g_pane.window, &client);
    const int left = Scaled(kSplitterWidth + kMargin), margin = Scaled(kMargin);
    const int width = std::max(0, static_cast<int>(client.right) - left - margin);
    const int factsHeight = kFactLines * LineHeight();
    g_pane.fitted = FittedPicture();
    if (ShowsPicture())
        FitSkinPicture(g_pane.preview->picture, width,
                       std::max(0, static_cast<int>(client.bottom) - 3 * margin - factsHeight), &g_pane.fitted);
    const int textTop = g_pane.fitted.height > 0 ? 2 * margin + g_pane.fitted.height : margin;
    const int textHeight = std::max(0, static_cast<int>(client.bottom) - textTop - margin);
    MoveWindow(g_pane.text, left, textTop, width, textHeight, TRUE);
    InvalidateRect(g_pane.window, nullptr, TRUE);
}

// Premultiplied pixels laid on the window's colour, since the DC takes no alpha.
void PaintPicture(HDC dc)
{
    if (g_pane.fitted.pixels.empty()) return;
    const COLORREF back = GetSysColor(COLOR_WINDOW);
    const uint32_t under = GetRValue(back) << 16 | GetGValue(back) << 8 | GetBValue(back);
    std::vector<uint32_t> pixels(g_pane.fitted.pixels.size());
    for (size_t at = 0; at < pixels.size(); ++at) pixels[at] = OverOpaqueColour(g_pane.fitted.pixels[at], under);
    BITMAPINFO info = TopDownPixelsInfo(g_pane.fitted.width, g_pane.fitted.height);
    SetDIBitsToDevice(dc, Scaled(kSplitterWidth + kMargin), Scaled(kMargin), g_pane.fitted.width, g_pane.fitted.height,
                      0, 0, 0, g_pane.fitted.height, pixels.data(), &info, DIB_RGB_COLORS);
}

void Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(g_pane.window, &paint);
    RECT client, splitter;
    GetClientRect(g_pane.window, &client);
    splitter = client;
    splitter.right = Scaled(kSplitterWidth);
    FillRect(dc, &splitter, GetSysColorBrush(COLOR_BTNFACE));
    // Edged like a bar, so it can be found to be dragged.
    DrawEdge(dc, &splitter, EDGE_RAISED, BF_LEFT | BF_RIGHT);
    PaintPicture(dc);
    EndPaint(g_pane.window, &paint);
}

void ShowPreviewText()
{
    const bool japanese = IsJapaneseUi();
    std::wstring text;
    if (g_pane.preview) {
        text = PackagePreviewProblemText(*g_pane.preview, japanese);
        if (g_pane.preview->state == PreviewShown)
            text += (text.empty() ? L"" : L"\r\n") + PackageFactsText(*g_pane.preview, japanese);
    }
    SetWindowTextW(g_pane.text, text.c_str());
}

// The picture is kept no larger than the screen, where it is fitted to the pane: a hostile view
// of 64 megapixels is reduced once, on the worker, not at every resize.
void ReducePicture(SkinPicture* picture, int width, int height)
{
    FittedPicture reduced;
    FitSkinPicture(*picture, width, height, &reduced);
    picture->pixels.swap(reduced.pixels);
    picture->width = reduced.width;
    picture->height = reduced.height;
    std::vector<SkinDrawnElement>().swap(picture->elements);
}

void QueuePreview(const std::wstring& path, unsigned request)
{
    const HWND pane = g_pane.window;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    g_pane.workers.Queue([pane, request, path, width, height](SkinImageCache& cache, const std::atomic<bool>& cancel) {
        auto result = std::make_unique<PaneResult>();
        result->request = request;
        SkinRenderOptions options;
        options.cancel = &cancel;
        options.playerState = SkinPlayerPlaying;   // a skin as one sees it most
        options.japaneseUi = IsJapaneseUi();
        LoadPackagePreview(path, cache, &result->preview, options);
        if (cancel) return;
        ReducePicture(&result->preview.picture, width, height);
        PostAnswer(pane, WM_PREVIEW_DONE, std::move(result));
    });
}

void PreviewSelection()
{
    g_pane.selectionPending = false;
    if (!g_pane.settings.shown) return;
    const std::wstring path = SelectedPackagePath();
    std::wstring key;
    if (!path.empty() && !PackageFileKey(path, &key)) key = path;
    if (key == g_pane.shownKey) return;
    g_pane.shownKey = key;
    g_pane.preview.reset();
    ++g_pane.request;
    g_pane.workers.CancelAll();
    if (!path.empty()) QueuePreview(path, g_pane.request);
    ShowPreviewText();
    LayOutPane();
}

// Only the answer to the last request is shown: the selection may have moved on since.
void TakePreview(LPARAM lParam)
{
    std::unique_ptr<PaneResult> result = TakeAnswer<PaneResult>(lParam);
    if (result->request != g_pane.request || !g_pane.settings.shown) return;
    g_pane.preview = std::make_unique<PackagePreview>(std::move(result->preview));
    ShowPreviewText();
    LayOutPane();
}

void LayOutMainWindow()
{
    RECT client;
    GetClientRect(g_pane.parent, &client);
    SendMessageW(g_pane.parent, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

void SaveSettings()
{
    if (SavePreviewPaneSettings(g_pane.settings)) return;
    ShowMessage(g_pane.parent,
                IsJapaneseUi() ? L"プレビューの表示と幅を保存できませんでした。次回の起動では元に戻ります。"
                               : L"The preview pane's state and width could not be saved. The next start will not know them.",
                L"Ferncastle", MB_ICONWARNING);
}

void Drag(LPARAM position)
{
    POINT point = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    MapWindowPoints(g_pane.window, g_pane.parent, &point, 1);
    RECT client;
    GetClientRect(g_pane.parent, &client);
    const int dpi = ScreenDpi(g_pane.window);
    const int width = MulDiv(client.right - point.x, 96, dpi);
    g_pane.settings.width = ClampPreviewWidth(width, MulDiv(client.right, 96, dpi));
    LayOutMainWindow();
}

bool OverSplitter()
{
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(g_pane.window, &cursor);
    return cursor.x < Scaled(kSplitterWidth);
}

LRESULT CALLBACK PreviewPaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_SIZE: LayOutPane(); return 0;
    case WM_CTLCOLORSTATIC: return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_PREVIEW_SELECTION: PreviewSelection(); return 0;
    case WM_PREVIEW_DONE: TakePreview(lParam); return 0;
    case WM_SETCURSOR:
        if (!OverSplitter()) break;
        SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
        return TRUE;
    case WM_LBUTTONDOWN:
        if (!OverSplitter()) break;
        g_pane.dragging = true;
        SetCapture(window);
        return 0;
    case WM_MOUSEMOVE:
        if (g_pane.dragging) Drag(lParam);
        return 0;
    case WM_LBUTTONUP: ReleaseCapture(); return 0;
    case WM_CAPTURECHANGED:
        if (g_pane.dragging) SaveSettings();
        g_pane.dragging = false;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CheckPreviewCommand()
{
    const UINT check = g_pane.settings.shown ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(GetMenu(g_pane.parent), IDM_PREVIEW, MF_BYCOMMAND | check);
}

}  // namespace

HWND CreatePreviewPane(HWND parent, HWND list)
{
    g_pane.parent = parent;
    g_pane.list = list;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PreviewPaneProc;
    wc.hInstance = g_hInstance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = kPaneClass;
    RegisterClassExW(&wc);
    g_pane.settings = LoadPreviewPaneSettings();
    g_pane.window = CreateWindowExW(0, kPaneClass, L"", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                                    reinterpret_cast<HMENU>(IDC_PREVIEW_PANE), g_hInstance, nullptr);
    if (!g_pane.window) return nullptr;
    g_pane.text = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                                  g_pane.window, reinterpret_cast<HMENU>(IDC_PREVIEW_TEXT), g_hInstance, nullptr);
    g_pane.workers.Start(1, kCacheBytes);
    SendMessageW(g_pane.text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    CheckPreviewCommand();
    return g_pane.window;
}

void TogglePreviewPane()
{
    g_pane.settings.shown = !g_pane.settings.shown;
    CheckPreviewCommand();
    SaveSettings();
    g_pane.shownKey = L"\n";   // no key: the selection is read again
    LayOutMainWindow();
    if (g_pane.settings.shown)
        PreviewSelection();
    else
        g_pane.workers.CancelAll();
}

void PlaceListAndPreview(int left, int top, int width, int height)
{
    int paneWidth = 0;
    if (g_pane.settings.shown && g_pane.window) {
        const int dpi = ScreenDpi(g_pane.window);
        paneWidth = std::min(width, ScaleForDpi(ClampPreviewWidth(g_pane.settings.width, MulDiv(width, 96, dpi)), dpi));
        MoveWindow(g_pane.window, left + width - paneWidth, top, paneWidth, height, TRUE);
    }
    if (g_pane.window) ShowWindow(g_pane.window, paneWidth > 0 ? SW_SHOWNA : SW_HIDE);
    MoveWindow(g_pane.list, left, top, width - paneWidth, height, TRUE);
}

void StopPreviewPane() { g_pane.workers.AskToStop(); }

void WaitForPreviewPane(DWORD milliseconds)
{
    g_pane.workers.Stop(milliseconds);
    DiscardAnswers<PaneResult>(g_pane.window, WM_PREVIEW_DONE);
}

void PreviewSelectionLater()
{
    if (!g_pane.settings.shown || g_pane.selectionPending) return;
    g_pane.selectionPending = PostMessageW(g_pane.window, WM_PREVIEW_SELECTION, 0, 0) != 0;
}
