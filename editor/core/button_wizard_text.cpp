// The button wizard's text and help.
#include "button_wizard_text.h"

#include "wizard_text.h"
#include "button_text_parts.h"

const PredefinedElement kPredefinedButtons[kPredefinedButtonCount] = {
    {L"再生ボタン", L"playbutton"},
    {L"一時停止ボタン", L"pausebutton"},
    {L"停止ボタン", L"stopbutton"},
    {L"前クリップ ボタン", L"prevbutton"},
    {L"巻戻しボタン", L"rewbutton"},
    {L"早送りボタン", L"ffwdbutton"},
    {L"次クリップ ボタン", L"nextbutton"},
    {L"ミュート ボタン", L"mutebutton"},
    {L"リピート ボタン", L"repeatbutton"},
    {L"シャッフル ボタン", L"shufflebutton"},
    {L"フル モード ボタン", L"returnbutton"},
    {L"最小化ボタン", L"minimizebutton"},
    {L"閉じるボタン", L"closebutton"},
};

namespace {

bool IsStandardButton(const ButtonFields& fields)
{
    return fields.kind != ButtonKindPredefined;
}

const wchar_t* ButtonElementOf(const ButtonFields& fields)
{
    if (IsStandardButton(fields)) return L"button";
    return PredefinedElementAt(kPredefinedButtons, kPredefinedButtonCount, fields.predefined);
}

}  // namespace

std::wstring BuildButtonText(const ButtonFields& fields)
{
    bool standard = IsStandardButton(fields);
    std::wstring text;
    AppendTabs(text, fields.tabCount);
    text += L'<';
    text += ButtonElementOf(fields);
    AppendIdAndCoordinates(text, fields.id, fields.left, fields.top, fields.width, fields.height);
    AppendAttribute(text, L"image", fields.image);
    AppendStateImages(text, fields.hoverImage, fields.downImage, fields.hoverDownImage, fields.disabledImage);
    AppendAttribute(text, fields.colorAsClipping ? L"clippingColor" : L"transparencyColor", fields.color);
    if (standard) {
        AppendAttribute(text, L"onClick", fields.onClick);
        AppendAttribute(text, L"upToolTip", fields.upToolTip);
        AppendOption(text, fields.disabled, kDisabledFragment);
    }
    AppendOption(text, fields.tiled, L" tiled=\"True\"");
    if (standard) AppendStickyRows(text, fields.sticky, fields.down, fields.downToolTip);
    text += L"/>\r\n";
    return text;
}

std::wstring ButtonHelpText()
{
    return BuildHelpText(
        L"ボタン要素を挿入します。ボタン要素は自分の画像で描かれる独立したボタンで、ボタングループを使わずにビューの上に置けます。",
        {
            {L"ボタンの種類", L"挿入する要素を選びます。標準は button 要素になり、クリックしたときの動作を OnClick イベント ハンドラで決めます。定義済みを選ぶと、一覧で選んだボタン (再生ボタンなら playbutton 要素など) になり、動作は初めから決まっています。"},
            {L"識別 ID", L"ボタンを見分けるための名前を指定します。id 属性になり、JScript からこのボタンを参照するときに使います。省略できます。"},
            {L"(*)座標・サイズ", L"ボタンを置く位置 (横・縦) と大きさ (幅・高) をピクセル単位で指定します。それぞれ left、top、width、height 属性になります。入力できるのは数字だけです。4 つとも必須項目です。"},
            {L"(*)基本イメージ", L"ボタンのふだんの見た目になる画像ファイルを指定します。image 属性になります。\"...\" ボタンで選んだ画像は、フォルダを除いたファイル名だけが入ります。必須項目です。"},
            {L"ホバー イメージ", kHoverImageHelp},
            {L"ホバーダウン イメージ", kHoverDownImageHelp},
            {L"ディセーブル イメージ", kDisabledImageHelp},
            {L"(*)OnClick ハンドラ", L"ボタンをクリックしたときに実行する処理を JScript で指定します。onClick 属性になります。標準のボタンでは必須項目です。定義済みのボタンでは使われません。"},
            {L"透明色", L"画像の中で透明にする色を #RRGGBB の形式で指定します。ふだんは transparencyColor 属性になります。\"...\" ボタンで色を選ぶこともできます。省略できます。"},
            {L"ツール チップ", L"マウス ポインタをボタンの上に置いたときに表示する説明を指定します。upToolTip 属性になります。標準のボタンだけに書き込まれます。省略できます。"},
            {L"使用不可に設定", L"チェックすると、ボタンは使用不可の状態で始まります。enabled 属性を False に設定するのと同じで、enabled=\"False\" を書き込みます。標準のボタンだけのオプションです。省略できます。"},
            {L"画像を並べて表示", L"チェックすると、画像をボタンの大きさに合わせて並べて表示します。tiled 属性に True を書き込みます。どの種類のボタンでも使えます。省略できます。"},
            {L"トグル モードに設定", L"チェックすると、クリックするたびに押された状態と元の状態が切り替わるボタンになります。sticky 属性に True を書き込みます。標準のボタンだけのオプションです。チェックすると、その下のツール チップ欄に押された状態のときの説明 (downToolTip 属性) を指定できます。省略できます。"},
            {L"押下状態に設定", kDownHelp},
            {L"透明色定義として clippingColor 属性を使う", L"チェックすると、透明色を transparencyColor 属性ではなく clippingColor 属性として書き込みます。clippingColor の色の部分はボタンの形から切り抜かれ、クリックにも反応しなくなります。どの種類のボタンでも使えます。省略できます。"},
            {L"タブの数", kTabCountHelp},
        });
}
