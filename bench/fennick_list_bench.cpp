// Times Fennick's listing of a skins folder against its sort by each column, driving the
// real Fennick.exe beside this program through its own commands.
#include "fennick_driver.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kRounds = 5;
const UINT kRefresh = 32778;
const int kListId = 200;

struct SortCommand {
    const char* column;
    UINT command;
};
const SortCommand kSorts[] = {{"name", 32775}, {"size", 32776}, {"date", 32777}};

double TimeCommand(HWND window, UINT command)
{
    DWORD_PTR ignored = 0;
    const double from = Now();
    SendMessageTimeoutW(window, WM_COMMAND, command, 0, SMTO_NORMAL, 600000, &ignored);
    const double to = Now();
    // Painted outside the measured time, so the next command does not wait for it.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return to - from;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main()
{
    PROCESS_INFORMATION process = {};
    HWND window = StartFennick(&process);
    if (!window) {
        std::printf("Fennick.exe did not start\n");
        return 2;
    }
    std::vector<double> listings;
    for (int round = 0; round < kRounds; ++round) listings.push_back(TimeCommand(window, kRefresh));
    double listing = Median(listings);
    LRESULT entries = SendMessageW(GetDlgItem(window, kListId), LVM_GETITEMCOUNT, 0, 0);
    std::printf("listing of %ld entries: %.1f ms (median of %d)\n", static_cast<long>(entries), listing * 1000,
                kRounds);

    bool met = true;
    for (const SortCommand& sort : kSorts) {
        std::vector<double> times;
        // Each sort starts from a fresh listing, in the order the file system gives.
        for (int round = 0; round < kRounds; ++round) {
            TimeCommand(window, kRefresh);
            times.push_back(TimeCommand(window, sort.command));
        }
        double time = Median(times);
        std::printf("sort by %-4s: %7.1f ms = %.2f x the listing\n", sort.column, time * 1000, time / listing);
        met = met && time <= listing;
    }
    std::printf(met ? "goal met: no sort takes longer than the listing\n" : "goal missed\n");
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return met ? 0 : 1;
}
