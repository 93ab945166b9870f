// The view wizard's text and help.
#include "view_wizard_text.h"

#include "wizard_text.h"

std::wstring BuildViewText(const ViewFields& fields)
{
    // A view sits inside the theme, hence its one TAB.
    std::wstring text = L"\t<view";
    AppendAttribute(text, L"id", fields.id);
    AppendAttribute(text, L"title", fields.title);
    AppendAttributeAlways(text, L"backgroundImage", fields.backgroundImage);
    AppendAttribute(text, L"clippingColor", fields.clippingColor);
    AppendAttribute(text, L"scriptFile", fields.scriptFile);
    AppendOption(text, !fields.showTitleBar, L" titleBar=\"False\"");
    AppendOption(text, fields.tileBackground, L" backgroundTiled=\"True\"");
    text += L">\r\n\r\n\t</view>\r\n";
    return text;
}

std::wstring ViewHelpText()
{
    return BuildHelpText(
        L"ビュー タグの挿入では、スキンの 1 つの画面となる view 要素を挿入します。view 要素は theme "
        L"要素の中に置き、その中にボタンなどの要素を並べていきます。",
        {
            {L"識別 ID", L"ビューを見分けるための名前です。view 要素の id 属性になります。省略できます。"},
            {L"ビュー タイトル", L"ビューのタイトルです。title 属性になります。省略できます。"},
            {L"(*)背景イメージ",
             L"ビューの背景に使う画像のファイル名です。backgroundImage 属性になります。必ず指定してください。"
             L"「...」ボタンで画像ファイルを選ぶこともできます。"},
            {L"(*)クリッピング カラー",
             L"背景イメージのうち切り抜いて透明にする部分の色を #RRGGBB の形で指定します。clippingColor "
             L"属性になります。タイトル バーを表示しない場合は必ず指定してください。「...」ボタンで色を選ぶ"
             L"こともできます。"},
            {L"Java スクリプト ファイル",
             L"ビューで使うスクリプト ファイルの名前です。scriptFile 属性になります。セミコロン (;) "
             L"で区切れば複数のファイルを指定できます。省略できます。"},
            {L"タイトル バーを表示する",
             L"チェックするとビューをタイトル バー付きで表示します。チェックを外すと titleBar 属性に False "
             L"が書き込まれ、クリッピング カラーが必要になります。"},
            {L"背景を並べる",
             L"チェックすると backgroundTiled 属性に True が書き込まれ、背景イメージをビュー全体に並べて"
             L"表示します。"},
        },
        L"ヒント : 複数のビューを持つスキンを作るには、識別 ID を変えながら、このウィザードで必要な数だけ"
        L"ビュー タグを挿入してください。\r\n");
}
