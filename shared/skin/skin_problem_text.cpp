// What a render's problems are called, in Japanese and in English.
#include "skin_problem_text.h"

namespace {

struct ProblemWords {
    const wchar_t* japanese;
    const wchar_t* english;   // the file's name follows those that end in ": "
};

ProblemWords WordsOf(const SkinProblem& problem)
{
    switch (problem.kind) {
    case SkinProblemMissingFile:     return {L"画像が見つかりません: ", L"Image not found: "};
    case SkinProblemBadFileName:     return {L"スキンのフォルダの外は読めません: ", L"Outside the skin's folder: "};
    case SkinProblemUnreadableImage: return {L"画像を読み込めません: ", L"Image cannot be read: "};
    case SkinProblemImageTooLarge:   return {L"画像が大きすぎます: ", L"Image too large: "};
    case SkinProblemViewTooLarge:
        return {L"ビューが大きすぎるため一部だけを表示しています", L"The view is too large: only part of it is shown"};
    case SkinProblemTooManyElements:
        return {L"要素が多すぎるため一部を省きました", L"Too many elements: some were left out"};
    case SkinProblemNestedTooDeep:
        return {L"入れ子が深すぎるため一部を省きました", L"Nested too deep: some elements were left out"};
    case SkinProblemTooMuchDrawing:
        return {L"描画が多すぎるため途中で止めました", L"Too much to draw: drawing stopped part-way"};
    case SkinProblemOutOfMemory:
        if (!problem.name.empty()) return {L"メモリが足りないため画像を読み込めません: ", L"Not enough memory for the image: "};
        return {L"メモリが足りないため表示できません", L"Not enough memory to show the view"};
    case SkinProblemTooManyAttributes:
        return {L"属性が多すぎるため一部を省きました", L"Too many attributes: some were left out"};
    case SkinProblemTooManyImages:
        return {L"画像が多すぎるか大きすぎるため一部を読み込みませんでした",
                L"The images are too many or too large: some were not read"};
    case SkinProblemDefinitionTooLarge:
        return {L"スキン定義が大きすぎるため表示しません", L"The skin definition is too large to show"};
    case SkinProblemTooManyFonts:
        return {L"フォントが多すぎるため一部の文字を既定のフォントで表示しています",
                L"Too many fonts: some text is shown in the default font"};
    case SkinProblemNoResources:
        return {L"Windows の描画用の資源が足りないため一部を描けませんでした",
                L"Windows ran short of drawing resources: some text is not drawn"};
    }
    return {L"", L""};
}

}  // namespace

std::wstring SkinProblemText(const SkinProblem& problem, bool japanese)
{
    const ProblemWords words = WordsOf(problem);
    const std::wstring text = japanese ? words.japanese : words.english;
    return text.size() >= 2 && text.compare(text.size() - 2, 2, L": ") == 0 ? text + problem.name : text;
}

bool IsSkinLimitProblem(SkinProblemKind kind)
{
    switch (kind) {
    case SkinProblemMissingFile:
    case SkinProblemBadFileName:
    case SkinProblemUnreadableImage: return false;
    default: return true;
    }
}
