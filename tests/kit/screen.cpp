// Pixels from the screen: screenshots, and telling a message box's icon by its look.
#include "kit.h"
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace kit {
namespace {

struct Pixels {
    int width = 0, height = 0;
    std::vector<DWORD> bgra;  // top-down rows
};

// Renders into a 32-bit top-down DIB with the given painter.
template <class Paint>
Pixels Render(int width, int height, Paint paint)
{
    Pixels px;
    px.width = width;
    px.height = height;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp || !mem) {
        if (mem)
            DeleteDC(mem);
        ReleaseDC(nullptr, screen);
        throw Failure(L"cannot create a bitmap of " + std::to_wstring(width) + L"x" +
                      std::to_wstring(height));
    }
    HGDIOBJ old = SelectObject(mem, bmp);
    paint(mem, screen);
    GdiFlush();
    auto* p = static_cast<const DWORD*>(bits);
    px.bgra.assign(p, p + static_cast<size_t>(width) * height);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return px;
}

Pixels Capture(const RECT& r)
{
    return Render(r.right - r.left, r.bottom - r.top, [&](HDC mem, HDC screen) {
        BitBlt(mem, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    });
}

Pixels Reference(LPCWSTR id, int width, int height)
{
    return Render(width, height, [&](HDC mem, HDC) {
        RECT all = {0, 0, width, height};
        FillRect(mem, &all, GetSysColorBrush(COLOR_3DFACE));
        DrawIconEx(mem, 0, 0, LoadIconW(nullptr, id), 0, 0, 0, nullptr, DI_NORMAL);
    });
}

// Mean absolute difference per colour channel, 0..255.
double Distance(const Pixels& a, const Pixels& b)
{
    long long sum = 0;
    for (size_t i = 0; i < a.bgra.size(); ++i)
        for (int shift = 0; shift < 24; shift += 8)
            sum += std::abs(static_cast<int>((a.bgra[i] >> shift) & 0xFF) -
                            static_cast<int>((b.bgra[i] >> shift) & 0xFF));
    return static_cast<double>(sum) / (3.0 * static_cast<double>(a.bgra.size()));
}

// A window shown a moment ago may not have painted its children yet; asking it to
// paint could hang on a stuck program, so wait until two captures agree instead.
// The picture once it has stopped changing for a few frames: a dialog that has just
// opened may not have painted yet, and one unchanged frame proves nothing.
Pixels Settled(const RECT& r)
{
    Pixels last = Capture(r);
    int stableFrames = 0;
    WaitUntil(
        [&] {
            Pixels now = Capture(r);
            stableFrames = now.bgra == last.bgra ? stableFrames + 1 : 0;
            last = std::move(now);
            return stableFrames >= 5;
        },
        Ms(2000));
    return last;
}

void SaveBmp(const std::wstring& path, const Pixels& px)
{
    int stride = (px.width * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    ih.biSize = sizeof ih;
    ih.biWidth = px.width;
    ih.biHeight = px.height;  // bottom-up, as every viewer expects
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biSizeImage = static_cast<DWORD>(stride) * px.height;
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + ih.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&fh), sizeof fh);
    bytes.append(reinterpret_cast<const char*>(&ih), sizeof ih);
    std::string row(stride, '\0');
    for (int y = px.height - 1; y >= 0; --y) {
        for (int x = 0; x < px.width; ++x) {
            DWORD c = px.bgra[static_cast<size_t>(y) * px.width + x];
            row[x * 3] = static_cast<char>(c & 0xFF);
            row[x * 3 + 1] = static_cast<char>((c >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>((c >> 16) & 0xFF);
        }
        bytes += row;
    }
    WriteBytes(path, bytes);
}

}  // namespace

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

COLORREF ScreenPixel(HWND window, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    const RECT one = {point.x, point.y, point.x + 1, point.y + 1};
    const DWORD pixel = Capture(one).bgra[0];
    return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
}

std::wstring SaveScreen(const std::wstring& name, HWND window)
{
    RECT r = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window && !GetWindowRect(window, &r))
        throw Failure(L"no window to take a screenshot of: " + name);
    if (window) {
        // Let the window's thread finish what it is doing, then paint everything now.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    std::wstring dir = ProgramPath(L"..\\screenshots");
    CreateDirectoryW(dir.c_str(), nullptr);
    std::wstring file = name;
    for (wchar_t& c : file)
        if (wcschr(L"\\/:*?\"<>|", c))
            c = L'_';
    std::wstring path = dir + L"\\" + file + L".bmp";
    wchar_t full[MAX_PATH] = {};
    GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    SaveBmp(full, Settled(r));
    return full;
}

std::wstring Screenshot(const std::wstring& name, HWND window)
{
    std::wstring path = SaveScreen(name, window);
    std::printf("screenshot: %s\n", Utf8(UnixPath(path)).c_str());
    std::fflush(stdout);
    return path;
}

COLORREF ClientPixel(const Window& window, int x, int y)
{
    POINT point = {x, y};
    if (!ClientToScreen(window.hwnd(), &point)) throw Failure(L"no client area: " + window.Describe());
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

void MoveMouseTo(const Window& window, int x, int y)
{
    POINT point = {x, y};
    if (!ClientToScreen(window.hwnd(), &point) || !SetCursorPos(point.x, point.y))
        throw Failure(L"cannot move the mouse onto " + window.Describe());
}

Icon Dialog::IconKind() const
{
    const double kMatchingIcon = 20.0;
    HWND icon = GetDlgItem(hwnd_, 1088);
    if (!icon || !IsWindowVisible(icon))
        return Icon::None;
    // The handle means nothing here (icons are per process in Wine), but NULL means none:
    // Wine leaves the static visible, blank, when the box has no icon.
    if (!Window(icon).Send(STM_GETICON))
        return Icon::None;
    RECT r;
    GetClientRect(icon, &r);
    MapWindowPoints(icon, nullptr, reinterpret_cast<POINT*>(&r), 2);
    if (r.right <= r.left || r.bottom <= r.top)
        return Icon::None;
    int w = r.right - r.left, h = r.bottom - r.top;
    static const struct { Icon kind; LPCWSTR id; } kIcons[] = {
        {Icon::Error, IDI_ERROR},
        {Icon::Warning, IDI_WARNING},
        {Icon::Question, IDI_QUESTION},
        {Icon::Information, IDI_INFORMATION},
    };
    Icon best = Icon::None;
    double bestDistance = 1e9;
    // Until the static has painted, the screen there shows what lay beneath the box, which
    // may be anything: look again until it matches one of the four or the time is up.
    WaitUntil([&] {
        Pixels shot = Capture(r);
        bestDistance = 1e9;
        for (const auto& candidate : kIcons) {
            double d = Distance(shot, Reference(candidate.id, w, h));
            if (d < bestDistance) {
                bestDistance = d;
                best = candidate.kind;
            }
        }
        return bestDistance <= kMatchingIcon;
    });
    // Identical images give 0; a foreign icon or a covered box is far from all four.
    if (bestDistance > kMatchingIcon)
        throw Failure(L"the icon of " + Describe() + L" looks like none of the four (" +
                      std::to_wstring(bestDistance) + L")");
    return best;
}

}  // namespace kit
