// The texts and help of the effects and video wizards, which share one dialog.
#include "visual_wizard_text.h"

#include "wizard_text.h"

namespace {

// What tells the effects element from the video element; the rest of their text is shared.
struct VisualElement {
    const wchar_t* plainName;
    const wchar_t* wmpName;
    bool hasOnClick;
    const wchar_t* optionFragment;
    // Ties the plain element to the player's full mode settings; the WMP element has them built in.
    const wchar_t* plainBindings;
};

const VisualElement kEffectsElement = {
    L"effects", L"WMPEffects", true, L" windowed=\"True\"",
    L" currentEffectType=\"wmpprop:mediacenter.effectType\""
    L" currentEffectType_onChange=\"mediacenter.effectType = currentEffectType;\""
    L" currentPreset=\"wmpprop:mediacenter.effectPreset\""
    L" currentPreset_onChange=\"mediacenter.effectPreset = currentPreset;\"",
};

const VisualElement kVideoElement = {
    L"video", L"WMPVideo", false, L" windowless=\"True\"",
    L" stretchToFit=\"wmpprop:mediacenter.videoStretchToFit\" zoom=\"wmpprop:mediacenter.videoZoom\"",
};

const wchar_t* const kHorizontalAlignments[kAlignmentCount] = {L"Left", L"Center", L"Right", L"Stretch"};
const wchar_t* const kVerticalAlignments[kAlignmentCount] = {L"Top", L"Center", L"Bottom", L"Stretch"};

const wchar_t kAlignmentHelp[] =
    L"ビューの大きさが変わったときに、この要素の位置と大きさをどちらに合わせるかを選びます。横位置は horizontalAlignment 属性、縦位置は verticalAlignment 属性になり、左端・上端は Left・Top、中央は Center、右端・下端は Right・Bottom、両端は Stretch を書き込みます。左端と上端は、WMP で始まる要素を選んだときだけ書き込みます。どのボタンも選ばなければ何も書き込みません。";

void AppendAlignment(std::wstring& text, const wchar_t* name, const wchar_t* const values[], int choice,
                     bool wmp)
{
    if (!IndexInRange(choice, kAlignmentCount)) return;
    if (choice == 0 && !wmp) return;   // Left and Top belong to the WMP elements only
    AppendAttribute(text, name, values[choice]);
}

std::wstring BuildVisualText(const VisualElement& element, const VisualFields& fields)
{
    const bool wmp = fields.kind == VisualKindWmp;
    std::wstring text;
    AppendTabs(text, fields.tabCount);
    text += L'<';
    text += wmp ? element.wmpName : element.plainName;
    AppendIdAndCoordinates(text, fields.id, fields.left, fields.top, fields.width, fields.height);
    if (element.hasOnClick) AppendAttribute(text, L"onClick", fields.onClick);
    AppendAlignment(text, L"horizontalAlignment", kHorizontalAlignments, fields.horizontal, wmp);
    AppendAlignment(text, L"verticalAlignment", kVerticalAlignments, fields.vertical, wmp);
    AppendOption(text, fields.option, element.optionFragment);
    if (!wmp) text += element.plainBindings;
    text += L"/>\r\n";
    return text;
}

}  // namespace

std::wstring BuildEffectsText(const VisualFields& fields)
{
    return BuildVisualText(kEffectsElement, fields);
}

std::wstring BuildVideoText(const VisualFields& fields)
{
    return BuildVisualText(kVideoElement, fields);
}

std::wstring EffectsHelpText()
{
    return BuildHelpText(
        L"視覚エフェクト要素を挿入します。視覚エフェクトは、再生中の音楽に合わせて動く模様を表示する領域です。",
        {
            {L"タグの種類", L"挿入する要素を選びます。「Effects タグを使う」を選ぶと effects 要素に、「WMPEffects タグを使う」を選ぶと WMPEffects 要素になります。ふだんは WMPEffects 要素をお勧めします。"},
            {L"識別 ID", kIdHelp},
            {L"座標・サイズ (X/Y 座標は必須)", kCoordinatesHelp},
            {L"サイズ変更基準", kAlignmentHelp},
            {L"OnClick ハンドラ", L"視覚エフェクトをクリックしたときに実行する処理を JScript で指定します。onClick 属性になります。省略できます。"},
            {L"視覚エフェクト全体を表示する", L"チェックすると、視覚エフェクトを独自のウィンドウに描き、その全体を表示します。windowed 属性に True を書き込みます。省略できます。"},
            {L"タブの数", kTabCountHelp},
        },
        L"参考 : WMPEffects 要素は、Windows Media Player があらかじめ用意している定義済みの要素です。effects 要素に、フル モードで選んでいる視覚エフェクトとそのプリセットに連動する設定を組み込んだものです。\r\n"
        L"\r\n"
        L"注意 : effects 要素を選ぶと、フル モードとスキン モードで同じ視覚エフェクトが表示されるように、currentEffectType、currentEffectType_onChange、currentPreset、currentPreset_onChange の 4 つの属性も書き込みます。\r\n");
}

std::wstring VideoHelpText()
{
    return BuildHelpText(
        L"ビデオ要素を挿入します。ビデオ要素は、再生中のビデオを表示する領域です。",
        {
            {L"タグの種類", L"挿入する要素を選びます。「Video タグを使う」を選ぶと video 要素に、「WMPVideo タグを使う」を選ぶと WMPVideo 要素になります。ふだんは WMPVideo 要素をお勧めします。"},
            {L"識別 ID", kIdHelp},
            {L"座標・サイズ (X/Y 座標は必須)", kCoordinatesHelp},
            {L"サイズ変更基準", kAlignmentHelp},
            {L"ビデオ ウィンドウの切り取りを可能にする", L"チェックすると、ビデオを専用のウィンドウを使わずに描き、ほかの要素と重ねたり、ビューの形に合わせて切り取ったりできるようにします。windowless 属性に True を書き込みます。省略できます。"},
            {L"タブの数", kTabCountHelp},
        },
        L"参考 : WMPVideo 要素は、Windows Media Player があらかじめ用意している定義済みの要素です。video 要素に、フル モードのズームと拡大縮小の設定に連動する設定を組み込んだものです。\r\n"
        L"\r\n"
        L"注意 : video 要素を選ぶと、フル モードとスキン モードでビデオのズームと拡大縮小が同じになるように、stretchToFit と zoom の 2 つの属性も書き込みます。\r\n");
}
