// The help line of each menu item, shown in the status bar while the item is highlighted.
#include "menu_help.h"

#include "command_ids.h"

namespace {

struct MenuHelpEntry {
    unsigned id;
    const wchar_t* text;
};

// The button-group sub-menu reports its position (6) as its id.
const unsigned kButtonGroupMenuPosition = 6;

const MenuHelpEntry kMenuHelp[] = {
    {IDM_FILE_NEW, L"新規にファイルを作成します。"},
    {IDM_FILE_OPEN, L"既存のファイルを開きます。"},
    {IDM_FILE_SAVE, L"現在のファイルを上書きして更新します。"},
    {IDM_FILE_SAVE_AS, L"編集内容を別名ファイルに保存します。"},
    {IDM_FILE_PRINT_PREVIEW, L"PPM を使用して印刷プレビュー行います。"},
    {IDM_FILE_PRINT, L"PPM を使用して印刷を行います。"},
    {IDM_FILE_SUSPEND, L"編集内容を維持したまま QLM を終了します。"},
    {IDM_FILE_EXIT, L"プログラムを終了します。"},
    {IDM_EDIT_UNDO, L"元に戻します。"},
    {IDM_EDIT_CUT, L"選択範囲を切り取り、クリップボードへ格納します。"},
    {IDM_EDIT_COPY, L"選択範囲をクリップボードへコピーします。"},
    {IDM_EDIT_PASTE, L"クリップボードからテキストを貼り付けします。"},
    {IDM_EDIT_DELETE, L"選択範囲を削除します。"},
    {IDM_EDIT_SELECT_ALL, L"テキスト全体を選択状態にします。"},
    {IDM_EDIT_FIND, L"文字列検索を行います。"},
    {IDM_EDIT_FIND_NEXT, L"検索ダイアログで入力した文字列で次を検索します。"},
    {IDM_EDIT_REPLACE, L"入力した文字列を他の文字列に置き換えます。"},
    {IDM_TOOLS_RUN, L"現在開いている WMS ファイルの実行および Java スクリプト ファイルを実行します。"},
    {IDM_TOOLS_FERNCASTLE, L"Ferncastle を起動して、スキンの管理を行います。"},
    {IDM_TOOLS_CONVERTER, L"Quillmere 設定コンバータを起動して、2.2x 系の設定を引き継ぐことができます。"},
    {IDM_TOOLS_SETUP_MAKER, L"QLMC ファイルを作成するためのツールを起動します。"},
    {IDM_TOOLS_INSERT_TEMPLATE, L"既存の雛形ファイルからテキストを現在のカーソル位置に挿入します。"},
    {IDM_TOOLS_SKIN_CHECK, L"スキン定義の誤りや綴りの違いを調べ、見つかった箇所を一覧にします。"},
    {IDM_TOOLS_SKIN_PREVIEW, L"スキン定義のビューを、プレーヤーが表示するとおりに描いて見せます。"},
    {IDM_TOOLS_SHORTCUT, L"デスクトップに Quillmere のショートカットを作成します。"},
    {IDM_HELP_CONTENTS, L"ヘルプを開きます。"},
    {IDM_HELP_REFERENCE, L"リファレンス マニュアルを開きます。"},
    {IDM_HELP_SDK_MANUAL, L"Windows Media Player SDK マニュアルを開きます。使用するにはオプションにて事前に設定しておく必要があります。"},
    {IDM_ABOUT, L"お使いの Quillmere のバージョンを表示します。"},
    {IDM_OPTIONS, L"Quillmere の設定を変更できます。"},
    {IDM_PACKAGING, L"WMZ ファイルへパッケージ化します。パッケージ化を行うには ZIP32J.DLL および ZIP32.DLL が別途必要です。"},
    {IDM_COLOR_SURVEY, L"16 進数形式カラーコード (#xxxxxx) を取得してクリップボードへコピーできます。"},
    {IDM_ASSOCIATIONS, L"関連付けの設定または解除を行います。"},
    {IDM_INSERT_INITIAL, L"あらかじめタグや初期コードを挿入して作成準備を行います。"},
    {IDM_INSERT_COMMENT, L"現在のカーソル位置にコメントを挿入します。"},
    {IDM_INSERT_THEME, L"テーマ タグを挿入します。"},
    {IDM_INSERT_VIEW, L"ビュー タグを挿入します。"},
    {kButtonGroupMenuPosition, L"ボタングループ タグ、ボタンエレメント タグを入力するためのメニューです。"},
    {IDM_INSERT_BUTTON_GROUP, L"ボタングループ タグを挿入します。"},
    {IDM_INSERT_BUTTON_ELEMENT, L"ボタンエレメント タグを挿入します。"},
    {IDM_INSERT_BUTTON, L"ボタン タグを挿入します。"},
    {IDM_INSERT_TEXT, L"テキスト タグを挿入します。"},
    {IDM_INSERT_EFFECTS, L"エフェクト タグを挿入します。"},
    {IDM_INSERT_VIDEO, L"ビデオ タグを挿入します。"},
    {IDM_INSERT_PLAYLIST, L"プレイリスト タグを挿入します。"},
    {IDM_INSERT_SLIDER, L"スライダー タグを挿入します。"},
};

}  // namespace

const wchar_t* MenuHelpText(unsigned id)
{
    for (const MenuHelpEntry& help : kMenuHelp) {
        if (help.id == id) return help.text;
    }
    return L"レディ";
}
