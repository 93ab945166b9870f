// The button element wizard's text and help.
#include "button_element_wizard_text.h"

#include "wizard_text.h"
#include "button_text_parts.h"

const wchar_t* const kButtonElementNames[kButtonElementKindCount] = {
    L"buttonelement", L"playelement", L"pauseelement", L"stopelement",
    L"prevelement",   L"rewelement",  L"ffwdelement",  L"nextelement",
};

namespace {

bool IsStandardElement(const ButtonElementFields& fields)
{
    return !IndexInRange(fields.kind, kButtonElementKindCount) || fields.kind == ButtonElementStandard;
}

}  // namespace

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
