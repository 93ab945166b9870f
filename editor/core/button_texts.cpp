// Texts of the button group, button element and button wizards.
#include "button_texts.h"

#include "wizard_text.h"

const wchar_t* const kButtonElementNames[kButtonElementKindCount] = {
    L"buttonelement", L"playelement", L"pauseelement", L"stopelement",
    L"prevelement",   L"rewelement",  L"ffwdelement",  L"nextelement",
};

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

// enabled is true by default, so only False makes the button start disabled.
const wchar_t kDisabledFragment[] = L" enabled=\"False\"";
const wchar_t kStickyFragment[] = L" sticky=\"True\"";
const wchar_t kDownFragment[] = L" down=\"True\"";

// Paragraphs that read the same in more than one of the three help texts.
const wchar_t kHoverImageHelp[] =
    L"マウス ポインタがボタンの上にあるときに表示する画像ファイルを指定します。hoverImage 属性になります。省略できます。";
const wchar_t kHoverDownImageHelp[] =
    L"押された状態のボタンの上にマウス ポインタがあるときに表示する画像ファイルを指定します。hoverDownImage 属性になります。ボタンを押している間に表示する画像はダウン イメージ欄に指定し、downImage 属性になります。どちらも省略できます。";
const wchar_t kDisabledImageHelp[] =
    L"ボタンが使用不可のときに表示する画像ファイルを指定します。disabledImage 属性になります。省略できます。";
const wchar_t kDownHelp[] =
    L"チェックすると、ボタンは押された状態で始まります。down 属性に True を書き込みます。トグル モードに設定したときだけ指定できます。省略できます。";

bool IsStandardElement(const ButtonElementFields& fields)
{
    return !IndexInRange(fields.kind, kButtonElementKindCount) || fields.kind == ButtonElementStandard;
}

bool IsStandardButton(const ButtonFields& fields)
{
    return fields.kind != ButtonKindPredefined;
}

const wchar_t* ButtonElementOf(const ButtonFields& fields)
{
    if (IsStandardButton(fields)) return L"button";
    return PredefinedElementAt(kPredefinedButtons, kPredefinedButtonCount, fields.predefined);
}

// The toggle rows that both the button element and the standard button write.
void AppendStickyRows(std::wstring& text, bool sticky, bool down, const std::wstring& downToolTip)
{
    if (!sticky) return;
    text += kStickyFragment;
    AppendOption(text, down, kDownFragment);
    AppendAttribute(text, L"downToolTip", downToolTip);
}

// The images of a button's other states, after its base image.
void AppendStateImages(std::wstring& text, const std::wstring& hover, const std::wstring& down,
                       const std::wstring& hoverDown, const std::wstring& disabled)
{
    AppendAttribute(text, L"hoverImage", hover);
    AppendAttribute(text, L"downImage", down);
    AppendAttribute(text, L"hoverDownImage", hoverDown);
    AppendAttribute(text, L"disabledImage", disabled);
}

}  // namespace

std::wstring BuildButtonGroupText(const ButtonGroupFields& fields)
{
    std::wstring text;
    AppendTabs(text, fields.tabCount);
    text += L"<buttongroup";
    AppendIdAndCoordinates(text, fields.id, fields.left, fields.top, fields.width, fields.height);
    AppendAttribute(text, L"image", fields.image);
    AppendAttribute(text, L"mappingImage", fields.mappingImage);
    AppendStateImages(text, fields.hoverImage, fields.downImage, fields.hoverDownImage, fields.disabledImage);
    AppendAttribute(text, L"transparencyColor", fields.transparencyColor);
    AppendOption(text, fields.radio, L" radio=\"True\"");
    AppendOption(text, fields.showBackground, L" showBackground=\"True\"");
    text += L">\r\n\r\n";
    AppendTabs(text, fields.tabCount);
    text += L"</buttongroup>\r\n";
    return text;
}

std::wstring BuildButtonElementText(const ButtonElementFields& fields)
{
    bool standard = IsStandardElement(fields);
    std::wstring text;
    AppendTabs(text, fields.tabCount);
    text += L'<';
    text += kButtonElementNames[standard ? ButtonElementStandard : fields.kind];
    AppendAttributeAlways(text, L"mappingColor", fields.mappingColor);
    AppendAttribute(text, L"upToolTip", fields.upToolTip);
    if (standard) {
        AppendAttribute(text, L"onClick", fields.onClick);
        AppendOption(text, fields.disabled, kDisabledFragment);
        AppendStickyRows(text, fields.sticky, fields.down, fields.downToolTip);
    }
    text += L"/>\r\n";
    return text;
}

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

