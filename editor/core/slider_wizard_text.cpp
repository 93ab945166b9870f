// The slider wizard's text and the help of its dialog and three sub-dialogs.
#include "slider_wizard_text.h"

#include "wizard_text.h"

const PredefinedElement kPredefinedSliders[kPredefinedSliderCount] = {
    {L"シーク スライダー", L"SeekSlider"},
    {L"ボリューム スライダー", L"VolumeSlider"},
    {L"バランス スライダー", L"BalanceSlider"},
};

const wchar_t* const kSliderColorNames[kSliderColorCount] = {
    L"backgroundColor", L"backgroundEndColor", L"foregroundColor",
    L"foregroundEndColor", L"disabledColor", L"transparencyColor",
};

const wchar_t* const kSliderImageNames[kSliderImageCount] = {
    L"backgroundImage", L"backgroundHoverImage", L"foregroundImage",
    L"foregroundHoverImage", L"disabledImage", L"thumbImage",
    L"thumbHoverImage", L"thumbDownImage", L"thumbDisabledImage",
};

const wchar_t* const kSliderHandlerNames[kSliderHandlerCount] = {
    L"onDragBegin", L"onDragEnd", L"onPositionChange", L"value_onChange",
};

namespace {

// The predefined sliders bring their own range, value, tip and behaviour.
const wchar_t kStandardOnlyHelp[] = L"標準のスライダーだけに書き込まれ、定義済みのスライダーでは使われません。";

const wchar_t* SliderElementOf(const SliderFields& fields)
{
    if (IsStandardSlider(fields)) return L"slider";
    return PredefinedElementAt(kPredefinedSliders, kPredefinedSliderCount, fields.predefined);
}

std::wstring StandardOnly(const wchar_t* paragraph)
{
    return std::wstring(paragraph) + kStandardOnlyHelp + L"省略できます。";
}

}  // namespace

bool IsStandardSlider(const SliderFields& fields)
{
    return fields.kind != SliderKindPredefined;
}

bool SliderBoundsComplete(const SliderFields& fields)
{
    return !fields.left.empty() && !fields.top.empty() && !fields.width.empty() && !fields.height.empty();
}

bool SliderImagesComplete(const SliderFields& fields)
{
    return !fields.images[kSliderBackgroundImage].empty() && !fields.images[kSliderThumbImage].empty();
}

bool SliderNeedsHandlerWarning(const SliderFields& fields)
{
    if (!IsStandardSlider(fields)) return false;
    for (const std::wstring& handler : fields.handlers) {
        if (!handler.empty()) return false;
    }
    return true;
}

std::wstring BuildSliderText(const SliderFields& fields)
{
    const bool standard = IsStandardSlider(fields);
    std::wstring text;
    AppendTabs(text, fields.tabCount);
    text += L'<';
    text += SliderElementOf(fields);
    AppendIdAndCoordinates(text, fields.id, fields.left, fields.top, fields.width, fields.height);
    AppendAttribute(text, L"borderSize", fields.borderSize);
    for (int i = 0; i < kSliderColorCount; ++i) AppendAttribute(text, kSliderColorNames[i], fields.colors[i]);
    for (int i = 0; i < kSliderImageCount; ++i) AppendAttribute(text, kSliderImageNames[i], fields.images[i]);
    if (standard) {
        AppendAttribute(text, L"min", fields.min);
        AppendAttribute(text, L"max", fields.max);
        AppendAttribute(text, L"value", fields.value);
        AppendAttribute(text, L"toolTip", fields.toolTip);
    }
    AppendOption(text, fields.vertical, L" direction=\"Vertical\"");
    AppendOption(text, fields.tiled, L" tiled=\"True\"");
    if (standard) {
        AppendOption(text, fields.progress, L" useForegroundProgress=\"True\"");
        for (int i = 0; i < kSliderHandlerCount; ++i) {
            AppendAttribute(text, kSliderHandlerNames[i], fields.handlers[i]);
        }
    }
    text += L"/>\r\n";
    return text;
}

