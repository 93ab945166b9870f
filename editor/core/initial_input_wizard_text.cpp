// The initial input wizard's texts: the starting documents and the help.
#include "initial_input_wizard_text.h"

#include "wizard_text.h"

std::wstring BuildInitialSkinText(const InitialSkinFields& fields)
{
    // The starting document spells the theme attributes with a capital letter.
    std::wstring text = L"<theme";
    AppendAttribute(text, L"Title", fields.title);
    AppendAttribute(text, L"Author", fields.author);
    AppendAttribute(text, L"Copyright", fields.copyright);
    text += L">\r\n\t<view";
    AppendAttributeAlways(text, L"backgroundImage", fields.backgroundImage);
    AppendAttribute(text, L"clippingColor", fields.clippingColor.substr(0, kClippingColorLength));
    AppendOption(text, !fields.showTitleBar, L" titleBar=\"False\"");
    text += L">\r\n\t\t<!--↓ここにコードを書いてください。-->\r\n\r\n\t</view>\r\n</theme>\r\n";
    return text;
}

std::wstring BuildInitialScriptText()
{
    return L"/*\r\n"
           L"\tこのスクリプトは、Quillmere によって生成されたものです。\r\n"
           L"\tWMS ファイルの内容に応じてこのスクリプトを編集してください。\r\n"
           L"*/\r\n\r\n"
           L"function OnLoad() {\r\n"
           L"\t/*↓ここに WMP スキンロード時に実行するスクリプト コードを書いてください。*/\r\n\r\n}\r\n\r\n"
           L"function OnClose() {\r\n"
           L"\t/*↓ここに WMP スキンアンロード時に実行するスクリプト コードを書いてください。*/\r\n\r\n}\r\n\r\n"
           L"/*↓ここにコードを書いてください。*/\r\n";
}

std::wstring InitialInputHelpText()
{
    return BuildHelpText(
        L"初期入力では、これから作るファイルの土台となるデータを作成し、編集中の内容をすべてそれに置き換えます。",
        {
            {L"データの種類",
             L"作成するデータの種類を選びます。「Windows Media Player スキン」を選ぶと theme 要素と view "
             L"要素を持つスキン定義ファイル (WMS) の骨組みを、「Java スクリプト」を選ぶと OnLoad 関数と "
             L"OnClose 関数を持つスクリプト ファイルの骨組みを作成します。"},
            {L"スキン データの入力 (Java スクリプト選択時は無視されます)",
             L"Windows Media Player スキンを選んだときに使われる項目です。\r\n"
             L"　・スキンのタイトル : スキンの名前です。theme 要素の Title 属性になります。省略できます。\r\n"
             L"　・スキンの作成者 : スキンを作った人の名前です。theme 要素の Author 属性になります。省略できます。\r\n"
             L"　・スキンの著作権 : 著作権の表示です。theme 要素の Copyright 属性になります。省略できます。\r\n"
             L"　・(*)背景イメージ : ビューの背景に使う画像のファイル名です。view 要素の backgroundImage "
             L"属性になります。必ず指定してください。\r\n"
             L"　・(*)クリッピングカラー : 背景イメージのうち切り抜いて透明にする部分の色を #RRGGBB "
             L"の形で指定します。view 要素の clippingColor 属性になり、先頭の 7 文字だけが使われます。\r\n"
             L"　・タイトル バーを表示する : チェックを外すと view 要素の titleBar 属性に False "
             L"が書き込まれ、タイトル バーのないスキンになります。"},
        },
        L"注意 : (*) の付いた項目は必須項目です。ただしクリッピングカラーは、タイトル バーを表示する場合に限り"
        L"省略できます。\r\n");
}
