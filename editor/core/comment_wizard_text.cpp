// The comment wizard's text and help.
#include "comment_wizard_text.h"

#include "wizard_text.h"

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
