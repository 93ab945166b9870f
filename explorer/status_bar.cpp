// The status bar: the counts of the list and the help text of the highlighted menu item.
#include "status_bar.h"

#include "fennick.h"
#include "language.h"
#include "registry_value.h"
#include "resource.h"
#include "skin_list.h"

#include <commctrl.h>

#include <cwchar>

namespace {

struct StatusHelp {
    UINT command;
    const wchar_t* english;
    wchar_t text[256];
};

StatusHelp g_statusHelp[] = {
    {IDM_OPEN_SKIN, L"Chosen to open the skin.", L"選択したスキンを開きます。"},
    {IDM_DELETE_SKINS, L"Chosen to remove the skins.", L"選択したスキンを削除します。"},
    {IDM_RENAME_SKIN, L"Chosen to rename the skin.", L"選択したスキンをリネームします。"},
    {IDM_ADD_SKINS, L"The skin to another folders.", L"別の場所にあるスキンを追加します。"},
    {IDM_EXIT, L"To end the program.", L"プログラムを終了します。"},
    {IDM_VIEW_ICON, L"View of Large icons.", L"大きいアイコンで表示します。"},
    {IDM_VIEW_LIST, L"View of List.", L"一覧表示します。"},
    {IDM_VIEW_DETAILS, L"In addition to the file name, size and also updated.",
     L"ファイル名に加えて、サイズおよび更新日時も表示します。"},
    {IDM_SORT_NAME, L"Sort by Filename.", L"名前順に並べ替えます。"},
    {IDM_SORT_SIZE, L"Sort by Size.", L"サイズ順に並べ替えます。"},
    {IDM_SORT_DATE, L"Sort by Date Modified.", L"更新日時順に並べ替えます。"},
    {IDM_REFRESH, L"Refreshes the Current Folder.", L"最新の状態に更新します。"},
    {IDM_PREVIEW, L"Shows or hides a picture of the selected skin beside the list.",
     L"選択したスキンの外観を一覧の横に表示または非表示にします。"},
    {IDM_CHECK_PACKAGE, L"Checks the definitions and files in the selected package.",
     L"選択したパッケージの定義とファイルをチェックします。"},
    {IDM_HELP, L"Help is open.", L"ヘルプを開きます。"},
    {IDM_ABOUT, L"If your version of Ferncastle.", L"お使いの Ferncastle のバージョンを表示します。"},
};

HWND g_status = nullptr;

void SetStatusText(const wchar_t* text)
{
    SendMessageW(g_status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text));
}

void ShowCount(const wchar_t* japanese, const wchar_t* english, int count)
{
    wchar_t text[64];
    swprintf(text, _countof(text), IsJapaneseUi() ? japanese : english, count);
    SetStatusText(text);
}

}  // namespace

HWND CreateExplorerStatusBar(HWND parent)
{
    g_status = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(IDC_STATUS), g_hInstance, nullptr);
    return g_status;
}

void UseEnglishStatusHelp()
{
    for (StatusHelp& help : g_statusHelp) CopyToBuffer(help.text, _countof(help.text), help.english);
}

void ShowMenuHelp(UINT item, UINT flags)
{
    const wchar_t* text = L"";
    // A closing menu reports flags 0xFFFF, which include MF_POPUP.
    if (!(flags & (MF_POPUP | MF_SEPARATOR))) {
        for (const StatusHelp& help : g_statusHelp)
            if (help.command == item) text = help.text;
    }
    SetStatusText(text);
}

void ShowItemCount()
{
    ShowCount(L"%01d 個のスキンとフォルダ", L"%01d Skins and Folders", EntryCount());
}

void ShowSelectionState()
{
    int selected = SelectedEntryCount();
    if (selected == 0)
        ShowItemCount();
    else
        ShowCount(L"%01d 個の項目を選択", L"%01d Items Selected", selected);
}
