// The playlist wizard's text and help.
#include "playlist_wizard_text.h"

#include "wizard_text.h"

const PredefinedElement kPredefinedPlaylists[kPredefinedPlaylistCount] = {
    {L"ドロップダウン プレイリスト (リスト領域なし)", L"DropDownPlaylist"},
    {L"アイテム プレイリスト (リスト領域のみ)", L"ItemsPlaylist"},
};

namespace {

// columns and the colours go in even when empty, as an empty pair of quotes.
void AppendPlaylistLook(std::wstring& text, const PlaylistFields& fields)
{
    AppendAttributeAlways(text, L"columns", fields.columns);
    AppendAttributeAlways(text, L"backgroundColor", fields.backgroundColor);
    AppendAttributeAlways(text, L"foregroundColor", fields.foregroundColor);
    AppendAttributeAlways(text, L"disabledItemColor", fields.disabledItemColor);
    AppendAttributeAlways(text, L"itemPlayingBackgroundColor", fields.itemPlayingBackgroundColor);
    AppendAttributeAlways(text, L"itemPlayingColor", fields.itemPlayingColor);
}

}  // namespace

std::wstring BuildPlaylistText(const PlaylistFields& fields)
{
    const bool standard = fields.kind != PlaylistKindPredefined;
    const int predefined = IndexInRange(fields.predefined, kPredefinedPlaylistCount) ? fields.predefined : 0;
    // The drop-down playlist has no list area to size, fill or colour.
    const bool dropDown = !standard && predefined == PlaylistDropDown;
    std::wstring text;
    AppendTabs(text, fields.tabCount);
    text += L'<';
    text += standard ? L"playlist" : kPredefinedPlaylists[predefined].element;
    AppendIdAndCoordinates(text, fields.id, fields.left, fields.top, fields.width,
                           dropDown ? std::wstring() : fields.height);
    if (!dropDown) AppendPlaylistLook(text, fields);
    if (standard) {
        AppendOption(text, fields.hideDropDown, L" dropDownVisible=\"False\"");
        AppendOption(text, fields.hideItems, L" playlistItemsVisible=\"False\"");
    }
    if (!dropDown) {
        AppendOption(text, fields.hideColumns, L" columnsVisible=\"False\"");
        AppendOption(text, fields.noSorting, L" allowColumnSorting=\"False\"");
        AppendOption(text, fields.noEditing, L" allowItemEditing=\"False\"");
    }
    text += L"/>\r\n";
    return text;
}

std::wstring PlaylistHelpText()
{
    return BuildHelpText(
        L"プレイリスト要素を挿入します。プレイリスト要素は、再生するメディアの一覧を表示し、そこから選んで再生できるようにする要素です。",
        {
            {L"プレイリストの種類", L"挿入する要素を選びます。標準は playlist 要素になります。定義済みを選ぶと、一覧で選んだ要素になります。ドロップダウン プレイリストは DropDownPlaylist 要素で、プレイリストを選ぶコンボ ボックスだけを表示し、高、表示項目、表示色、オプションは書き込みません。アイテム プレイリストは ItemsPlaylist 要素で、リスト領域だけを表示し、コンボ ボックスとリスト領域を非表示にするオプションは書き込みません。"},
            {L"識別 ID", kIdHelp},
            {L"座標・サイズ (X/Y 座標は必須)", L"要素を置く位置 (横・縦) と大きさ (幅・高) をピクセル単位で指定します。それぞれ left、top、width、height 属性になります。入力できるのは数字だけです。横と縦は必須項目で、幅と高は省略できます。ドロップダウン プレイリストでは高は書き込みません。"},
            {L"表示項目 (カラム名=見出し文字列 の形式で指定)",
             L"リスト領域に並べる列を指定します。columns 属性になります。列ごとにカラム名と見出しの文字列を = でつなぎ、セミコロン (;) で区切って並べます。たとえば、曲名と長さを表示するには次のように指定します。\r\n"
             L"\r\n"
             L"\tName=名前;Duration=長さ\r\n"
             L"\r\n"
             L"　使えるカラム名には次のものがあります。\r\n"
             L"\r\n"
             L"\tAlbum : アルバム名\r\n"
             L"\tArtist : アーティスト名\r\n"
             L"\tAuthor : 作成者名\r\n"
             L"\tDuration : クリップの長さ (例えば音楽なら演奏時間)\r\n"
             L"\tName : クリップ名 (曲名など)\r\n"
             L"\r\n"
             L"　columns 属性は空でも書き込みます。ドロップダウン プレイリストでは書き込みません。"},
            {L"表示色", L"プレイリストの色を #RRGGBB の形式で指定します。背景色は backgroundColor 属性、文字色は foregroundColor 属性、ディセーブル (使用できない項目の文字色) は disabledItemColor 属性、再生背景色 (再生中の項目の背景色) は itemPlayingBackgroundColor 属性、再生文字色 (再生中の項目の文字色) は itemPlayingColor 属性になります。\"...\" ボタンで色を選ぶこともできます。5 つの属性は空でも書き込みます。ドロップダウン プレイリストでは書き込みません。"},
            {L"コンボボックスを非表示にする", L"チェックすると、プレイリストを選ぶコンボ ボックスを表示しません。dropDownVisible 属性に False を書き込みます。標準のプレイリストだけのオプションです。"},
            {L"リスト領域を非表示にする", L"チェックすると、項目の一覧を表示しません。playlistItemsVisible 属性に False を書き込みます。標準のプレイリストだけのオプションです。"},
            {L"カラムを非表示にする", L"チェックすると、列の見出しを表示しません。columnsVisible 属性に False を書き込みます。標準のプレイリストとアイテム プレイリストで使えます。"},
            {L"並べ替えを不可能にする", L"チェックすると、列の見出しをクリックして項目を並べ替えることができなくなります。allowColumnSorting 属性に False を書き込みます。標準のプレイリストとアイテム プレイリストで使えます。"},
            {L"直接編集を不可能にする", L"チェックすると、一覧の項目をその場で書き換えることができなくなります。allowItemEditing 属性に False を書き込みます。標準のプレイリストとアイテム プレイリストで使えます。"},
            {L"タブの数", L"タグの前に入れるタブ文字の数を 0 ～ 100 の範囲で指定します。数字以外の文字が入っていると 0 として扱います。"},
        });
}
