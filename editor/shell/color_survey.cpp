// The colour survey dialog: a colour from the system picker as values and a #RRGGBB code.
#include "color_survey.h"

#include "color_picker.h"
#include "insert_text.h"
#include "message_box.h"
#include "resource.h"
#include "wizard_text.h"

#include <string>

namespace {

const wchar_t kCaption[] = L"Quillmere";

// Kept for the run only; the wizards' picker has colours of its own.
COLORREF g_surveyColor = RGB(0, 0, 0);
COLORREF g_surveyCustomColors[16] = {};

void SetValueLabel(HWND dialog, int id, const wchar_t* label, unsigned value)
{
    SetDlgItemTextW(dialog, id, (std::wstring(label) + std::to_wstring(value)).c_str());
}

void ShowPickedColor(HWND dialog)
{
    if (!PickColor(dialog, &g_surveyColor, g_surveyCustomColors)) return;
    unsigned red = GetRValue(g_surveyColor), green = GetGValue(g_surveyColor), blue = GetBValue(g_surveyColor);
    SetValueLabel(dialog, IDC_COLOR_RED, L"赤 : ", red);
    SetValueLabel(dialog, IDC_COLOR_GREEN, L"緑 : ", green);
    SetValueLabel(dialog, IDC_COLOR_BLUE, L"青 : ", blue);
    SetDlgItemTextW(dialog, IDC_COLOR_CODE, ColorCodeText(red, green, blue).c_str());
    EnableWindow(GetDlgItem(dialog, IDC_COLOR_COPY), TRUE);
    EnableWindow(GetDlgItem(dialog, IDC_COLOR_INSERT), TRUE);
}

void CopyCode(HWND dialog)
{
    if (ShowMessage(dialog, L"取得したカラーコードをクリップボードへコピーしてもよろしいですか？", kCaption,
                    MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    HWND code = GetDlgItem(dialog, IDC_COLOR_CODE);
    SendMessageW(code, EM_SETSEL, 0, -1);
    SendMessageW(code, WM_COPY, 0, 0);
    ShowMessage(dialog, L"取得したカラーコードをクリップボードへコピーしました。", kCaption, MB_ICONINFORMATION);
}

// The edit control comes with the dialog's opening.
void InsertCode(HWND dialog)
{
    wchar_t code[8] = L"";   // "#RRGGBB" and its terminator
    GetDlgItemTextW(dialog, IDC_COLOR_CODE, code, _countof(code));
    InsertTextAtCaret(reinterpret_cast<HWND>(GetWindowLongPtrW(dialog, DWLP_USER)), code);
}

}  // namespace

INT_PTR CALLBACK ColorSurveyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:   // Copy and Insert start disabled in the template
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_COLOR_PICK:   ShowPickedColor(dialog); return TRUE;
        case IDC_COLOR_COPY:   CopyCode(dialog); return TRUE;
        case IDC_COLOR_INSERT: InsertCode(dialog); return TRUE;
        case IDOK:
        case IDCANCEL:         EndDialog(dialog, LOWORD(wParam)); return TRUE;
        }
        break;
    }
    return FALSE;
}

void ShowColorSurvey(const EditorWindow& window)
{
    DialogBoxParamW(window.instance, MAKEINTRESOURCEW(IDD_COLOR_SURVEY), window.main, ColorSurveyDialogProc,
                    reinterpret_cast<LPARAM>(window.edit));
}
