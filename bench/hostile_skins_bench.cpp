// Times what a package costs and measures the most memory it takes, one measure a process so
// each peak is its own: "render PACKAGE" (the pane's preview), "thumbnails FOLDER" (Ferncastle's
// thumbnail pass, two threads), "check PACKAGE" (the package check); "fennick SKINS" drives the
// real Fennick.exe over a folder of them: the longest its window took to answer, and its close.
#include "package_check.h"
#include "skin_package.h"
#include "skin_workers.h"

#include "fennick_driver.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kThumbnailSide = 64;
const size_t kThumbnailRenderBytes = 96u << 20;
const UINT kViewIcon = 32772;
const int kListId = 200, kPaneId = 204, kPaneTextId = 205;

double PeakMegabytes(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, &counters, sizeof(counters))) return 0;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1 << 20);
}

// The limits the render met, as the pane says them, on one line.
std::string Said(const PackagePreview& preview)
{
    std::wstring text = PackagePreviewProblemText(preview, false);
    std::replace(text.begin(), text.end(), L'\r', L' ');
    text.erase(std::remove(text.begin(), text.end(), L'\n'), text.end());
    return std::string(text.begin(), text.end());
}

int Render(const std::wstring& path)
{
    SkinImageCache cache(64u << 20);
    PackagePreview preview;
    const double from = Now();
    LoadPackagePreview(path, cache, &preview);
    const double took = Now() - from;
    std::printf("%.0f ms, peak %.0f MB, %dx%d, %s\n", took * 1000, PeakMegabytes(GetCurrentProcess()),
                preview.picture.width, preview.picture.height, Said(preview).c_str());
    return 0;
}

int Thumbnails(const std::wstring& folder)
{
    const std::vector<std::wstring> packages = PackagesIn(folder);
    SkinWorkers workers;
    workers.Start(2, 32u << 20);
    std::atomic<int> done(0);
    const double from = Now();
    for (const std::wstring& path : packages)
        workers.Queue([path, &done](SkinImageCache& cache, const std::atomic<bool>& cancel) {
            PackagePreview preview;
            SkinRenderOptions options;
            options.cancel = &cancel;
            options.memoryBudget = kThumbnailRenderBytes;
            LoadPackagePreview(path, cache, &preview, options);
            FittedPicture fitted;
            FitSkinPicture(preview.picture, kThumbnailSide, kThumbnailSide, &fitted);
            ++done;
        });
    while (done < static_cast<int>(packages.size())) Sleep(1);
    const double took = Now() - from;
    workers.Stop(1000);
    std::printf("%.0f ms for %zu, peak %.0f MB\n", took * 1000, packages.size(), PeakMegabytes(GetCurrentProcess()));
    return 0;
}

int Check(const std::wstring& path)
{
    std::vector<PackageFinding> findings;
    const double from = Now();
    const ZipReadError error = CheckSkinPackage(path, false, &findings);
    const double took = Now() - from;
    std::printf("%.0f ms, peak %.0f MB, %zu findings%s\n", took * 1000, PeakMegabytes(GetCurrentProcess()),
                findings.size(), error == ZipReadOk ? "" : ", not read");
    return 0;
}

// Column 0 of an item, read through memory in Fennick's process.
void ListView_GetItemTextRemote(HANDLE process, HWND list, int index, wchar_t (&name)[MAX_PATH])
{
    struct Block {
        LVITEMW item;
        wchar_t text[MAX_PATH];
    };
    auto* block = static_cast<Block*>(VirtualAllocEx(process, nullptr, sizeof(Block), MEM_COMMIT, PAGE_READWRITE));
    LVITEMW item = {};
    item.iSubItem = 0;
    item.cchTextMax = MAX_PATH;
    item.pszText = block->text;
    WriteProcessMemory(process, &block->item, &item, sizeof(item), nullptr);
    SendMessageW(list, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&block->item));
    ReadProcessMemory(process, block->text, name, sizeof(name), nullptr);
    VirtualFreeEx(process, block, 0, MEM_RELEASE);
}

std::wstring PaneText(HWND window)
{
    wchar_t text[512] = L"";
    GetWindowTextW(GetDlgItem(GetDlgItem(window, kPaneId), kPaneTextId), text, _countof(text));
    return text;
}

// How long the window takes to answer a message that asks nothing.
double Answer(HWND window)
{
    const double from = Now();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
    return Now() - from;
}

// How long the list takes to select one item alone, which is all a selection asks of the window.
double Answer(HANDLE process, HWND list, int index, void* block)
{
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    const double from = Now();
    DWORD_PTR ignored = 0;
    WriteProcessMemory(process, block, &item, sizeof(item), nullptr);
    SendMessageTimeoutW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(block), SMTO_NORMAL,
                        30000, &ignored);
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    WriteProcessMemory(process, block, &item, sizeof(item), nullptr);
    SendMessageTimeoutW(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(block), SMTO_NORMAL, 30000, &ignored);
    return Now() - from;
}

// Selects each package in turn in the large-icon view with the pane (shown by the script's
// setting), while asking the window every 10 ms whether it answers; then closes it.
int DriveFennick()
{
    PROCESS_INFORMATION process = {};
    HWND window = StartFennick(&process);
    if (!window) return std::printf("Fennick.exe did not start\n"), 2;
    HWND list = GetDlgItem(window, kListId);
    SendMessageW(window, WM_COMMAND, kViewIcon, 0);
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    double slowest = 0;
    void* block = VirtualAllocEx(process.hProcess, nullptr, sizeof(LVITEMW), MEM_COMMIT, PAGE_READWRITE);
    for (int index = 0; index < count; ++index) {
        const std::wstring before = PaneText(window);
        const double selected = Now();
        double answered = Answer(process.hProcess, list, index, block);
        // The pane empties at once and shows the package when its worker has drawn it.
        for (std::wstring text = before; (text == before || text.empty()) && Now() - selected < 30; text = PaneText(window)) {
            Sleep(10);
            answered = std::max(answered, Answer(window));
        }
        const double shown = Now() - selected;
        for (int look = 0; look < 20; ++look, Sleep(10)) answered = std::max(answered, Answer(window));
        wchar_t name[MAX_PATH] = L"";
        ListView_GetItemTextRemote(process.hProcess, list, index, name);
        std::printf("  %ls: pane after %.0f ms, slowest answer %.0f ms\n", name, shown * 1000, answered * 1000);
        slowest = std::max(slowest, answered);
    }
    const double peak = PeakMegabytes(process.hProcess);
    const double from = Now();
    PostMessageW(window, WM_CLOSE, 0, 0);
    while (IsWindow(window) && Now() - from < 30) Sleep(1);
    const double closed = Now() - from;
    WaitForSingleObject(process.hProcess, 30000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    std::printf("Ferncastle over %d entries: slowest answer %.0f ms (goal under 100), window gone %.0f ms after "
                "WM_CLOSE (goal under 1000), exit code %lu, peak %.0f MB\n",
                count, slowest * 1000, closed * 1000, code, peak);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) return 2;
    const std::wstring mode = argv[1], path = argv[2];
    if (mode == L"render") return Render(path);
    if (mode == L"thumbnails") return Thumbnails(path);
    if (mode == L"check") return Check(path);
    if (mode == L"fennick") return DriveFennick();
    return 2;
}
