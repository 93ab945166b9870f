// Times skin view renders against decoding their images alone, and a re-render after an edit.
// Arguments: the test skins' folder, a folder for the rendered PNGs, a scratch folder.
#include "file_paths.h"
#include "skin_render.h"
#include "text_encoding.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Work>
double Best(int rounds, Work work)
{
    double best = 1e30;
    for (int round = 0; round < rounds; ++round) {
        LARGE_INTEGER before, after;
        QueryPerformanceCounter(&before);
        work(round);
        QueryPerformanceCounter(&after);
        best = std::min(best, Milliseconds(before, after));
    }
    return best;
}

// A folder that notes every file read through it: the images a render decoded.
class NotingFolder : public SkinFolderSource {
public:
    explicit NotingFolder(const std::wstring& folder) : SkinFolderSource(folder) {}
    bool Read(const std::wstring& name, uint64_t most, std::string* bytes) override
    {
        read.insert(name);
        return SkinFolderSource::Read(name, most, bytes);
    }
    std::set<std::wstring> read;
};

std::wstring ReadDefinition(const std::wstring& path)
{
    std::string bytes;
    if (!ReadWholeFile(path.c_str(), &bytes)) return std::wstring();
    ReadPlan plan = PlanRead(EncodingOfFirstBytes(bytes.substr(0, 3)), ReadByMark);
    return DecodeDocumentBytes(bytes.substr(plan.markLength), plan.encoding, WindowTextUnicode, CP_ACP, false)
        .text.wide;
}

void SaveBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// A 24-bit bitmap of colour(x, y).
template <typename Colour>
std::string Bitmap(int width, int height, Colour colour)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string bytes(54 + static_cast<size_t>(stride) * height, '\0');
    const uint32_t header[] = {static_cast<uint32_t>(bytes.size()), 0,           54, 40, static_cast<uint32_t>(width),
                               static_cast<uint32_t>(height),       1 | 24 << 16};
    bytes[0] = 'B';
    bytes[1] = 'M';
    memcpy(&bytes[2], header, sizeof(header));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint32_t rgb = colour(x, height - 1 - y);
            char* pixel = &bytes[54 + static_cast<size_t>(y) * stride + x * 3];
            for (int channel = 0; channel < 3; ++channel) pixel[channel] = static_cast<char>(rgb >> (8 * channel));
        }
    return bytes;
}

// A PNG of colour(x, y) with alpha (0xAARRGGBB, straight).
template <typename Colour>
void Png(const std::wstring& path, int width, int height, Colour colour)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint32_t c = colour(x, y), a = c >> 24, p = a << 24;
            for (int shift = 0; shift < 24; shift += 8) p |= ((c >> shift & 0xFF) * a / 255) << shift;
            pixels[static_cast<size_t>(y) * width + x] = p;
        }
    WriteSkinPng(pixels.data(), width, height, path);
}

uint32_t Noise(int x, int y)
{
    uint32_t n = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u;
    return (n ^ n >> 13) * 1274126177u >> 28;
}

// Thirty images of a real skin: a 640x480 body, button art with alpha, maps, a slider.
void DrawArt(const std::wstring& folder)
{
    Png(folder + L"\\back.png", 640, 480,
        [](int x, int y) { return 0xFF000000u | (40 + y / 6 + Noise(x, y)) << 16 | (60 + x / 8) << 8 | (90 + y / 8); });
    Png(folder + L"\\panel.png", 32, 64, [](int x, int y) { return 0xFF303040u + static_cast<uint32_t>(y + x % 3); });
    for (int i = 0; i < 10; ++i) {
        auto button = [i](bool hover) {
            return [i, hover](int x, int y) {
                int dx = x - 20, dy = y - 20, d = dx * dx + dy * dy;
                uint32_t alpha = d < 361 ? 255u : d < 400 ? 128u : 0u;
                return alpha << 24 | ((hover ? 0xA0A0F0u : 0x505070u) + static_cast<uint32_t>(i * 8) + Noise(x, y));
            };
        };
        Png(folder + L"\\button" + std::to_wstring(i) + L".png", 40, 40, button(false));
        Png(folder + L"\\hover" + std::to_wstring(i) + L".png", 40, 40, button(true));
    }
    for (int i = 0; i < 3; ++i) {
        SaveBytes(folder + L"\\map" + std::to_wstring(i) + L".bmp", Bitmap(200, 40, [](int x, int) {
                      return x % 40 < 36 ? 0x100000u * static_cast<uint32_t>(x / 40 + 1) : 0u;
                  }));
        SaveBytes(folder + L"\\group" + std::to_wstring(i) + L".bmp", Bitmap(200, 40, [i](int x, int y) {
                      return 0x606080u + static_cast<uint32_t>(i) * 0x10 + Noise(x, y);
                  }));
    }
    Png(folder + L"\\thumb.png", 12, 12, [](int x, int y) { return (x + y) % 11 ? 0xFFE0E0F0u : 0x80FFFFFFu; });
    SaveBytes(folder + L"\\track.bmp",
              Bitmap(200, 8, [](int x, int) { return 0x202030u + static_cast<uint32_t>(x % 7); }));
}

