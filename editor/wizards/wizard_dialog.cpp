// The dialog procedure every modal wizard runs, the steps of OK, the pickers and the help window.
#include "wizard_dialog.h"

#include "color_picker.h"
#include "insert_text.h"
#include "message_box.h"
#include "os_checks.h"
#include "resource.h"
#include "window_text.h"
#include "wizard_text.h"

#include <commdlg.h>

namespace {

const wchar_t kConfirmCaption[] = L"挿入確認";
const wchar_t kRefuseCaption[] = L"挿入失敗";

// The colour pickers of every wizard start from the colour and custom colours chosen last.
COLORREF g_lastChosenColor = RGB(0, 0, 0);
COLORREF g_customColors[16] = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
};

// What a wizard dialog keeps from its opening until it is destroyed.
struct WizardSession {
    const WizardDialog* wizard;
    EditorWindow window;
};

// Null until the dialog is initialised.
const WizardSession* SessionOf(HWND dialog)
{
    return reinterpret_cast<const WizardSession*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void SetDialogIcon(HWND dialog, HINSTANCE instance, int iconId)
{
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(iconId));
    if (icon) SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

// The opener's session lives on its stack: the dialog keeps a copy of its own.
void InitializeWizard(HWND dialog, const WizardSession& opened)
{
    const WizardSession* session = new WizardSession(opened);
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(session));
    const WizardDialog& wizard = *session->wizard;
    if (wizard.iconId) SetDialogIcon(dialog, session->window.instance, wizard.iconId);
    for (const WizardFieldLimit& field : wizard.limits)
        SendDlgItemMessageW(dialog, field.fieldId, EM_LIMITTEXT, field.limit, 0);
    if (wizard.initialize) wizard.initialize(dialog);
}

void ShowHelpOf(HWND dialog, const WizardSession& session)
{
    ShowWizardHelp(session.window.instance, dialog, session.wizard->helpText());
}

bool RunPicker(HWND dialog, const WizardDialog& wizard, int id)
{
    for (const WizardPicker& picker : wizard.pickers) {
        if (picker.buttonId != id) continue;
        if (picker.kind == PickerImage) ChooseImageIntoField(dialog, picker.fieldId);
        else ChooseColorIntoField(dialog, picker.fieldId);
        return true;
    }
    return false;
}

void OnWizardCommand(HWND dialog, const WizardSession& session, int id)
{
    const WizardDialog& wizard = *session.wizard;
    switch (id) {
    case IDOK:            wizard.onOk(dialog); return;
    case IDCANCEL:
        if (wizard.onCancel) wizard.onCancel(dialog);
        else EndDialog(dialog, IDCANCEL);
        return;
    case IDC_WIZARD_HELP: ShowHelpOf(dialog, session); return;
    }
    if (!RunPicker(dialog, wizard, id) && wizard.onCommand) wizard.onCommand(dialog, id);
}

INT_PTR CALLBACK WizardDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitializeWizard(dialog, *reinterpret_cast<const WizardSession*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (const WizardSession* session = SessionOf(dialog)) {
            OnWizardCommand(dialog, *session, LOWORD(wParam));
            return TRUE;
        }
        break;
    case WM_NCDESTROY:
        delete SessionOf(dialog);
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        break;
    }
    return FALSE;
}

// lParam: the text to show.
INT_PTR CALLBACK HelpWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        SetDialogIcon(dialog, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)), IDI_APP);
        HWND text = GetDlgItem(dialog, IDC_WIZARD_HELP_TEXT);
        SetWindowTextW(text, reinterpret_cast<const wchar_t*>(lParam));
        // Focus in the text for scrolling by keys, without the whole text selected.
        SetFocus(text);
        SendMessageW(text, EM_SETSEL, 0, 0);
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

INT_PTR OpenWizard(const EditorWindow& window, const WizardDialog& wizard)
{
    WizardSession session = {&wizard, window};
    return DialogBoxParamW(window.instance, MAKEINTRESOURCEW(wizard.dialogId), window.main, WizardDialogProc,
                           reinterpret_cast<LPARAM>(&session));
}

const EditorWindow& WizardEditorWindow(HWND dialog)
{
    return SessionOf(dialog)->window;
}

