// The skin preview window: a VIEW of the document drawn by the skin renderer on a worker
// thread, its view and zoom choices, the element under the mouse and the one whose tag holds
// the caret, and its PNG copy.
#include "skin_preview_window.h"

#include "editor_context.h"
#include "message_box.h"
#include "packager_command.h"
#include "posted_answer.h"
#include "preview_settings.h"
#include "resource.h"
#include "screen_dpi.h"
#include "skin_preview_jobs.h"
#include "skin_preview_logic.h"
#include "skin_render.h"
#include "window_text.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace {

const wchar_t kCaption[] = L"Quillmere";   // of its message boxes
const wchar_t kPictureClass[] = L"QuillpadSkinPicture";
const UINT_PTR kPollTimer = 1;
const UINT kPollPeriod = 100;      // ms
const DWORD kQuietPeriod = 300;    // ms without a change before the picture is drawn again
const int kZoomChoices[] = {100, 200, 0};   // 0: fit the window
const SkinPlayerState kStateChoices[] = {SkinPlayerPlaying, SkinPlayerPaused, SkinPlayerStopped};
const int kOutlineWidth = 2;
// Larger pictures are shrunk to fit by sampling, not by averaging: painting stays quick.
const long long kHalftoneMostPixels = 4 << 20;
// How long closing waits for the workers.
const DWORD kStopWait = 500;
const size_t kSaveCacheBytes = 64u << 20;

struct Preview {
    // The editor's, which outlive the preview: its text and caret are read live, and the
    // document's path as Save As changes it.
    const EditorWindow* editor = nullptr;
    const EditorDocument* document = nullptr;
    HWND dialog = nullptr;
    HWND picture = nullptr;
    // Renders for the window, each calling off the last; saves beside them, never called off by one.
    SkinWorkers renders, saves;
    unsigned asked = 0;            // the number of the last render asked for
    bool sizePending = true;       // the window takes the first picture's size
    SkinPicture rendered;          // its pixels moved to shown
    std::vector<uint32_t> shown;   // the picture over a checkerboard, as painted
    std::wstring seenText, seenFolder;
    std::wstring renderedText, renderedFolder;
    bool drawn = false;
    DWORD changedAt = 0;
    std::vector<SkinViewEntry> views;
    int viewIndex = 0;
    SkinPreviewSettings settings = LoadSkinPreviewSettings();
    SkinPictureLayout layout;
    int scrollX = 0, scrollY = 0;
    size_t hoveredOffset = SIZE_MAX;
    bool tracking = false;
    DWORD caretStart = MAXDWORD;
    SkinElementHit caretHit;
};

std::unique_ptr<Preview> g_preview;

void RefreshHover(Preview& preview);

std::wstring DocumentFolder(const Preview& preview)
{
    return SkinFolderOfDocument(preview.document->path);
}

