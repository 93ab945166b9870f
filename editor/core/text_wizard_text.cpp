// The text wizard's text and help.
#include "text_wizard_text.h"

#include "wizard_text.h"

const PredefinedElement kPredefinedTexts[kPredefinedTextCount] = {
    {L"再生位置表示テキスト", L"CurrentPositionText"},
    {L"再生時間表示テキスト", L"DurationText"},
    {L"状態表示テキスト", L"StatusText"},
    {L"クリップ名表示テキスト", L"TrackNameText"},
};

const wchar_t* const kFontSizes[kFontSizeCount] = {
    L"なし", L"8", L"9", L"10", L"11", L"12", L"14", L"16", L"18",
    L"20", L"24", L"28", L"32", L"36", L"40", L"48", L"64", L"72",
};

namespace {

const wchar_t* TextElementOf(const TextElementFields& fields)
{
    if (fields.kind != TextKindPredefined) return L"text";
    return PredefinedElementAt(kPredefinedTexts, kPredefinedTextCount, fields.predefined);
}

// The rows that only the standard text element writes.
void AppendStandardTextRows(std::wstring& text, const TextElementFields& fields)
{
    AppendAttribute(text, L"hoverForegroundColor", fields.hoverForegroundColor);
    AppendAttribute(text, L"disabledForegroundColor", fields.disabledForegroundColor);
    AppendOption(text, fields.justification == JustificationCenter, L" justification=\"Center\"");
    AppendOption(text, fields.justification == JustificationRight, L" justification=\"Right\"");
    AppendAttribute(text, L"value", fields.value);
    AppendAttribute(text, L"toolTip", fields.toolTip);
    AppendAttribute(text, L"onClick", fields.onClick);
}

}  // namespace

std::wstring BuildTextElementText(const TextElementFields& fields)
{
    std::wstring text;
    AppendTabs(text, fields.tabCount);
    text += L'<';
    text += TextElementOf(fields);
    AppendIdAndCoordinates(text, fields.id, fields.left, fields.top, fields.width, fields.height);
    AppendAttribute(text, L"fontFace", fields.fontFace.substr(0, kFontFaceLength));
    if (IndexInRange(fields.fontSize, kFontSizeCount) && fields.fontSize != kNoFontSize)
        AppendAttribute(text, L"fontSize", kFontSizes[fields.fontSize]);
    AppendOption(text, fields.fontSmoothing, L" fontSmoothing=\"True\"");
    AppendOption(text, fields.wordWrap, L" wordWrap=\"True\"");
    AppendAttribute(text, L"foregroundColor", fields.foregroundColor);
    if (fields.kind != TextKindPredefined) AppendStandardTextRows(text, fields);
    text += L"/>\r\n";
    return text;
}

std::wstring TextElementHelpText()
{
    return BuildHelpText(
        L"テキスト (text) 要素を挿入します。テキスト要素は、ビューの上に文字列を表示する要素です。再生位置や曲名のように、表示する内容を Windows Media Player が決める定義済みのテキスト要素を選ぶこともできます。",
        {
            {L"テキスト コントロールの種類", L"挿入する要素を選びます。標準は text 要素になり、表示する文字列をテキストの値で決めます。定義済みを選ぶと、一覧で選んだ要素 (再生位置表示テキストは CurrentPositionText、再生時間表示テキストは DurationText、状態表示テキストは StatusText、クリップ名表示テキストは TrackNameText 要素) になり、表示する内容は Windows Media Player が決めます。定義済みの要素には、ポイント時とディセーブルの文字色、整列方法、テキストの値、ツール チップ、OnClick ハンドラは書き込まれません。"},
            {L"識別 ID", kIdHelp},
            {L"座標・サイズ", kCoordinatesHelp},
            {L"フォント・サイズ", L"文字の書体名と大きさ (ポイント) を指定します。書体名は fontFace 属性になり、63 文字まで入力できます。空にすると書き込まれません。大きさは fontSize 属性になり、「なし」を選ぶと書き込まれません。どの種類の要素にも書き込まれます。"},
            {L"前景文字色", L"文字の色を #RRGGBB の形式で指定します。通常の色は foregroundColor 属性、マウス ポインタが文字の上にあるときの色 (ポイント時) は hoverForegroundColor 属性、要素が使用不可のときの色 (ディセーブル) は disabledForegroundColor 属性になります。\"...\" ボタンで色を選ぶこともできます。ポイント時とディセーブルは標準のテキスト要素だけに書き込まれます。どれも省略できます。"},
            {L"整列方法", L"幅の中で文字列をどちらに寄せるかを選びます。Center を選ぶと justification 属性に Center を、Right を選ぶと Right を書き込みます。Left は初めからの配置なので、何も書き込みません。標準のテキスト要素だけのオプションです。"},
            {L"(*)テキストの値", L"表示する文字列を指定します。value 属性になります。標準のテキスト要素では必須項目です。定義済みの要素では使われません。"},
            {L"ツール チップ", L"マウス ポインタを文字の上に置いたときに表示する説明を指定します。toolTip 属性になります。標準のテキスト要素だけに書き込まれます。省略できます。"},
            {L"OnClick ハンドラ", L"文字をクリックしたときに実行する処理を JScript で指定します。onClick 属性になります。標準のテキスト要素だけに書き込まれます。省略できます。"},
            {L"フォント スムージングを有効にする", L"チェックすると、文字の縁を滑らかにして表示します。fontSmoothing 属性に True を書き込みます。どの種類の要素でも使えます。省略できます。"},
            {L"文字列を折り返す", L"チェックすると、幅に収まらない文字列を折り返して、複数の行に表示します。wordWrap 属性に True を書き込みます。どの種類の要素でも使えます。省略できます。"},
            {L"タブの数", kTabCountHelp},
        });
}