std::wstring SliderHelpText()
{
    const std::wstring value = StandardOnly(
        L"スライダーの初めの値を、最小値から最大値までの範囲で指定します。value 属性になります。"
        L"wmpprop: で始まる書き方で、Windows Media Player のプロパティ (たとえば音量) と結び付けることもできます。");
    const std::wstring toolTip = StandardOnly(
        L"マウス ポインタをスライダーの上に置いたときに表示する説明を指定します。toolTip 属性になります。");
    return BuildHelpText(
        L"スライダー タグの挿入では、つまみをドラッグして値を変える slider 要素か、再生位置・音量・左右の"
        L"バランスを操作する定義済みのスライダーを挿入します。画像ファイル、イベント ハンドラ、詳細オプションは、"
        L"それぞれのボタンで開く画面で指定します。",
        {
            {L"スライダーの種類",
             L"挿入する要素を選びます。「標準」を選ぶと slider 要素になり、最小値、最大値、値、ツール チップ、"
             L"イベント ハンドラを自由に指定できます。「定義済み」を選ぶと、一覧で選んだスライダーになります。"
             L"シーク スライダーは SeekSlider 要素 (再生位置)、ボリューム スライダーは VolumeSlider 要素 (音量)、"
             L"バランス スライダーは BalanceSlider 要素 (左右のバランス) で、働きは初めから決まっているため、"
             L"最小値、最大値、値、ツール チップ、イベント ハンドラと進行状況の追跡は書き込まれません。"},
            {L"識別 ID",
             L"スライダーを見分けるための名前です。id 属性になり、JScript からこのスライダーを参照するときに"
             L"使います。省略できます。"},
            {L"(*)座標・サイズ",
             L"スライダーを置く位置 (横・縦) と大きさ (幅・高) をピクセル単位で指定します。それぞれ left、top、"
             L"width、height 属性になります。入力できるのは数字だけです。4 つとも必須項目です。"},
            {L"ボーダー サイズ",
             L"スライダーの両端の、つまみの中心が入り込まない部分の幅をピクセル単位で指定します。borderSize "
             L"属性になります。ふつうはつまみイメージの大きさの半分にします。たとえば 12 × 12 ピクセルのつまみ"
             L"なら 6 を指定すると、つまみがスライダーの端からはみ出さずに動きます。入力できるのは数字だけです。"
             L"省略できます。"},
            {L"カラー指定、最小値、および最大値 (すべて省略可能)",
             L"背景開始色と背景終了色は backgroundColor 属性と backgroundEndColor 属性、前景開始色と前景終了色は "
             L"foregroundColor 属性と foregroundEndColor 属性になり、開始色から終了色へのグラデーションで背景と"
             L"前景を塗ります。ディセーブルはスライダーが使用不可のときの色で disabledColor 属性、透明色は画像の"
             L"中で透明にする色で transparencyColor 属性になります。色は #RRGGBB の形式で指定し、「...」ボタンで"
             L"選ぶこともできます。最小値と最大値は min 属性と max 属性になり、スライダーが表す値の範囲を決めます。"
             L"最小値と最大値は標準のスライダーだけに書き込まれます。どれも省略できます。"},
            {L"イメージ ファイル ボタン",
             L"「イメージ ファイルの指定」画面を開き、背景、前景、つまみなどに使う画像ファイルを指定します。"
             L"背景イメージ (backgroundImage 属性) とつまみ (通常) のイメージ (thumbImage 属性) は必須項目で、"
             L"どちらかが空のままでは挿入できません。"},
            {L"イベント ハンドラ ボタン",
             L"「イベント ハンドラの定義」画面を開き、つまみをドラッグしたときや値が変わったときに実行する "
             L"JScript の処理を指定します。標準のスライダーだけで使えます。必須ではありませんが、1 つも設定せずに"
             L"挿入しようとすると、続けるかどうかの確認が表示されます。"},
            {L"値", value.c_str()},
            {L"ツール チップ", toolTip.c_str()},
            {L"その他ボタン",
             L"「詳細オプション」画面を開き、スライダーの向き、画像の並べ方、進行状況の追跡を設定します。"
             L"どれも省略できます。"},
            {L"タブの数", kTabCountHelp},
        });
}

