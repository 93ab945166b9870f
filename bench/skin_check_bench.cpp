// Times the skin check on definitions of 100 K, 1 M and 10 M characters, and of 100 K and 1 M
// with 1 MB and 10 MB of scripts, against one lower-casing pass over the text and the scripts.
#include "file_paths.h"
#include "skin_check.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const wchar_t* const kImages[] = {L"back.bmp", L"map.bmp", L"play.bmp", L"play_hover.bmp", L"play_down.bmp",
                                  L"thumb.bmp", L"track.bmp"};

// Every view's script: the functions its handlers call.
const char kCommonScript[] =
    "// the handlers' functions\r\nvar pressed = -1;\r\n"
    "function initView(number) { pressed = -1; view.title = 'view ' + number; }\r\n"
    "function press(button) { pressed = button; layout(); }\r\n"
    "function layout() { title.value = pressed < 0 ? '' : 'button ' + pressed; }\r\n";

// A view's own script of about the size asked for: functions that use its ids and the common ones.
std::string ViewScript(size_t bytes)
{
    std::string script = "// the view's own functions\r\nvar clock = /^(\\d+):(\\d\\d)$/;\r\n";
    for (int k = 0; script.size() < bytes; ++k) {
        const std::string n = std::to_string(k), b = std::to_string(k % 12);
        script += "function update" + n + "(state)\r\n{\r\n"
                  "    var label = 'state ' + state + \" \\\"" + n + "\\\"\";   /* a label, 'quoted' */\r\n"
                  "    if (/^play/.test(label)) button" + b + ".image = 'play_down.bmp'; else button" + b +
                  ".image = 'play.bmp';\r\n"
                  "    title.value = label.replace(/\\s+/g, ' ') + (state / 2);   // halved\r\n"
                  "    press(" + b + ");\r\n    return Math.round(seek.value * 100 / 380) + time.value.length;\r\n}\r\n";
    }
    return script;
}

// One view of a realistic skin: a button group, buttons, a slider and texts with bound values.
std::wstring View(int number, bool ownScript)
{
    const std::wstring n = std::to_wstring(number);
    std::wstring view = L"\t<VIEW id=\"view" + n + L"\" title=\"ビュー " + n +
                        L"\" backgroundImage=\"back.bmp\" clippingColor=\"#FF00FF\" width=\"400\" height=\"300\"\r\n"
                        L"\t\tscriptFile=\"common.js" + (ownScript ? L";view" + n + L".js.wmx" : L"") + L"\"\r\n"
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

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    WriteAll(file, bytes.data(), bytes.size());
    CloseHandle(file);
}

// The definition of about the characters asked for; with scriptBytes, each view has a script
// of its own besides the common one, and they come to that many bytes in all.
std::wstring MakeDefinition(size_t characters, size_t scriptBytes, const std::wstring& folder, int* views)
{
    std::wstring text = L"<THEME title=\"ベンチ\" author=\"Quillmere\">\r\n";
    for (*views = 0; text.size() < characters; ++*views) text += View(*views, scriptBytes > 0);
    for (int number = 0; scriptBytes > 0 && number < *views; ++number)
        WriteBytes(folder + L"\\view" + std::to_wstring(number) + L".js.wmx", ViewScript(scriptBytes / *views));
    return text + L"</THEME>\r\n";
}

std::wstring MakeSkinFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"qlm-skin-bench";
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* image : kImages) WriteBytes(folder + L"\\" + image, "");
    WriteBytes(folder + L"\\common.js", kCommonScript);
    return folder;
}

// The scripts the definition names, read whole.
size_t ReadScripts(const std::wstring& folder, int views, std::string* all)
{
    all->clear();
    std::string bytes;
    for (int number = 0; number < views; ++number)
        if (ReadWholeFile(folder + L"\\view" + std::to_wstring(number) + L".js.wmx", &bytes)) *all += bytes;
    return all->size();
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
    size_t findings = 0, errors = 0, scriptBytes = 0;
};

// The floor reads the scripts and lower-cases them with the text.
Timing Measure(const std::wstring& text, const std::wstring& folder, int views, int rounds)
{
    Timing timing;
    volatile wchar_t sink = 0;
    for (int round = 0; round < rounds; ++round) {
        LARGE_INTEGER before, middle, after;
        QueryPerformanceCounter(&before);
        std::vector<SkinFinding> findings = CheckSkinDefinition(text, folder, L"bench.wms");
        QueryPerformanceCounter(&middle);
        std::wstring lower = LowerCased(text);
        std::string scripts;
        timing.scriptBytes = ReadScripts(folder, views, &scripts);
        for (char& c : scripts) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        QueryPerformanceCounter(&after);
        sink = sink + lower[lower.size() / 2] + (scripts.empty() ? 0 : scripts[0]);
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
    const struct {
        const char* name;
        size_t characters, scriptBytes;
        int rounds;
    } sizes[] = {{"100 K", 100 * 1024, 0, 20},
                 {"1 M", 1024 * 1024, 0, 7},
                 {"10 M", 10 * 1024 * 1024, 0, 3},
                 {"100 K + 1 MB scripts", 100 * 1024, 1024 * 1024, 10},
                 {"1 M + 10 MB scripts", 1024 * 1024, 10 * 1024 * 1024, 3}};
    double checks[5];
    std::printf("characters               check ms   floor ms   check/floor   findings (errors+warnings)\n");
    for (int i = 0; i < 5; ++i) {
        int views = 0;
        const std::wstring text = MakeDefinition(sizes[i].characters, sizes[i].scriptBytes, folder, &views);
        Timing timing = Measure(text, folder, sizes[i].scriptBytes ? views : 0, sizes[i].rounds);
        checks[i] = timing.check;
        std::printf("%-21s %11.2f %10.2f %13.1f   %zu (%zu)   %d views, %zu script bytes\n", sizes[i].name,
                    timing.check, timing.floor, timing.check / timing.floor, timing.findings, timing.errors, views,
                    timing.scriptBytes);
        if (timing.errors != 0) return 1;
    }
    std::printf("growth 1 M / 100 K: %.1f   10 M / 1 M: %.1f   with scripts 1 M / 100 K: %.1f   (linear: about 10)\n",
                checks[1] / checks[0], checks[2] / checks[1], checks[4] / checks[3]);
    std::printf("goal: 100 K under 50 ms: %s\n", checks[0] < 50 ? "met" : "missed");
    std::printf("goal: 100 K with 1 MB of scripts under 100 ms: %s\n", checks[3] < 100 ? "met" : "missed");
    return 0;
}