// Two hundred elements over those images: buttons, texts, sliders, groups, subviews, a playlist.
// A quarter of the buttons stand where expressions put them, beside their neighbours.
std::wstring GeneratedView(int movedLeft)
{
    std::wstring view = L"<THEME>\r\n<VIEW id=\"big\" backgroundImage=\"back.png\" clippingColor=\"#FF00FF\">\r\n";
    auto n = [](int i) { return std::to_wstring(i); };
    for (int i = 0; i < 100; ++i) {
        const std::wstring before = L"b" + n(i - 1);
        const bool placed = i % 4 == 3 && i % 12 != 0 && i != 51;
        const std::wstring left = placed ? L"jscript:" + before + L".left+" + before + L".width+10;"
                                         : n(i == 50 ? movedLeft : 8 + i % 12 * 50);
        const std::wstring top = placed ? L"jscript:" + before + L".top" : n(8 + i / 12 * 44);
        view += L"\t<BUTTON id=\"b" + n(i) + L"\" left=\"" + left + L"\" top=\"" + top + L"\" image=\"button" +
                n(i % 10) + L".png\" hoverImage=\"hover" + n(i % 10) + L".png\" onclick=\"jscript:press(" + n(i) +
                L")\"/>\r\n";
    }
    for (int i = 0; i < 30; ++i)
        view += L"\t<TEXT id=\"t" + n(i) + L"\" left=\"" + n(8 + i % 3 * 200) + L"\" top=\"" + n(330 + i / 3 * 14) +
                L"\" width=\"190\" value=\"" + (i % 2 ? L"wmpprop:player.status" : L"曲名 " + n(i)) +
                L"\" foregroundColor=\"#E0E0FF\" fontSize=\"8\"/>\r\n";
    for (int i = 0; i < 20; ++i)
        view += L"\t<SLIDER left=\"" + n(420) + L"\" top=\"" + n(8 + i * 16) +
                L"\" width=\"200\" height=\"12\" backgroundImage=\"track.bmp\" thumbImage=\"thumb.png\" value=\"" +
                n(i * 5) + L"\"/>\r\n";
    for (int g = 0; g < 3; ++g) {
        view += L"\t<BUTTONGROUP left=\"" + n(8 + g * 210) + L"\" top=\"440\" image=\"group" + n(g) +
                L".bmp\" mappingImage=\"map" + n(g) + L".bmp\" hoverImage=\"hover0.png\">\r\n";
        for (int e = 0; e < 5; ++e)
            view += L"\t\t<BUTTONELEMENT mappingColor=\"#" + std::wstring(1, L"12345"[e]) + L"00000\"/>\r\n";
        view += L"\t</BUTTONGROUP>\r\n";
    }
    for (int s = 0; s < 5; ++s) {
        view += L"\t<SUBVIEW left=\"" + n(s * 120) +
                L"\" top=\"380\" width=\"110\" height=\"50\" "
                L"backgroundImage=\"panel.png\" backgroundTiled=\"true\">\r\n";
        for (int i = 0; i < 5; ++i)
            view += L"\t\t<BUTTON left=\"" + n(i * 22) + L"\" top=\"5\" image=\"button" + n(i) + L".png\"/>\r\n";
        view += L"\t</SUBVIEW>\r\n";
    }
    view +=
        L"\t<PLAYLIST left=\"420\" top=\"330\" width=\"200\" height=\"100\"/>\r\n"
        L"\t<VIDEO left=\"420\" top=\"330\" width=\"200\" height=\"100\" windowless=\"true\"/>\r\n";
    return view + L"</VIEW>\r\n</THEME>\r\n";
}

unsigned long long FolderBytes(const std::wstring& folder)
{
    unsigned long long bytes = 0;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do bytes += static_cast<unsigned long long>(found.nFileSizeHigh) << 32 | found.nFileSizeLow;
    while (FindNextFileW(search, &found));
    FindClose(search);
    return bytes;
}

double DecodeAlone(NotingFolder& files, const std::set<std::wstring>& names)
{
    return Best(10, [&](int) {
        SkinImageDecoder decoder;
        for (const std::wstring& name : names) {
            std::string bytes;
            SkinImage image;
            files.SkinFolderSource::Read(name, 1u << 30, &bytes);
            decoder.Decode(bytes, &image);
        }
    });
}

