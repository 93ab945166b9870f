// Times the editor's Replace All on a 2 MB document against one SetWindowText of its result.
#include "find_replace.h"
#include "main_window.h"
#include "window_text.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kMatches = 100000;
const int kRounds = 5;

// 100,000 lines of 20 units each, one match per line: 2,000,000 UTF-16 units.
std::wstring MakeDocument()
{
    const std::wstring line = L"  <img src=\"old\"/>\r\n";
    std::wstring text;
    text.reserve(line.size() * kMatches);
    for (int i = 0; i < kMatches; ++i) text += line;
    return text;
}

// An edit control made as the editor makes its own, inside a hidden frame.
HWND MakeEditControl()
{
    HWND frame = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    HFONT font = nullptr;   // kept for the run
    HWND edit = CreateEditControl(frame, GetModuleHandleW(nullptr), &font);
    SendMessageW(edit, EM_LIMITTEXT, 0, 0);
    MoveWindow(edit, 0, 0, 780, 560, FALSE);
    return edit;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main()
{
    const std::wstring document = MakeDocument();
    HWND replaced = MakeEditControl();
    HWND floor = MakeEditControl();
    if (!replaced || !floor) return 1;
    std::vector<double> replaceTimes, floorTimes;
    for (int round = 0; round < kRounds; ++round) {
        SetWindowTextW(replaced, document.c_str());
        SetWindowTextW(floor, document.c_str());
        int searchStart = 0;
        LARGE_INTEGER before, after, floorBefore, floorAfter;
        QueryPerformanceCounter(&before);
        int count = ReplaceAllInEdit(replaced, L"old", L"newer", nullptr, &searchStart);
        QueryPerformanceCounter(&after);
        if (count != kMatches) {
            std::printf("replaced %d, expected %d\n", count, kMatches);
            return 1;
        }
        std::wstring result = WholeWindowText(replaced);
        QueryPerformanceCounter(&floorBefore);
        SetWindowTextW(floor, result.c_str());
        QueryPerformanceCounter(&floorAfter);
        replaceTimes.push_back(Seconds(before, after));
        floorTimes.push_back(Seconds(floorBefore, floorAfter));
    }
    double replaceAll = Median(replaceTimes), setText = Median(floorTimes);
    std::printf("document: %zu UTF-16 units, %d matches, median of %d rounds\n", document.size(), kMatches, kRounds);
    std::printf("Replace All:           %8.1f ms\n", replaceAll * 1000);
    std::printf("one SetWindowText:     %8.1f ms\n", setText * 1000);
    std::printf("ratio:                 %8.2f (goal: at most 3)\n", replaceAll / setText);
    return 0;
}