std::wstring SliderImagesHelpText()
{
    return BuildHelpText(
        L"イメージ ファイルの指定では、スライダーの各部分に使う画像ファイルを指定します。「...」ボタンで選んだ"
        L"画像は、フォルダを除いたファイル名だけが入ります。背景イメージとつまみ (通常) は必須項目です。",
        {
            {L"(*)背景イメージ",
             L"スライダーの土台になる、つまみが動く溝の画像です。backgroundImage 属性になります。必須項目です。"},
            {L"背景イメージ (ホバー)",
             L"マウス ポインタがスライダーの上にあるときに、背景イメージの代わりに表示する画像です。"
             L"backgroundHoverImage 属性になります。省略できます。"},
            {L"前景イメージ",
             L"背景イメージの上に、スライダーの端からつまみの位置まで重ねて表示する画像です。再生が済んだ部分や"
             L"音量の大きさを表すのに使います。foregroundImage 属性になります。省略できます。"},
            {L"前景イメージ (ホバー)",
             L"マウス ポインタがスライダーの上にあるときに、前景イメージの代わりに表示する画像です。"
             L"foregroundHoverImage 属性になります。省略できます。"},
            {L"ディセーブル イメージ",
             L"スライダーが使用不可のときに、背景イメージの代わりに表示する画像です。disabledImage 属性に"
             L"なります。省略できます。"},
            {L"(*)つまみ (通常)",
             L"ドラッグして動かすつまみの、ふだんの画像です。thumbImage 属性になります。必須項目です。この画像の"
             L"大きさの半分をボーダー サイズに指定すると、つまみがスライダーの端からはみ出しません。"},
            {L"つまみ (ホバー)",
             L"マウス ポインタがつまみの上にあるときの画像です。thumbHoverImage 属性になります。省略できます。"},
            {L"つまみ (押下)",
             L"つまみをドラッグしている間の画像です。thumbDownImage 属性になります。省略できます。"},
            {L"つまみ (ディセーブル)",
             L"スライダーが使用不可のときのつまみの画像です。thumbDisabledImage 属性になります。省略できます。"},
        });
}

std::wstring SliderHandlersHelpText()
{
    return BuildHelpText(
        L"イベント ハンドラの定義では、スライダーを操作したときに実行する JScript の処理を指定します。"
        L"ハンドラは標準のスライダー (slider 要素) だけに書き込まれ、定義済みのスライダーでは使われません。"
        L"どれも省略できますが、1 つも指定しないと挿入するときに確認が表示されます。",
        {
            {L"OnDragBegin ハンドラ",
             L"つまみのドラッグを始めたときに実行する処理です。onDragBegin 属性になります。省略できます。"},
            {L"OnDragEnd ハンドラ",
             L"つまみのドラッグを終えて、マウス ボタンを離したときに実行する処理です。onDragEnd 属性になります。"
             L"省略できます。"},
            {L"OnPositionChange ハンドラ",
             L"ドラッグやクリックでつまみの位置が変わったときに実行する処理です。onPositionChange 属性に"
             L"なります。省略できます。"},
            {L"value_OnChange ハンドラ",
             L"スライダーの値 (value 属性) が変わったときに実行する処理です。value_onChange 属性になります。"
             L"値を Windows Media Player のプロパティと結び付けたときなど、ドラッグ以外で値が変わったときにも"
             L"実行されます。省略できます。"},
        });
}

std::wstring SliderOptionsHelpText()
{
    return BuildHelpText(
        L"詳細オプションでは、スライダーの向きや画像の表示のしかたなどを設定します。どれも省略でき、"
        L"チェックしたものだけが書き込まれます。",
        {
            {L"direction 属性の値を Vertical に設定する",
             L"チェックすると、つまみが上下に動く縦向きのスライダーになります。direction 属性に Vertical を"
             L"書き込みます。チェックしないと横向きのスライダーになります。定義済みのスライダーにも使えます。"},
            {L"イメージを並べて表示する",
             L"チェックすると、画像をスライダーの大きさいっぱいまで繰り返して並べて表示します。tiled 属性に "
             L"True を書き込みます。定義済みのスライダーにも使えます。"},
            {L"進行状況の追跡を可能にする",
             L"チェックすると、前景イメージがつまみの位置ではなく foregroundProgress 属性 (注) の値に従って"
             L"表示されるようになり、ダウンロードの進み具合などをつまみとは別に表せます。useForegroundProgress "
             L"属性に True を書き込みます。標準のスライダーだけのオプションです。"},
        },
        L"(注) : 手動で入力する必要があります。\r\n");
}
