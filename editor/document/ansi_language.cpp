// The code page used for ANSI files in a Unicode window, and dialog 139 that chooses it.
#include "ansi_language.h"

#include "message_box.h"
#include "resource.h"

namespace {

const UINT kJapaneseCodePage = 932;
// Taken once, as the list's "Auto" entry promises the code page the program started with.
const UINT kStartCodePage = GetACP();

// The choice goes to the int whose address the dialog was given.
void OnInitDialog(HWND dialog, LPARAM choice)
{
    SetWindowLongPtrW(dialog, DWLP_USER, choice);
    HWND list = GetDlgItem(dialog, IDC_ANSI_LANGUAGE_LIST);
    for (const AnsiCodePage& entry : g_ansiCodePages)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name));
    SendMessageW(list, CB_SETCURSEL, 0, 0);
}

void OnOk(HWND dialog)
{
    LRESULT chosen = SendDlgItemMessageW(dialog, IDC_ANSI_LANGUAGE_LIST, CB_GETCURSEL, 0, 0);
    if (chosen < 0 || chosen >= static_cast<LRESULT>(_countof(g_ansiCodePages))) {
        ShowMessage(dialog, L"使用する言語を選択してください。", L"Quillmere", MB_ICONWARNING);
        return;
    }
    *reinterpret_cast<int*>(GetWindowLongPtrW(dialog, DWLP_USER)) = static_cast<int>(chosen);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK AnsiLanguageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, lParam);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOk(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

const AnsiCodePage g_ansiCodePages[7] = {
    {L"Auto", 0},
    {L"Japanese", 932},
    {L"Chinese (Chiena)", 936},
    {L"Chinese (Taiwan)", 950},
    {L"Korean", 949},
    {L"Arabic", 1256},
    {L"Hebrew", 1255},
};

bool ChooseAnsiLanguage(const EditorWindow& window, EditorDocument* document)
{
    if (GetACP() == kJapaneseCodePage) return true;
    return DialogBoxParamW(window.instance, MAKEINTRESOURCEW(IDD_ANSI_LANGUAGE), window.main, AnsiLanguageDialogProc,
                           reinterpret_cast<LPARAM>(&document->ansiLanguage)) == IDOK;
}

UINT ChosenAnsiCodePage(const EditorDocument& document)
{
    UINT codePage = g_ansiCodePages[document.ansiLanguage].codePage;
    return codePage ? codePage : kStartCodePage;
}
