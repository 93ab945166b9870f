// Times Ferncastle's pictures of packages, driving the real Fennick.exe: the large-icon view
// usable against its first and its last thumbnail, all thumbnails against reading and
// inflating the same packages alone, and the preview pane after a selection.
#include "zip_reader.h"

#include "fennick_driver.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const UINT kViewIcon = 32772;
const int kListId = 200, kPaneId = 204, kPaneTextId = 205;

// Image indexes of every item, read through memory in Fennick's process.
class ItemImages {
public:
    ItemImages(HWND list, HANDLE process) : list_(list), process_(process)
    {
        block_ = VirtualAllocEx(process_, nullptr, sizeof(LVITEMW), MEM_COMMIT, PAGE_READWRITE);
    }
    ~ItemImages() { VirtualFreeEx(process_, block_, 0, MEM_RELEASE); }
    // Items whose image is a picture of their own (0 and 1 are the package and folder icons).
    int Pictured()
    {
        int count = static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)), pictured = 0;
        for (int index = 0; index < count; ++index) {
            LVITEMW item = {};
            item.mask = LVIF_IMAGE;
            item.iItem = index;
            WriteProcessMemory(process_, block_, &item, sizeof(item), nullptr);
            SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(block_));
            ReadProcessMemory(process_, block_, &item, sizeof(item), nullptr);
            pictured += item.iImage > 1;
        }
        return pictured;
    }
    void Select(int index)
    {
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        WriteProcessMemory(process_, block_, &item, sizeof(item), nullptr);
        SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(block_));
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        WriteProcessMemory(process_, block_, &item, sizeof(item), nullptr);
        SendMessageW(list_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(block_));
    }

private:
    HWND list_;
    HANDLE process_;
    void* block_;
};

// Every entry of every package read and inflated, as the thumbnails need them at most.
double ReadAlone(const std::vector<std::wstring>& packages)
{
    const double from = Now();
    for (const std::wstring& path : packages) {
        Package package;
        if (OpenPackage(path, &package) != ZipReadOk) continue;
        for (const PackageEntry& entry : package.entries) {
            ByteBuffer data;
            if (!entry.folder) ReadPackageEntry(package, entry, &data);
        }
    }
    return Now() - from;
}

std::wstring PaneText(HWND window)
{
    wchar_t text[512] = L"";
    GetWindowTextW(GetDlgItem(GetDlgItem(window, kPaneId), kPaneTextId), text, _countof(text));
    return text;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) return 2;
    const std::vector<std::wstring> packages = PackagesIn(argv[1]);
    double alone = 1e9;
    for (int round = 0; round < 3; ++round) alone = std::min(alone, ReadAlone(packages));
    std::printf("%zu packages read and inflated alone: %.1f ms (best of 3)\n", packages.size(), alone * 1000);

    PROCESS_INFORMATION process = {};
    HWND window = StartFennick(&process);
    if (!window) {
        std::printf("Fennick.exe did not start\n");
        return 2;
    }
    HWND list = GetDlgItem(window, kListId);
    ItemImages images(list, process.hProcess);
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const double from = Now();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_COMMAND, kViewIcon, 0, SMTO_NORMAL, 60000, &ignored);
    SendMessageTimeoutW(list, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored);
    const double usable = Now() - from;
    const int shownAtOnce = images.Pictured();
    double first = 0, all = 0;
    for (int pictured = shownAtOnce; pictured < count && Now() - from < 120;) {
        pictured = images.Pictured();
        if (pictured > 0 && first == 0) first = Now() - from;
        if (pictured == count) all = Now() - from;
        // Each look sends Fennick two hundred messages: often enough, and no more.
        Sleep(20);
    }
    std::printf("large-icon view of %d packages usable after %.1f ms with %d pictures; first picture %.1f ms, all %.1f ms\n",
                count, usable * 1000, shownAtOnce, first * 1000, all * 1000);
    std::printf("all pictures / reading alone: %.2f (goal at most 2)\n", all / alone);

    std::vector<double> previews;
    for (int index = 0; index < std::min(count, 10); ++index) {
        const std::wstring before = PaneText(window);
        const double selected = Now();
        images.Select(index);
        // The pane empties at once, and shows the package when its worker has drawn it.
        for (std::wstring text = before; (text == before || text.empty()) && Now() - selected < 5; text = PaneText(window))
            Sleep(1);
        previews.push_back(Now() - selected);
    }
    std::sort(previews.begin(), previews.end());
    std::printf("preview after a selection: median %.1f ms, slowest %.1f ms of %zu (goal within 150 ms)\n",
                previews[previews.size() / 2] * 1000, previews.back() * 1000, previews.size());
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const bool met = usable < first && all <= 2 * alone && previews.back() <= 0.150;
    std::printf(met ? "goals met\n" : "goal missed\n");
    return met ? 0 : 1;
}