void PrintRow(const std::wstring& name, const SkinPicture& picture, double render, double decode, double again)
{
    std::printf("%-26ls %4dx%-4d %8zu %8zu %9.2f %9.2f %6.2f %9.2f\n", name.c_str(), picture.width, picture.height,
                picture.elements.size(), picture.problems.size(), render, decode, decode > 0 ? render / decode : 0.0,
                again);
}

// The same render again with every image in the cache.
double RenderAgain(const std::wstring& text, SkinFileSource& files, const SkinRenderOptions& options)
{
    SkinImageCache cache;
    SkinPicture picture;
    RenderSkinView(text, files, cache, options, &picture);
    return Best(10, [&](int) { RenderSkinView(text, files, cache, options, &picture); });
}

// The view as the player shows it stopped, playing and paused, with what it left unanswered.
void SaveInEachState(const std::wstring& text, SkinFileSource& files, SkinRenderOptions options,
                     const std::wstring& path)
{
    const wchar_t* const names[] = {L"stopped", L"playing", L"paused"};
    for (SkinPlayerState state : {SkinPlayerStopped, SkinPlayerPlaying, SkinPlayerPaused}) {
        options.playerState = state;
        SkinImageCache cache;
        SkinPicture picture;
        RenderSkinView(text, files, cache, options, &picture);
        if (!picture.pixels.empty())
            WriteSkinPng(picture.pixels.data(), picture.width, picture.height,
                         path + L"-" + names[state] + L".png");
        if (state != SkinPlayerPlaying) continue;
        for (const SkinValueNote& note : picture.notes)
            std::printf("    not evaluated, line %d: %ls=\"%ls\"\n", note.place.line, note.attribute.c_str(),
                        note.value.c_str());
    }
}

void RenderTestSkins(const std::wstring& skins, const std::wstring& out)
{
    const struct {
        const wchar_t* folder;
        const wchar_t* file;
    } definitions[] = {{L"classic", L"classic.wms"},
                       {L"lowercase", L"nightshift.wms"},
                       {L"mixed", L"aurora.wms"},
                       {L"nowplaying", L"nowplaying.wms"}};
    for (const auto& definition : definitions) {
        const std::wstring text = ReadDefinition(skins + L"\\" + definition.folder + L"\\" + definition.file);
        for (const SkinViewEntry& view : ListSkinViews(text)) {
            NotingFolder files(skins + L"\\" + definition.folder);
            SkinRenderOptions options;
            options.viewIndex = view.index;
            SkinPicture picture;
            double render = Best(10, [&](int) {
                SkinImageCache cache;
                SkinPicture first;
                RenderSkinView(text, files, cache, options, &first);
                picture = std::move(first);
            });
            const std::wstring name = std::wstring(definition.folder) + L"-" + view.id;
            PrintRow(name, picture, render, DecodeAlone(files, files.read), RenderAgain(text, files, options));
            for (const SkinProblem& problem : picture.problems)
                std::printf("    problem %d: %ls\n", problem.kind, problem.name.c_str());
            SaveInEachState(text, files, options, out + L"\\" + name);
        }
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4) return 2;
    std::printf("view                        size     elements problems render ms decode ms  ratio  again ms\n");
    RenderTestSkins(argv[1], argv[2]);
    const std::wstring scratch = argv[3];
    DrawArt(scratch);
    std::printf("generated view: 200 elements over 30 images of %llu KB\n", FolderBytes(scratch) / 1024);
    NotingFolder files(scratch);
    SkinPicture picture;
    const std::wstring text = GeneratedView(608);
    double render = Best(10, [&](int) {
        SkinImageCache cache;
        SkinPicture first;
        RenderSkinView(text, files, cache, SkinRenderOptions(), &first);
        picture = std::move(first);
    });
    const double decode = DecodeAlone(files, files.read);
    PrintRow(L"generated (200 elements)", picture, render, decode, RenderAgain(text, files, SkinRenderOptions()));
    WriteSkinPng(picture.pixels.data(), picture.width, picture.height, std::wstring(argv[2]) + L"\\generated.png");
    SkinImageCache cache;
    RenderSkinView(text, files, cache, SkinRenderOptions(), &picture);
    std::vector<std::wstring> edits;
    for (int round = 0; round < 20; ++round) edits.push_back(GeneratedView(600 + round % 2 * 8));
    const size_t decodes = cache.DecodeCount();
    double again =
        Best(20, [&](int round) { RenderSkinView(edits[round], files, cache, SkinRenderOptions(), &picture); });
    std::printf("re-render after editing one attribute, images cached: %.2f ms (%zu images decoded again)\n", again,
                cache.DecodeCount() - decodes);
    std::printf("goals: first render at most 1.5 x decoding alone: %s; re-render under 30 ms: %s\n",
                render <= 1.5 * decode ? "met" : "missed", again < 30 ? "met" : "missed");
    return 0;
}
