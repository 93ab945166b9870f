// The theme wizard's text and help.
#include "theme_wizard_text.h"

#include "wizard_text.h"

std::wstring BuildThemeText(const ThemeFields& fields)
{
    std::wstring text = L"<theme";
    AppendAttribute(text, L"id", fields.id);
    AppendAttribute(text, L"title", fields.title);
    AppendAttribute(text, L"author", fields.author);
    AppendAttribute(text, L"copyright", fields.copyright);
    AppendAttribute(text, L"authorVersion", fields.authorVersion);
    AppendAttribute(text, L"currentViewID", fields.currentViewId);
    AppendAttribute(text, L"version", fields.version);
    text += L">\r\n\r\n</theme>\r\n";
    return text;
}

std::wstring ThemeHelpText()
{
    return BuildHelpText(
        L"テーマ タグの挿入では、スキン全体をまとめる theme 要素を挿入します。theme 要素は 1 つのスキンに "
        L"1 つだけ定義でき、どの項目も省略できます。",
        {
            {L"識別 ID", L"テーマを見分けるための名前です。theme 要素の id 属性になります。省略できます。"},
            {L"タイトル", L"スキンのタイトルです。title 属性になります。省略できます。"},
            {L"作成者", L"スキンを作った人の名前です。author 属性になります。省略できます。"},
            {L"著作権", L"スキンの著作権の表示です。copyright 属性になります。省略できます。"},
            {L"バージョン番号",
             L"スキン自体のバージョン番号です。authorVersion 属性になります。省略できます。"},
            {L"対象バージョン",
             L"スキンが対象とする Windows Media Player のバージョンです。version 属性になります。"
             L"通常は指定する必要はありません。"},
            {L"開始ビュー ID",
             L"スキンを読み込んだときに最初に表示するビューの識別 ID です。currentViewID 属性になります。"
             L"省略できます。"},
        });
}
