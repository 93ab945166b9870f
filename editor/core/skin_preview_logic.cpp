// Hit tests, scale, status texts and the PNG file of the editor's skin preview.
#include "skin_preview_logic.h"

#include "file_replace.h"
#include "skin_problem_text.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

namespace {

bool TagHolds(const SkinTagPlace& place, size_t offset)
{
    return place.length > 0 && offset >= place.offset && offset < place.offset + place.length;
}

const SkinButtonArea* HitButton(const SkinPicture& picture, const SkinElementHit& hit)
{
    if (!hit.Found() || hit.button < 0) return nullptr;
    return &picture.elements[hit.element].buttons[hit.button];
}

// Graver problems first: a reader sees the one that explains the most. 0: no picture at all.
int Gravity(const SkinProblem& problem)
{
    switch (problem.kind) {
    case SkinProblemOutOfMemory:        return problem.name.empty() ? 0 : 1;
    case SkinProblemDefinitionTooLarge: return 0;
    case SkinProblemMissingFile:        return 1;
    case SkinProblemUnreadableImage:    return 1;
    case SkinProblemBadFileName:        return 1;
    case SkinProblemImageTooLarge:      return 1;
    default:                            return 2;
    }
}

// The element's values that were drawn as if they were not set.
std::wstring NotesText(const SkinPicture& picture, const SkinTagPlace& place)
{
    std::wstring names;
    for (const SkinValueNote& note : picture.notes)
        if (note.place.offset == place.offset)
            names += (names.empty() ? L"" : L", ") + note.attribute + (note.kind == SkinNoteCycle ? L" (循環)" : L"");
    return names.empty() ? names : L" — 評価していない値: " + names;
}

}  // namespace

SkinElementHit SkinElementAtPoint(const SkinPicture& picture, int x, int y)
{
    for (size_t index = picture.elements.size(); index-- > 0;) {
        const SkinDrawnElement& element = picture.elements[index];
        if (!element.visible.Contains(x, y)) continue;
        SkinElementHit hit;
        hit.element = static_cast<int>(index);
        if (!element.buttonMap.empty()) {
            size_t at = static_cast<size_t>(y - element.visible.top) * element.visible.Width() +
                        (x - element.visible.left);
            if (at < element.buttonMap.size()) hit.button = static_cast<int>(element.buttonMap[at]) - 1;
            if (hit.button >= static_cast<int>(element.buttons.size())) hit.button = -1;
        }
        return hit;
    }
    return SkinElementHit();
}

SkinElementHit SkinElementAtOffset(const SkinPicture& picture, size_t offset)
{
    for (size_t index = 0; index < picture.elements.size(); ++index) {
        const SkinDrawnElement& element = picture.elements[index];
        SkinElementHit hit;
        hit.element = static_cast<int>(index);
        if (TagHolds(element.place, offset)) return hit;
        for (size_t button = 0; button < element.buttons.size(); ++button) {
            hit.button = static_cast<int>(button);
            if (TagHolds(element.buttons[button].place, offset)) return hit;
        }
    }
    return SkinElementHit();
}

SkinRect SkinHitRect(const SkinPicture& picture, const SkinElementHit& hit)
{
    if (!hit.Found()) return SkinRect();
    if (const SkinButtonArea* button = HitButton(picture, hit)) return button->bounds;
    return picture.elements[hit.element].visible;
}

SkinTagPlace SkinHitPlace(const SkinPicture& picture, const SkinElementHit& hit)
{
    if (!hit.Found()) return SkinTagPlace();
    if (const SkinButtonArea* button = HitButton(picture, hit)) return button->place;
    return picture.elements[hit.element].place;
}

size_t SkinHoverOffset(const SkinPicture& picture, const SkinElementHit& hit)
{
    if (!hit.Found()) return SIZE_MAX;
    if (const SkinButtonArea* button = HitButton(picture, hit)) return button->place.offset;
    const SkinDrawnElement& element = picture.elements[hit.element];
    return element.kind == SkinButton || element.kind == SkinText ? element.place.offset : SIZE_MAX;
}