// The element's name has the whole line unless something went wrong: then they share it.
void PlaceStatusParts(HWND status)
{
    RECT client;
    GetClientRect(status, &client);
    bool problems = LOWORD(SendMessageW(status, SB_GETTEXTLENGTHW, 1, 0)) != 0;
    int parts[2] = {problems ? client.right / 2 : client.right, -1};
    SendMessageW(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

void SetStatus(int part, const std::wstring& text)
{
    HWND status = GetDlgItem(g_preview->dialog, IDC_PREVIEW_STATUS);
    SendMessageW(status, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
    if (part == 1) PlaceStatusParts(status);
}

RECT PictureArea()
{
    RECT area = {};
    GetClientRect(g_preview->picture, &area);
    return area;
}

void UpdateScrollBars(Preview& preview)
{
    RECT area = PictureArea();
    preview.layout = LayOutSkinPicture(preview.rendered.width, preview.rendered.height, preview.settings.zoom,
                                       area.right, area.bottom);
    preview.scrollX = std::max(0, std::min(preview.scrollX, preview.layout.width - static_cast<int>(area.right)));
    preview.scrollY = std::max(0, std::min(preview.scrollY, preview.layout.height - static_cast<int>(area.bottom)));
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMax = preview.settings.zoom ? preview.layout.width - 1 : 0;
    info.nPage = area.right;
    info.nPos = preview.scrollX;
    SetScrollInfo(preview.picture, SB_HORZ, &info, TRUE);
    info.nMax = preview.settings.zoom ? preview.layout.height - 1 : 0;
    info.nPage = area.bottom;
    info.nPos = preview.scrollY;
    SetScrollInfo(preview.picture, SB_VERT, &info, TRUE);
}

std::wstring ViewLabel(const SkinViewEntry& view)
{
    if (!view.id.empty()) return view.id;
    if (!view.title.empty()) return view.title;
    return L"VIEW " + std::to_wstring(view.index + 1);
}

// The VIEWs the worker found, and the one it drew.
void ShowViews(Preview& preview, std::vector<SkinViewEntry> views, int chosen)
{
    bool same = views.size() == preview.views.size() &&
                std::equal(views.begin(), views.end(), preview.views.begin(),
                           [](const SkinViewEntry& a, const SkinViewEntry& b) { return ViewLabel(a) == ViewLabel(b); });
    preview.views = std::move(views);
    preview.viewIndex = chosen;
    HWND combo = GetDlgItem(preview.dialog, IDC_PREVIEW_VIEW);
    if (!same) {
        SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (const SkinViewEntry& view : preview.views)
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ViewLabel(view).c_str()));
    }
    SendMessageW(combo, CB_SETCURSEL, preview.views.empty() ? -1 : chosen, 0);
}

RenderQuestion Question(const Preview& preview)
{
    RenderQuestion question;
    question.text = preview.renderedText;
    question.folder = preview.renderedFolder;
    question.viewIndex = preview.viewIndex;
    if (preview.viewIndex < static_cast<int>(preview.views.size())) question.viewId = preview.views[preview.viewIndex].id;
    question.hoveredOffset = preview.hoveredOffset;
    question.playerState = preview.settings.playerState;
    return question;
}

// The picture follows when the worker has drawn it; until then the last one stays. With
// listViews the VIEWs are listed again and the element under the mouse looked for again.
void Redraw(Preview& preview, bool listViews = false)
{
    RenderQuestion question = Question(preview);
    question.number = ++preview.asked;
    question.listViews = listViews;
    QueueRender(preview.renders, preview.dialog, question);
}

// The document as it now stands; the views and the picture follow it.
void RedrawDocument(Preview& preview)
{
    preview.renderedText = preview.seenText;
    preview.renderedFolder = preview.seenFolder;
    preview.drawn = true;
    preview.hoveredOffset = SIZE_MAX;   // offsets of the old text mean nothing in the new
    Redraw(preview, true);
}

void SizeToPicture(Preview& preview);

// Only the last render asked for is shown: the document, the view or the hover may have moved on.
void TakeRender(Preview& preview, LPARAM lParam)
{
    std::unique_ptr<RenderAnswer> answer = TakeAnswer<RenderAnswer>(lParam);
    if (answer->number != preview.asked) return;
    if (answer->listedViews) ShowViews(preview, std::move(answer->views), answer->viewIndex);
    preview.rendered = std::move(answer->picture);
    preview.shown.swap(preview.rendered.pixels);
    std::vector<uint32_t>().swap(preview.rendered.pixels);
    preview.caretHit = SkinElementAtOffset(preview.rendered, preview.caretStart);
    SetStatus(1, SkinProblemsStatusText(preview.rendered, !preview.renderedFolder.empty()));
    if (preview.sizePending) {
        preview.sizePending = false;
        SizeToPicture(preview);
    }
    UpdateScrollBars(preview);
    InvalidateRect(preview.picture, nullptr, FALSE);
    if (answer->listedViews) RefreshHover(preview);
}

void TakeSave(Preview& preview, LPARAM lParam)
{
    std::unique_ptr<SaveAnswer> answer = TakeAnswer<SaveAnswer>(lParam);
    if (answer->empty) {
        ShowMessage(preview.dialog, L"保存できる画像がありません。", kCaption, MB_ICONWARNING);
    } else if (!answer->saved) {
        std::wstring text = L"画像を保存できませんでした。\n" + answer->path + L"\n\n" + SystemErrorText(answer->error);
        ShowMessage(preview.dialog, text.c_str(), kCaption, MB_ICONERROR);
    } else {
        SetStatus(0, L"画像を保存しました: " + answer->path);
    }
}

void FollowCaret(Preview& preview)
{
    DWORD start = 0, end = 0;
    SendMessageW(preview.editor->edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == preview.caretStart) return;
    preview.caretStart = start;
    SkinElementHit hit = SkinElementAtOffset(preview.rendered, start);
    if (hit == preview.caretHit) return;
    preview.caretHit = hit;
    InvalidateRect(preview.picture, nullptr, FALSE);
}

// Polled rather than told: the document also changes through WM_SETTEXT (open, insertion),
// which sends a multi-line edit control no EN_CHANGE.
void OnPollTimer(Preview& preview)
{
    if (IsIconic(preview.dialog)) return;
    std::wstring text = WholeWindowText(preview.editor->edit);
    std::wstring folder = DocumentFolder(preview);
    DWORD now = GetTickCount();
    if (text != preview.seenText || folder != preview.seenFolder) {
        preview.seenText = std::move(text);
        preview.seenFolder = std::move(folder);
        preview.changedAt = now;
    } else if (now - preview.changedAt >= kQuietPeriod &&
               (!preview.drawn || preview.seenText != preview.renderedText ||
                preview.seenFolder != preview.renderedFolder)) {
        RedrawDocument(preview);
    }
    FollowCaret(preview);
}

void PaintOutline(HDC dc, const Preview& preview)
{
    SkinRect rect = SkinHitRect(preview.rendered, preview.caretHit);
    if (rect.Empty()) return;
    double scale = preview.layout.scale;
    int x = preview.scrollX, y = preview.scrollY;
    RECT outline = {static_cast<int>(rect.left * scale) - x, static_cast<int>(rect.top * scale) - y,
                    static_cast<int>(rect.right * scale) - x, static_cast<int>(rect.bottom * scale) - y};
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 128));
    for (int ring = 0; ring < kOutlineWidth; ++ring) {
        FrameRect(dc, &outline, brush);
        InflateRect(&outline, -1, -1);
    }
    DeleteObject(brush);
}

