// The main window's commands: one dispatch for menus, accelerators and toolbar.
#include "commands.h"

#include "about_box.h"
#include "associations_dialog.h"
#include "color_survey.h"
#include "command_state.h"
#include "companions.h"
#include "current_document.h"
#include "document_commands.h"
#include "editor_windows.h"
#include "find_replace.h"
#include "options_dialog.h"
#include "packaging_dialog.h"
#include "resource.h"
#include "run_and_print.h"
#include "running_settings.h"
#include "skin_check_dialog.h"
#include "skin_preview_window.h"
#include "suspend.h"
#include "template_insert.h"
#include "wizards.h"

namespace {

const AboutBoxConfig kAboutBox = {IDD_ABOUT, 0, L"041104b0", L"041104b0", L"Quillmere", L"Quillmere", true};

void ShowInsertPopup(HWND window)
{
    POINT cursor;
    GetCursorPos(&cursor);
    HMENU menu = LoadMenuW(g_hInstance, MAKEINTRESOURCEW(IDR_MAIN_MENU));
    if (!menu) return;
    TrackPopupMenu(GetSubMenu(menu, 2), 0, cursor.x, cursor.y, 0, window, nullptr);
    DestroyMenu(menu);
}

void RunOptionsDialog(HWND window)
{
    ShowOptionsDialog(window);
    g_settings = LoadEditorSettings();
    UpdateSdkManualCommandState();
}

// A completed suspend ends the program without the save question; the window's
// resources go with it (WM_DESTROY).
bool SuspendAndEnd(HWND window)
{
    if (!SuspendDocument(g_settings, DetectEncodingMark(g_currentPath))) return false;
    DestroyWindow(window);
    return true;
}

}  // namespace

void DispatchCommand(HWND window, unsigned id)
{
    switch (id) {
    case IDM_FILE_NEW:        NewDocument(); break;
    case IDM_FILE_OPEN:       OpenDocumentCommand(); break;
    case IDM_FILE_SAVE:       SaveCommand(); break;
    case IDM_FILE_SAVE_AS:    SaveAsCommand(); break;
    case IDM_FILE_PRINT_PREVIEW: PreviewWithPpm(); break;
    case IDM_FILE_PRINT:      PrintWithPpm(); break;
    case IDM_FILE_SUSPEND:
        if (SuspendAndEnd(window)) return;
        break;
    case IDM_FILE_EXIT:       SendMessageW(window, WM_CLOSE, 0, 0); break;
    case IDM_EDIT_UNDO:       SendMessageW(g_hwndEdit, WM_UNDO, 0, 0); break;
    case IDM_EDIT_CUT:        SendMessageW(g_hwndEdit, WM_CUT, 0, 0); break;
    case IDM_EDIT_COPY:       SendMessageW(g_hwndEdit, WM_COPY, 0, 0); break;
    case IDM_EDIT_PASTE:      SendMessageW(g_hwndEdit, WM_PASTE, 0, 0); break;
    case IDM_EDIT_DELETE:     SendMessageW(g_hwndEdit, WM_CLEAR, 0, 0); break;
    case IDM_EDIT_SELECT_ALL: SendMessageW(g_hwndEdit, EM_SETSEL, 0, -1); break;
    case IDM_EDIT_FIND:       ShowFindDialog(); break;
    case IDM_EDIT_FIND_NEXT:  FindNextFromSelection(); break;
    case IDM_EDIT_REPLACE:    ShowReplaceDialog(); break;
    case IDM_INSERT_TAG_MENU: ShowInsertPopup(window); break;
    case IDM_INSERT_INITIAL:  ShowInitialInputWizard(window); break;
    case IDM_INSERT_COMMENT:  ShowCommentWizard(window); break;
    case IDM_INSERT_THEME:    ShowThemeWizard(window); break;
    case IDM_INSERT_VIEW:     ShowViewWizard(window); break;
    case IDM_INSERT_BUTTON_GROUP:   ShowButtonGroupWizard(window); break;
    case IDM_INSERT_BUTTON_ELEMENT: ShowButtonElementWizard(window); break;
    case IDM_INSERT_BUTTON:   ShowButtonWizard(window); break;
    case IDM_INSERT_TEXT:     ShowTextWizard(window); break;
    case IDM_INSERT_EFFECTS:  ShowEffectsWizard(window); break;
    case IDM_INSERT_VIDEO:    ShowVideoWizard(window); break;
    case IDM_INSERT_PLAYLIST: ShowPlaylistWizard(window); break;
    case IDM_INSERT_SLIDER:   ShowSliderWizard(window); break;
    case IDM_ABOUT:           ShowAboutBox(g_hInstance, window, kAboutBox); break;
    case IDM_TOOLS_RUN:       RunCurrentFile(); break;
    case IDM_PACKAGING:       ShowPackagingDialog(window); break;
    case IDM_TOOLS_SKIN_CHECK: CheckCurrentSkin(window); break;
    case IDM_TOOLS_SKIN_PREVIEW: ShowSkinPreview(window); break;
    case IDM_COLOR_SURVEY:    ShowColorSurvey(window); break;
    case IDM_ASSOCIATIONS:    ShowAssociations(window); break;
    case IDM_TOOLS_FERNCASTLE:
    case IDM_TOOLS_CONVERTER:
    case IDM_TOOLS_SETUP_MAKER: StartCompanion(id); break;
    case IDM_TOOLS_SHORTCUT:  OfferDesktopShortcut(); break;
    case IDM_HELP_CONTENTS:
    case IDM_HELP_REFERENCE:
    case IDM_HELP_SDK_MANUAL: OpenHelpFile(id); break;
    case IDM_TOOLS_INSERT_TEMPLATE: InsertTemplate(g_settings.TemplateFolderName); break;
    case IDM_OPTIONS:         RunOptionsDialog(window); break;
    default: break;
    }
    UpdateEditCommandState(GetMenu(g_hwndMain), g_hwndEdit);
}