SkinPictureLayout LayOutSkinPicture(int pictureWidth, int pictureHeight, int zoomPercent, int areaWidth,
                                    int areaHeight)
{
    SkinPictureLayout layout;
    if (pictureWidth <= 0 || pictureHeight <= 0) return layout;
    if (zoomPercent > 0) {
        layout.scale = zoomPercent / 100.0;
    } else {
        double across = static_cast<double>(std::max(areaWidth, 1)) / pictureWidth;
        double down = static_cast<double>(std::max(areaHeight, 1)) / pictureHeight;
        layout.scale = std::min(across, down);
    }
    layout.width = std::max(1, static_cast<int>(std::floor(pictureWidth * layout.scale)));
    layout.height = std::max(1, static_cast<int>(std::floor(pictureHeight * layout.scale)));
    return layout;
}

bool SkinViewPixelAt(const SkinPictureLayout& layout, int pictureWidth, int pictureHeight, int x, int y,
                     int* viewX, int* viewY)
{
    if (x < 0 || y < 0 || x >= layout.width || y >= layout.height) return false;
    // Proportional to the shown size, so the pixel found is the one StretchDIBits drew there.
    *viewX = static_cast<int>(static_cast<long long>(x) * pictureWidth / layout.width);
    *viewY = static_cast<int>(static_cast<long long>(y) * pictureHeight / layout.height);
    return true;
}

std::wstring SkinHitStatusText(const SkinPicture& picture, const SkinElementHit& hit)
{
    if (!hit.Found()) return std::wstring();
    const SkinDrawnElement& element = picture.elements[hit.element];
    const SkinButtonArea* button = HitButton(picture, hit);
    const std::wstring& tag = button ? button->tag : element.tag;
    const std::wstring& id = button ? button->id : element.id;
    SkinRect size = button ? button->bounds : element.box;
    std::wstring text = tag;
    if (!id.empty()) text += L" id=" + id;
    text += L" " + std::to_wstring(size.Width()) + L" × " + std::to_wstring(size.Height());
    if (button) text += L" (" + element.tag + (element.id.empty() ? L"" : L" id=" + element.id) + L")";
    return text + NotesText(picture, button ? button->place : element.place);
}

std::wstring SkinProblemsStatusText(const SkinPicture& picture, bool hasFolder)
{
    std::vector<SkinProblem> problems = picture.problems;
    std::stable_sort(problems.begin(), problems.end(),
                     [](const SkinProblem& a, const SkinProblem& b) { return Gravity(a) < Gravity(b); });
    // Files of a document never saved were not looked for: naming each as missing would mislead.
    auto unread = [hasFolder](const SkinProblem& problem) { return !hasFolder && Gravity(problem) == 1; };
    bool noPicture = !problems.empty() && Gravity(problems.front()) == 0;
    std::vector<std::wstring> texts;
    if (noPicture) texts.push_back(SkinProblemText(problems.front(), true));
    if (picture.definitionHasErrors) texts.push_back(L"定義にエラーがあります (Ctrl+K でチェック)");
    if (!picture.viewFound && !noPicture) texts.push_back(L"表示できる VIEW 要素がありません");
    if (std::any_of(problems.begin(), problems.end(), unread))
        texts.push_back(L"保存されていない文書です: 画像は保存した後で表示されます");
    for (size_t at = noPicture ? 1 : 0; at < problems.size(); ++at)
        if (!unread(problems[at])) texts.push_back(SkinProblemText(problems[at], true));
    if (texts.empty()) return std::wstring();
    std::wstring text = texts.front();
    if (texts.size() > 1) text += L" (ほかに " + std::to_wstring(texts.size() - 1) + L" 件)";
    return text;
}

bool SaveSkinPictureAsPng(const SkinPicture& picture, const std::wstring& path, unsigned long* error)
{
    const ReplaceOutcome outcome = ReplaceFileBy(path.c_str(), [&](const std::wstring& temporary) {
        if (WriteSkinPng(picture.pixels.data(), picture.width, picture.height, temporary)) return ReplaceDone;
        SetLastError(ERROR_WRITE_FAULT);   // the imaging component gives no system error
        return ReplaceWriteFailed;
    });
    *error = outcome.error;
    return outcome.stage == ReplaceDone;
}