// At 100 % and 200 % only the rows in sight are handed over: a view may be 64 megapixels.
void PaintPixels(HDC dc, const Preview& preview, const RECT& area)
{
    const SkinPicture& picture = preview.rendered;
    const double scale = preview.layout.scale;
    int firstRow = 0, rows = picture.height;
    if (preview.settings.zoom > 0) {
        firstRow = std::min(picture.height, static_cast<int>(preview.scrollY / scale));
        rows = std::min(picture.height - firstRow, static_cast<int>(area.bottom / scale) + 2);
    }
    if (rows <= 0) return;
    BITMAPINFO info = TopDownPixelsInfo(picture.width, rows);
    const bool halftone = scale < 1.0 && static_cast<long long>(picture.width) * picture.height <= kHalftoneMostPixels;
    SetStretchBltMode(dc, halftone ? HALFTONE : COLORONCOLOR);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    const int top = static_cast<int>(firstRow * scale) - preview.scrollY;
    const int height = preview.settings.zoom > 0 ? static_cast<int>(rows * scale) : preview.layout.height;
    StretchDIBits(dc, -preview.scrollX, top, preview.layout.width, height, 0, 0, picture.width, rows,
                  &preview.shown[static_cast<size_t>(firstRow) * picture.width], &info, DIB_RGB_COLORS, SRCCOPY);
}

void PaintPicture(HWND window)
{
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window, &paint);
    RECT area = PictureArea();
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max(1L, area.right), std::max(1L, area.bottom));
    HGDIOBJ old = SelectObject(dc, bitmap);
    FillRect(dc, &area, GetSysColorBrush(COLOR_APPWORKSPACE));
    const Preview& preview = *g_preview;
    if (!preview.shown.empty() && preview.rendered.width > 0) {
        PaintPixels(dc, preview, area);
        PaintOutline(dc, preview);
    }
    BitBlt(screen, 0, 0, area.right, area.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EndPaint(window, &paint);
}

SkinElementHit HitAt(const Preview& preview, LPARAM point)
{
    int x = 0, y = 0;
    if (!SkinViewPixelAt(preview.layout, preview.rendered.width, preview.rendered.height,
                         GET_X_LPARAM(point) + preview.scrollX, GET_Y_LPARAM(point) + preview.scrollY, &x, &y))
        return SkinElementHit();
    return SkinElementAtPoint(preview.rendered, x, y);
}

void Hover(Preview& preview, const SkinElementHit& hit)
{
    SetStatus(0, SkinHitStatusText(preview.rendered, hit));
    size_t offset = SkinHoverOffset(preview.rendered, hit);
    if (offset == preview.hoveredOffset) return;
    preview.hoveredOffset = offset;
    Redraw(preview);
}

