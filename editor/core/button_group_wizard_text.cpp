// The button group wizard's text and help.
#include "button_group_wizard_text.h"

#include "wizard_text.h"
#include "button_text_parts.h"

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
