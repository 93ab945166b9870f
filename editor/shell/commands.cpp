// The main window's commands: one dispatch for menus, accelerators and toolbar.
#include "commands.h"

#include "about_box.h"
#include "associations_dialog.h"
#include "color_survey.h"
#include "command_state.h"
#include "companions.h"
#include "document_commands.h"
#include "find_replace.h"
#include "options_dialog.h"
#include "packaging_dialog.h"
#include "resource.h"
#include "run_and_print.h"
#include "skin_check_dialog.h"
#include "skin_preview_window.h"
#include "suspend.h"
#include "template_insert.h"
#include "wizards.h"

namespace {

const AboutBoxConfig kAboutBox = {IDD_ABOUT, 0, L"041104b0", L"041104b0", L"Quillmere", L"Quillmere", true};

void ShowInsertPopup(const EditorWindow& window)
{
    POINT cursor;
    GetCursorPos(&cursor);
    HMENU menu = LoadMenuW(window.instance, MAKEINTRESOURCEW(IDR_MAIN_MENU));
    if (!menu) return;
    TrackPopupMenu(GetSubMenu(menu, 2), 0, cursor.x, cursor.y, 0, window.main, nullptr);
    DestroyMenu(menu);
}

void RunOptionsDialog(Editor* editor)
{
    ShowOptionsDialog(editor->window);
    editor->settings = LoadEditorSettings();
    UpdateSdkManualCommandState(editor->window, editor->settings);
}

// A completed suspend ends the program without the save question; the window's
// resources go with it (WM_DESTROY).
bool SuspendAndEnd(const Editor& editor)
{
    const TextEncoding fileEncoding = DetectEncodingMark(editor.document.path);
    if (!SuspendDocument(editor.window, editor.document, editor.settings, fileEncoding)) return false;
    DestroyWindow(editor.window.main);
    return true;
}

}  // namespace

void DispatchCommand(Editor* editor, unsigned id)
{
    const EditorWindow& window = editor->window;
    HWND edit = window.edit;
    switch (id) {
    case IDM_FILE_NEW:        NewDocument(editor); break;
    case IDM_FILE_OPEN:       OpenDocumentCommand(editor); break;
    case IDM_FILE_SAVE:       SaveCommand(editor); break;
    case IDM_FILE_SAVE_AS:    SaveAsCommand(editor); break;
    case IDM_FILE_PRINT_PREVIEW: PreviewWithPpm(editor); break;
    case IDM_FILE_PRINT:      PrintWithPpm(editor); break;
    case IDM_FILE_SUSPEND:
        if (SuspendAndEnd(*editor)) return;
        break;
    case IDM_FILE_EXIT:       SendMessageW(window.main, WM_CLOSE, 0, 0); break;
    case IDM_EDIT_UNDO:       SendMessageW(edit, WM_UNDO, 0, 0); break;
    case IDM_EDIT_CUT:        SendMessageW(edit, WM_CUT, 0, 0); break;
    case IDM_EDIT_COPY:       SendMessageW(edit, WM_COPY, 0, 0); break;
    case IDM_EDIT_PASTE:      SendMessageW(edit, WM_PASTE, 0, 0); break;
    case IDM_EDIT_DELETE:     SendMessageW(edit, WM_CLEAR, 0, 0); break;
    case IDM_EDIT_SELECT_ALL: SendMessageW(edit, EM_SETSEL, 0, -1); break;
    case IDM_EDIT_FIND:       ShowFindDialog(window, &editor->search); break;
    case IDM_EDIT_FIND_NEXT:  FindNextFromSelection(window, &editor->search); break;
    case IDM_EDIT_REPLACE:    ShowReplaceDialog(window, &editor->search); break;
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
    case IDM_ABOUT:           ShowAboutBox(window.instance, window.main, kAboutBox); break;
    case IDM_TOOLS_RUN:       RunCurrentFile(editor); break;
    case IDM_PACKAGING:       ShowPackagingDialog(window, editor->document); break;
    case IDM_TOOLS_SKIN_CHECK: CheckCurrentSkin(editor); break;
    case IDM_TOOLS_SKIN_PREVIEW: ShowSkinPreview(window, editor->document); break;
    case IDM_COLOR_SURVEY:    ShowColorSurvey(window); break;
    case IDM_ASSOCIATIONS:    ShowAssociations(window); break;
    case IDM_TOOLS_FERNCASTLE:
    case IDM_TOOLS_CONVERTER:
    case IDM_TOOLS_SETUP_MAKER: StartCompanion(window.main, id); break;
    case IDM_TOOLS_SHORTCUT:  OfferDesktopShortcut(window.main); break;
    case IDM_HELP_CONTENTS:
    case IDM_HELP_REFERENCE:
    case IDM_HELP_SDK_MANUAL: OpenHelpFile(window.main, editor->settings, id); break;
    case IDM_TOOLS_INSERT_TEMPLATE: InsertTemplate(window, editor->settings.TemplateFolderName); break;
    case IDM_OPTIONS:         RunOptionsDialog(editor); break;
    default: break;
    }
    UpdateEditCommandState(window, GetMenu(window.main));
}