// Whatever shows a hover look asks for the leave, or the look stays after the mouse has gone.
void TrackLeave(Preview& preview)
{
    if (preview.tracking) return;
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = preview.picture;
    preview.tracking = TrackMouseEvent(&track) != FALSE;
}

void OnMouseMove(Preview& preview, LPARAM point)
{
    TrackLeave(preview);
    Hover(preview, HitAt(preview, point));
}

// After the picture moved under a still mouse: what is under it now.
void RefreshHover(Preview& preview)
{
    POINT cursor;
    RECT area = PictureArea();
    if (!GetCursorPos(&cursor) || !ScreenToClient(preview.picture, &cursor) || !PtInRect(&area, cursor)) {
        Hover(preview, SkinElementHit());
        return;
    }
    TrackLeave(preview);
    Hover(preview, HitAt(preview, MAKELPARAM(cursor.x, cursor.y)));
}

// The tag of the element clicked is selected in the document, as the skin check goes to a line.
void OnClick(Preview& preview, LPARAM point)
{
    SkinTagPlace place = SkinHitPlace(preview.rendered, HitAt(preview, point));
    if (place.length == 0 || preview.renderedText != WholeWindowText(preview.editor->edit)) return;
    SendMessageW(preview.editor->edit, EM_SETSEL, place.offset, place.offset + place.length);
    SendMessageW(preview.editor->edit, EM_SCROLLCARET, 0, 0);
    FollowCaret(preview);
}

void Scroll(Preview& preview, int bar, WPARAM request)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(preview.picture, bar, &info);
    int position = info.nPos, line = 16;
    switch (LOWORD(request)) {
    case SB_LINEUP:        position -= line; break;
    case SB_LINEDOWN:      position += line; break;
    case SB_PAGEUP:        position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN:      position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    default: return;
    }
    (bar == SB_HORZ ? preview.scrollX : preview.scrollY) = position;
    UpdateScrollBars(preview);
    InvalidateRect(preview.picture, nullptr, FALSE);
    RefreshHover(preview);
}

LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!g_preview || g_preview->picture != window) return DefWindowProcW(window, message, wParam, lParam);
    Preview& preview = *g_preview;
    switch (message) {
    case WM_PAINT:       PaintPicture(window); return 0;
    case WM_ERASEBKGND:  return 1;
    case WM_MOUSEMOVE:   OnMouseMove(preview, lParam); return 0;
    case WM_MOUSELEAVE:
        preview.tracking = false;
        Hover(preview, SkinElementHit());
        return 0;
    case WM_LBUTTONDOWN: OnClick(preview, lParam); return 0;
    case WM_HSCROLL:     Scroll(preview, SB_HORZ, wParam); return 0;
    case WM_VSCROLL:     Scroll(preview, SB_VERT, wParam); return 0;
    case WM_SIZE:
        UpdateScrollBars(preview);
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterPictureClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(instance, kPictureClass, &windowClass)) return true;
    windowClass.lpfnWndProc = PictureProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kPictureClass;
    return RegisterClassExW(&windowClass) != 0;
}

std::wstring DefaultImageName(const Preview& preview)
{
    std::wstring name = preview.viewIndex < static_cast<int>(preview.views.size())
                            ? ViewLabel(preview.views[preview.viewIndex]) : L"view";
    for (wchar_t& c : name)
        if (wcschr(L"\\/:*?\"<>|", c)) c = L'_';
    return name + L".png";
}

// The picture without any hover look, the same pixels as shown at 100 %, drawn and written
// by a worker; its answer says how it went.
void SaveAsImage(Preview& preview)
{
    if (!preview.rendered.viewFound || preview.shown.empty()) {
        ShowMessage(preview.dialog, L"保存できる画像がありません。", kCaption, MB_ICONWARNING);
        return;
    }
    wchar_t path[MAX_PATH] = {};
    std::wstring name = DefaultImageName(preview);
    if (name.size() < _countof(path)) name.copy(path, name.size());
    std::wstring folder = preview.renderedFolder;
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = preview.dialog;
    dialog.lpstrFilter = L"PNG 画像 (*.png)\0*.png\0すべてのファイル (*.*)\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = _countof(path);
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = L"png";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog)) return;
    QueueSave(preview.saves, preview.dialog, Question(preview), path);
}