bool ConfirmInsertion(HWND dialog, const wchar_t* question)
{
    return ShowMessage(dialog, question, kConfirmCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void RefuseInsertion(HWND dialog, const wchar_t* reason)
{
    ShowMessage(dialog, reason, kRefuseCaption, MB_OK | MB_ICONERROR);
}

bool CheckLeftAndTop(HWND dialog, const std::wstring& left, const std::wstring& top)
{
    if (!left.empty() && !top.empty()) return true;
    RefuseInsertion(dialog, L"座標 (X/Y) に入力不備があります。\n座標項目はすべて入力してください。");
    return false;
}

bool ReadTabCount(HWND dialog, int* count)
{
    BOOL numeric = FALSE;
    int value = static_cast<int>(GetDlgItemInt(dialog, IDC_WIZARD_TABS, &numeric, TRUE));
    *count = numeric ? value : 0;
    if (!TabCountTooDeep(*count)) return true;
    RefuseInsertion(dialog, L"タブの数が深すぎます。\nタブの数は 0 ～ 100 の間で指定してください。");
    return false;
}

HWND CreateWizardWindow(const EditorWindow& window, HWND owner, const WizardDialog& wizard)
{
    WizardSession session = {&wizard, window};
    return CreateDialogParamW(window.instance, MAKEINTRESOURCEW(wizard.dialogId), owner, WizardDialogProc,
                              reinterpret_cast<LPARAM>(&session));
}

bool InsertWizardText(HWND dialog, const std::wstring& text)
{
    if (!PutWizardText(dialog, text)) return false;
    EndDialog(dialog, 1);
    return true;
}

bool PutWizardText(HWND dialog, const std::wstring& text)
{
    HWND edit = WizardEditorWindow(dialog).edit;
    if (GetOsFamily() == 1) {
        std::size_t document = static_cast<std::size_t>(GetWindowTextLengthW(edit));
        if (!InsertionFitsWin9x(document, text.size())) {
            RefuseInsertion(dialog, L"挿入により 64 KB を超えることが判明したため、処理を中断します。");
            return false;
        }
    }
    InsertTextAtCaret(edit, text.c_str());
    return true;
}

bool IsChecked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

int ListSelection(HWND dialog, int listId)
{
    return static_cast<int>(SendDlgItemMessageW(dialog, listId, CB_GETCURSEL, 0, 0));
}

void EnableControls(HWND dialog, std::initializer_list<int> ids, bool enabled)
{
    for (int id : ids) EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

void FillPredefinedList(HWND dialog, int listId, const PredefinedElement* entries, int count)
{
    for (int i = 0; i < count; ++i)
        SendDlgItemMessageW(dialog, listId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entries[i].listText));
    SendDlgItemMessageW(dialog, listId, CB_SETCURSEL, 0, 0);
}

BOOL ChooseImageIntoField(HWND dialog, int fieldId)
{
    wchar_t path[MAX_PATH] = L"";
    wchar_t title[MAX_PATH] = L"";
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = dialog;
    ofn.lpstrFilter =
        L"対応フォーマット (*.bmp;*.jpg;*.gif;*.png)\0*.bmp;*.jpg;*.gif;*.png\0"
        L"Windows ビットマップ イメージ (*.bmp)\0*.bmp\0"
        L"JPEG イメージ (*.jpg)\0*.jpg\0"
        L"GIF イメージ (アニメーション含む) (*.gif)\0*.gif\0"
        L"PNG イメージ (*.png)\0*.png\0"
        L"すべてのファイル (*.*)\0*.*\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path;
    ofn.nMaxFile = _countof(path);
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = _countof(title);
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&ofn)) return FALSE;
    // Skins name their images relative to the definition, so the folder is left out.
    SetDlgItemTextW(dialog, fieldId, title);
    return TRUE;
}

BOOL ChooseColorIntoField(HWND dialog, int fieldId)
{
    if (!PickColor(dialog, &g_lastChosenColor, g_customColors)) return FALSE;
    SetDlgItemTextW(dialog, fieldId,
                    ColorCodeText(GetRValue(g_lastChosenColor), GetGValue(g_lastChosenColor), GetBValue(g_lastChosenColor))
                        .c_str());
    return TRUE;
}

void ShowWizardHelp(HINSTANCE instance, HWND owner, const std::wstring& text)
{
    const std::wstring shown = text.substr(0, kWizardHelpTextSize - 1);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_WIZARD_HELP), owner, HelpWindowProc,
                    reinterpret_cast<LPARAM>(shown.c_str()));
}