std::wstring ButtonGroupHelpText()
{
    return BuildHelpText(
        L"ボタングループ (buttongroup) 要素を挿入します。ボタングループは、ボタンの領域を色で塗り分けたマップ イメージを使って、1 枚の画像の上にいくつものボタンを並べる要素です。",
        {
            {L"識別 ID", L"ボタングループを見分けるための名前を指定します。id 属性になり、JScript からこのボタングループを参照するときに使います。省略できます。"},
            {L"座標・サイズ", L"ボタングループを置く位置 (横・縦) と大きさ (幅・高) をピクセル単位で指定します。それぞれ left、top、width、height 属性になります。入力できるのは数字だけです。どれも省略できます。"},
            {L"基本イメージ", L"ボタングループのふだんの見た目になる画像ファイルを指定します。image 属性になります。\"...\" ボタンで選んだ画像は、フォルダを除いたファイル名だけが入ります。省略できます。"},
            {L"(*)マッピング イメージ", L"ボタンごとの領域を別々の色で塗り分けた画像ファイルを指定します。mappingImage 属性になります。塗り分けた色は、ボタンエレメントのマッピング カラーで指定します。必須項目です。"},
            {L"ホバー イメージ", kHoverImageHelp},
            {L"ホバーダウン イメージ", kHoverDownImageHelp},
            {L"ディセーブル イメージ", kDisabledImageHelp},
            {L"透明色", L"画像の中で透明にする色を #RRGGBB の形式で指定します。transparencyColor 属性になります。\"...\" ボタンで色を選ぶこともできます。省略できます。"},
            {L"ラジオ ボタンとして機能させる", L"チェックすると、グループ内のボタンがラジオ ボタンのように働き、押された状態になるのはいつも 1 つだけになります。radio 属性に True を書き込みます。省略できます。"},
            {L"ビットマップをフルで表示する", L"チェックすると、ボタンの領域だけでなく基本イメージ全体を表示します。showBackground 属性に True を書き込みます。省略できます。"},
            {L"タブの数", L"タグの前に入れるタブ文字の数を 0 ～ 100 の範囲で指定します。ボタングループでは終了タグの前にも同じ数のタブが入ります。"},
        },
        L"注意 : ボタングループは、その中にボタンエレメント要素を置いて初めてボタンとして働きます。ボタングループを挿入したら、開始タグと終了タグの間にボタンエレメント要素を挿入してください。\r\n");
}

std::wstring ButtonElementHelpText()
{
    return BuildHelpText(
        L"ボタンエレメント要素を挿入します。ボタンエレメントはボタングループの子要素で、マップ イメージ上の 1 色の領域にボタンとしての働きを割り当てます。",
        {
            {L"ボタンエレメントの種類", L"挿入する要素を選びます。標準エレメントは buttonelement 要素になり、クリックしたときの動作を OnClick ハンドラで決めます。再生、一時停止、停止、前クリップ、巻き戻し、早送り、次クリップの各エレメントは playelement、pauseelement、stopelement、prevelement、rewelement、ffwdelement、nextelement 要素になり、動作は初めから決まっています。これらにはマッピング カラーとツール チップだけが書き込まれます。"},
            {L"(*)マッピング カラー", L"このエレメントが受け持つ領域の色を、マップ イメージで塗った色と同じ #RRGGBB の形式で指定します。mappingColor 属性になります。\"...\" ボタンで色を選ぶこともできます。必須項目です。"},
            {L"ツール チップ", L"マウス ポインタを領域の上に置いたときに表示する説明を指定します。upToolTip 属性になり、どの種類のエレメントにも書き込まれます。省略できます。"},
            {L"(*)OnClick ハンドラ", L"領域をクリックしたときに実行する処理を JScript で指定します。onClick 属性になります。標準エレメントでは必須項目です。ほかの種類では使われません。"},
            {L"使用不可に設定", L"チェックすると、ボタンは使用不可の状態で始まります。enabled 属性を False に設定するのと同じで、enabled=\"False\" を書き込みます。標準エレメントだけのオプションです。省略できます。"},
            {L"トグル モードに設定", L"チェックすると、クリックするたびに押された状態と元の状態が切り替わるボタンになります。sticky 属性に True を書き込みます。標準エレメントだけのオプションです。チェックすると、その下のツール チップ欄に押された状態のときの説明 (downToolTip 属性) を指定できます。省略できます。"},
            {L"押下状態に設定", kDownHelp},
            {L"タブの数", kTabCountHelp},
        },
        L"注意 : ボタンエレメントはボタングループの中でだけ働きます。先にボタングループ要素を定義し、その開始タグと終了タグの間に挿入してください。\r\n"
        L"\r\n"
        L"入力例 :\r\n"
        L"\r\n"
        L"<theme>\r\n"
        L"    <view>\r\n"
        L"        <buttongroup mappingImage=\"map.bmp\">\r\n"
        L"            <buttonelement mappingColor=\"#FF0000\" onClick=\"JScript:view.close();\"/>\r\n"
        L"        </buttongroup>\r\n"
        L"    </view>\r\n"
        L"</theme>\r\n");
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