void LayOut(HWND dialog, int width, int height)
{
    HWND status = GetDlgItem(dialog, IDC_PREVIEW_STATUS), picture = GetDlgItem(dialog, IDC_PREVIEW_PICTURE);
    HWND save = GetDlgItem(dialog, IDC_PREVIEW_SAVE);
    if (!status || !picture || !save) return;   // sized before its controls exist
    SendMessageW(status, WM_SIZE, 0, MAKELPARAM(width, height));
    PlaceStatusParts(status);
    RECT statusRect, saveRect;
    GetWindowRect(status, &statusRect);
    GetWindowRect(save, &saveRect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&saveRect), 2);
    int top = saveRect.bottom + (saveRect.top > 0 ? saveRect.top : 0);
    MoveWindow(picture, 0, top, width, height - (statusRect.bottom - statusRect.top) - top, TRUE);
}

// Opens large enough to show the view at 100 %, as far as the screen allows.
void SizeToPicture(Preview& preview)
{
    RECT area = PictureArea(), window;
    GetWindowRect(preview.dialog, &window);
    int wider = std::max(0, preview.rendered.width - static_cast<int>(area.right));
    int taller = std::max(0, preview.rendered.height - static_cast<int>(area.bottom));
    if (wider == 0 && taller == 0) return;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(preview.dialog, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT& work = monitor.rcWork;
    int width = std::min<int>(window.right - window.left + wider, work.right - work.left);
    int height = std::min<int>(window.bottom - window.top + taller, work.bottom - work.top);
    int left = std::max<int>(work.left, std::min<int>(window.left, work.right - width));
    int top = std::max<int>(work.top, std::min<int>(window.top, work.bottom - height));
    SetWindowPos(preview.dialog, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Asked to stop together, then waited for within one bound; answers not yet taken go.
void StopWorkers(Preview& preview)
{
    preview.renders.AskToStop();
    preview.saves.AskToStop();
    const DWORD start = GetTickCount();
    preview.renders.Stop(kStopWait);
    preview.saves.Stop(kStopWait - std::min(kStopWait, GetTickCount() - start));
    DiscardAnswers<RenderAnswer>(preview.dialog, WM_PREVIEW_RENDERED);
    DiscardAnswers<SaveAnswer>(preview.dialog, WM_PREVIEW_SAVED);
}

void OnInitDialog(HWND dialog)
{
    g_preview->dialog = dialog;
    // Made here, not in the template, so the template needs no class of ours to be made.
    g_preview->picture = CreateWindowExW(0, kPictureClass, L"", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0,
                                         0, 0, dialog, reinterpret_cast<HMENU>(IDC_PREVIEW_PICTURE), g_preview->editor->instance,
                                         nullptr);
    const SkinPreviewSettings& settings = g_preview->settings;
    HWND zoom = GetDlgItem(dialog, IDC_PREVIEW_ZOOM);
    for (const wchar_t* label : {L"100 %", L"200 %", L"ウィンドウに合わせる"})
        SendMessageW(zoom, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
    SendMessageW(zoom, CB_SETCURSEL, std::find(kZoomChoices, std::end(kZoomChoices), settings.zoom) - kZoomChoices, 0);
    HWND state = GetDlgItem(dialog, IDC_PREVIEW_STATE);
    for (const wchar_t* label : {L"再生中", L"一時停止中", L"停止中"})
        SendMessageW(state, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
    SendMessageW(state, CB_SETCURSEL,
                 std::find(kStateChoices, std::end(kStateChoices), settings.playerState) - kStateChoices, 0);
    RECT client;
    GetClientRect(dialog, &client);
    LayOut(dialog, client.right, client.bottom);
    SetTimer(dialog, kPollTimer, kPollPeriod, nullptr);
}

void SaveSettings(const Preview& preview)
{
    if (SaveSkinPreviewSettings(preview.settings)) return;
    ShowMessage(preview.dialog, L"プレビューの設定を保存できませんでした。次回の起動では元に戻ります。", kCaption,
                MB_ICONWARNING);
}

void OnCommand(Preview& preview, int id, int code)
{
    switch (id) {
    case IDC_PREVIEW_VIEW:
        if (code != CBN_SELCHANGE) return;
        preview.viewIndex = std::max(0, static_cast<int>(SendDlgItemMessageW(preview.dialog, id, CB_GETCURSEL, 0, 0)));
        preview.scrollX = preview.scrollY = 0;
        preview.hoveredOffset = SIZE_MAX;
        Redraw(preview, true);   // the element under the mouse is looked for in the new picture
        return;
    case IDC_PREVIEW_ZOOM: {
        if (code != CBN_SELCHANGE) return;
        LRESULT choice = SendDlgItemMessageW(preview.dialog, id, CB_GETCURSEL, 0, 0);
        if (choice >= 0 && choice < static_cast<LRESULT>(_countof(kZoomChoices))) preview.settings.zoom = kZoomChoices[choice];
        SaveSettings(preview);
        UpdateScrollBars(preview);
        InvalidateRect(preview.picture, nullptr, FALSE);
        RefreshHover(preview);
        return;
    }
    case IDC_PREVIEW_STATE: {
        if (code != CBN_SELCHANGE) return;
        LRESULT choice = SendDlgItemMessageW(preview.dialog, id, CB_GETCURSEL, 0, 0);
        if (choice < 0 || choice >= static_cast<LRESULT>(_countof(kStateChoices))) return;
        preview.settings.playerState = kStateChoices[choice];
        SaveSettings(preview);
        Redraw(preview, true);   // elements may come and go: the one under the mouse is looked for again
        return;
    }
    case IDC_PREVIEW_SAVE: SaveAsImage(preview); return;
    case IDCANCEL:         DestroyWindow(preview.dialog); return;
    }
}

INT_PTR CALLBACK SkinPreviewDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        OnInitDialog(dialog);
        return TRUE;
    }
    if (!g_preview || g_preview->dialog != dialog) return FALSE;
    Preview& preview = *g_preview;
    switch (message) {
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) LayOut(dialog, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_GETMINMAXINFO:
        SetLeastDialogSize(dialog, 200, 80, reinterpret_cast<MINMAXINFO*>(lParam));
        return TRUE;
    case WM_TIMER:
        if (wParam == kPollTimer) OnPollTimer(preview);
        return TRUE;
    case WM_ACTIVATE:
        // Back from a paint program: images changed on disk are read again.
        if (LOWORD(wParam) != WA_INACTIVE && preview.drawn) Redraw(preview);
        return FALSE;
    case WM_PREVIEW_RENDERED:
        TakeRender(preview, lParam);
        return TRUE;
    case WM_PREVIEW_SAVED:
        TakeSave(preview, lParam);
        return TRUE;
    case WM_COMMAND:
        OnCommand(preview, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        KillTimer(dialog, kPollTimer);
        StopWorkers(preview);
        return TRUE;
    case WM_NCDESTROY:
        g_preview.reset();
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void ShowSkinPreview(const EditorWindow& editor, const EditorDocument& document)
{
    HWND owner = editor.main;
    if (g_preview) {
        ShowWindow(g_preview->dialog, IsIconic(g_preview->dialog) ? SW_RESTORE : SW_SHOW);
        SetActiveWindow(g_preview->dialog);
        return;
    }
    if (!RegisterPictureClass(editor.instance)) {
        ShowMessage(owner, L"プレビューを表示できませんでした。", kCaption, MB_ICONWARNING);
        return;
    }
    g_preview = std::make_unique<Preview>();
    g_preview->editor = &editor;
    g_preview->document = &document;
    // The editor's own cache, as before the renders moved off its thread.
    if (!g_preview->renders.Start(1, 256u << 20) || !g_preview->saves.Start(1, kSaveCacheBytes)) {
        g_preview.reset();
        ShowMessage(owner, L"プレビューを表示できませんでした。", kCaption, MB_ICONWARNING);
        return;
    }
    HWND dialog = CreateDialogParamW(editor.instance, MAKEINTRESOURCEW(IDD_SKIN_PREVIEW), owner, SkinPreviewDialogProc, 0);
    if (dialog && !g_preview->picture) DestroyWindow(dialog);
    if (!dialog || !g_preview) {
        g_preview.reset();
        ShowMessage(owner, L"プレビューを表示できませんでした。", kCaption, MB_ICONWARNING);
        return;
    }
    // Drawn at once, not after the pause that typing waits for.
    g_preview->seenText = WholeWindowText(editor.edit);
    g_preview->seenFolder = DocumentFolder(*g_preview);
    RedrawDocument(*g_preview);
    ShowWindow(g_preview->dialog, SW_SHOW);
}
