// Texts of the initial input, comment, theme and view wizards: the generated text and the help.
#include "skin_texts.h"

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

const std::wstring& CommentContent(const CommentFields& fields)
{
    return fields.form == CommentMultiLine ? fields.multiLine : fields.singleLine;
}

std::wstring BuildCommentText(const CommentFields& fields)
{
    const std::wstring& content = CommentContent(fields);
    const bool script = fields.data == CommentDataScript;
    if (fields.form == CommentMultiLine)
        return script ? L"/*\r\n" + content + L"\r\n*/\r\n" : L"<!--\r\n" + content + L"\r\n-->\r\n";
    return script ? L"// " + content : L"<!-- " + content + L" -->";
}

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

std::wstring CommentHelpText()
{
    return BuildHelpText(
        L"コメントの挿入では、スキン定義ファイル (WMS) またはスクリプト ファイルに、説明などを書き残すための"
        L"コメントを作成します。",
        {
            {L"作成しているデータの種類",
             L"編集中のファイルの種類を選びます。「Windows Media Player スキン」を選ぶと XML のコメント "
             L"(<!-- と --> で囲んだもの) を、「Java スクリプト」を選ぶと JScript のコメント (// で始まるもの、"
             L"または /* と */ で囲んだもの) を作成します。"},
            {L"コメントの種類",
             L"1 行コメントか複数行コメントかを選びます。選んだ種類の「コメントの内容」だけが使われ、空のままには"
             L"できません。複数行コメントの内容は Enter キーで改行しながら入力できます。"},
        },
        L"参考 : 「OK」ボタンを押すと、入力した内容がコメントとしてキャレットの位置に挿入されます。\r\n");
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
