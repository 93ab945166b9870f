// Times the skin check on definitions of 100 K, 1 M and 10 M characters against one lower-casing pass.
#include "skin_check.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const wchar_t* const kImages[] = {L"back.bmp", L"map.bmp", L"play.bmp", L"play_hover.bmp", L"play_down.bmp",
                                  L"thumb.bmp", L"track.bmp"};

// One view of a realistic skin: a button group, buttons, a slider and texts with bound values.
std::wstring View(int number)
{
    const std::wstring n = std::to_wstring(number);
    std::wstring view = L"\t<VIEW id=\"view" + n + L"\" title=\"ビュー " + n +
                        L"\" backgroundImage=\"back.bmp\" clippingColor=\"#FF00FF\" width=\"400\" height=\"300\"\r\n"
                        L"\t\tonload=\"jscript:initView(" + n + L");\" stickyBorderWidth=\"8\">\r\n"
                        L"\t\t<BUTTONGROUP id=\"group\" left=\"10\" top=\"10\" mappingImage=\"map.bmp\" "
                        L"hoverImage=\"play_hover.bmp\">\r\n"
                        L"\t\t\t<PLAYELEMENT mappingColor=\"#FF0000\" upToolTip=\"再生\"/>\r\n"
                        L"\t\t\t<STOPELEMENT mappingColor=\"#00FF00\" upToolTip=\"停止\"/>\r\n"
                        L"\t\t</BUTTONGROUP>\r\n";
    for (int i = 0; i < 12; ++i) {
        const std::wstring b = std::to_wstring(i);
        view += L"\t\t<BUTTON id=\"button" + b + L"\" left=\"" + std::to_wstring(20 * i) + L"\" top=\"40\" "
                L"image=\"play.bmp\" hoverImage=\"play_hover.bmp\" downImage=\"play_down.bmp\" "
                L"upToolTip=\"ボタン " + b + L"\" onclick=\"jscript:press(" + b + L");\"/>\r\n";
    }
    view += L"\t\t<SEEKSLIDER id=\"seek\" left=\"10\" top=\"200\" width=\"380\" height=\"8\" "
            L"thumbImage=\"thumb.bmp\" backgroundImage=\"track.bmp\" "
            L"value=\"wmpprop:player.controls.currentPosition\"/>\r\n"
            L"\t\t<SUBVIEW id=\"info\" left=\"10\" top=\"220\" width=\"380\" height=\"60\" "
            L"backgroundColor=\"black\">\r\n"
            L"\t\t\t<TEXT id=\"title\" value=\"wmpprop:player.currentMedia.name\" foregroundColor=\"white\" "
            L"value_onchange=\"jscript:layout();\"/>\r\n"
            L"\t\t\t<!-- the time under the title -->\r\n"
            L"\t\t\t<CURRENTPOSITIONTEXT id=\"time\" top=\"20\" foregroundColor=\"#C0C0C0\"/>\r\n"
            L"\t\t</SUBVIEW>\r\n\t</VIEW>\r\n";
    return view;
}

std::wstring MakeDefinition(size_t bytes)
{
    std::wstring text = L"<THEME title=\"ベンチ\" author=\"Quillmere\">\r\n";
    for (int number = 0; text.size() < bytes; ++number) text += View(number);
    return text + L"</THEME>\r\n";
}

std::wstring MakeSkinFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"qlm-skin-bench";
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* image : kImages) {
        std::wstring path = folder + L"\\" + image;
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
    }
    return folder;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The least a check could cost: one pass that writes every character lower-cased into a new string.
std::wstring LowerCased(const std::wstring& text)
{
    std::wstring lower(text.size(), L'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        lower[i] = c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    }
    return lower;
}

struct Timing {
    double check = 1e30, floor = 1e30;
    size_t findings = 0, errors = 0;
};

Timing Measure(const std::wstring& text, const std::wstring& folder, int rounds)
{
    Timing timing;
    volatile wchar_t sink = 0;
    for (int round = 0; round < rounds; ++round) {
        LARGE_INTEGER before, middle, after;
        QueryPerformanceCounter(&before);
        std::vector<SkinFinding> findings = CheckSkinDefinition(text, folder);
        QueryPerformanceCounter(&middle);
        std::wstring lower = LowerCased(text);
        QueryPerformanceCounter(&after);
        sink = sink + lower[lower.size() / 2];
        timing.check = std::min(timing.check, Milliseconds(before, middle));
        timing.floor = std::min(timing.floor, Milliseconds(middle, after));
        timing.findings = findings.size();
        timing.errors = std::count_if(findings.begin(), findings.end(),
                                      [](const SkinFinding& finding) { return finding.kind != SkinNote; });
    }
    return timing;
}

}  // namespace

int main()
{
    const std::wstring folder = MakeSkinFolder();
    const struct { const char* name; size_t bytes; int rounds; } sizes[] = {
        {"100 K", 100 * 1024, 20}, {"1 M", 1024 * 1024, 7}, {"10 M", 10 * 1024 * 1024, 3}};
    double checks[3];
    std::printf("characters  check ms   floor ms   check/floor   findings (errors+warnings)\n");
    for (int i = 0; i < 3; ++i) {
        const std::wstring text = MakeDefinition(sizes[i].bytes);
        Timing timing = Measure(text, folder, sizes[i].rounds);
        checks[i] = timing.check;
        std::printf("%-8s %11.2f %10.2f %13.1f   %zu (%zu)\n", sizes[i].name, timing.check, timing.floor,
                    timing.check / timing.floor, timing.findings, timing.errors);
        if (timing.errors != 0) return 1;
    }
    std::printf("growth 1 M / 100 K: %.1f   10 M / 1 M: %.1f   (linear: about 10)\n", checks[1] / checks[0],
                checks[2] / checks[1]);
    std::printf("goal: 100 K under 50 ms: %s\n", checks[0] < 50 ? "met" : "missed");
    return 0;
}
