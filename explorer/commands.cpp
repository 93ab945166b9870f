// The main window's commands: one dispatch for menus, accelerators and toolbar, and help.
#include "commands.h"

#include "about_box.h"
#include "fennick.h"
#include "html_help.h"
#include "message_box.h"
#include "navigation.h"
#include "package_check_dialog.h"
#include "preview_pane.h"
#include "program_folder.h"
#include "resource.h"
#include "skin_list.h"
#include "skin_operations.h"
#include "thumbnails.h"

#include <commctrl.h>
#include <htmlhelp.h>

namespace {

const AboutBoxConfig kAboutBox = {
    IDD_ABOUT_JP, IDD_ABOUT_EN, L"041104e4", L"040904e4", L"Ferncastle", L"Ferncastle", false,
};

// Operations leave the folder on screen to be re-listed here, before what they have to say.
void Apply(HWND window, const SkinChange& change)
{
    if (change.changed) ShowFolder(window, CurrentFolder());
    if (!change.message.empty()) ShowMessage(window, change.message.c_str(), change.caption.c_str(), change.icon);
}

// Only the large-icon view shows pictures: a change of view asks for them.
void ShowSkinListAs(DWORD view)
{
    SetSkinListView(view);
    RequestThumbnails();
}

}  // namespace

void OnCommand(HWND window, int id)
{
    switch (id) {
    case IDM_OPEN_SKIN:    ActivateSelectedEntry(window); break;
    case IDM_DELETE_SKINS: Apply(window, DeleteSelectedSkins(window)); break;
    case IDM_RENAME_SKIN:  Apply(window, RenameSelectedSkin(window)); break;
    case IDM_ADD_SKINS:    Apply(window, AddSkin(window)); break;
    case IDM_EXIT:         SendMessageW(window, WM_CLOSE, 0, 0); break;
    case IDM_VIEW_ICON:    ShowSkinListAs(LVS_ICON); break;
    case IDM_VIEW_LIST:    ShowSkinListAs(LVS_LIST); break;
    case IDM_VIEW_DETAILS: ShowSkinListAs(LVS_REPORT); break;
    case IDM_SORT_NAME:    SortSkinList(ColumnName); break;
    case IDM_SORT_SIZE:    SortSkinList(ColumnSize); break;
    case IDM_SORT_DATE:    SortSkinList(ColumnDate); break;
    case IDM_REFRESH:      ShowFolder(window, CurrentFolder()); break;
    case IDM_HELP:         ShowHelp(window); break;
    case IDM_ABOUT:        ShowAboutBox(g_hInstance, window, kAboutBox); break;
    case IDM_PREVIEW:      TogglePreviewPane(); break;
    case IDM_CHECK_PACKAGE: CheckSelectedPackage(window); break;
    }
}

void ShowHelp(HWND owner)
{
    CallHtmlHelp(owner, (OwnProgramFolder() + L"Fennick.chm").c_str(), HH_DISPLAY_TOPIC, 0);
}
