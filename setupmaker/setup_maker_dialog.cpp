// Setwright's main dialog: a target folder and an output file make a setup file.
#include "setup_maker_dialog.h"

#include "about_box.h"
#include "folder_picker.h"
#include "language.h"
#include "message_box.h"
#include "resource.h"
#include "file_paths.h"
#include "setup_file.h"
#include "setwright.h"
#include "single_instance.h"
#include "window_text.h"

#include <commdlg.h>
#include <shlobj.h>

#include <string>

namespace {

const AboutBoxConfig kAboutBox = {
    IDD_ABOUT_JP, IDD_ABOUT_EN, L"041104e4", L"040904e4",
    L"QLMC ファイル作成ツール", L"QLMC File Creation Tools", false,
};

// The program's texts: Japanese and English.
struct Text {
    const wchar_t* japanese;
    const wchar_t* english;
    const wchar_t* operator()() const { return UiText(japanese, english); }
};

const Text kCaption = {L"QLMC ファイル作成ツール", L"QLMC File Creation Tools"};
const Text kNoTarget = {L"対象フォルダを指定してください。", L"Please Specify the Target Folder."};
const Text kNoOutput = {L"出力先を指定してください。", L"Please Specify the Destination."};
const Text kConfirm = {L"指定した内容で QLMC ファイルを作成します。\nよろしいですか？", L"Specified Contents of the QLMC File?"};
const Text kConfirmCaption = {L"確認", L"Confirmation"};
const Text kTargetMissing = {L"対象フォルダが存在しないか、開くことができません。\n対象フォルダを確認してください。",
                             L"The Target Folder does not Exist or can not be Opened.\nPlease Check the Target Folder."};
const Text kElsewhere = {
    L"出力先のフォルダが対象フォルダと異なります。\n"
    L"QLMC ファイルにはパッケージのファイル名だけが記録され、一括コピーはパッケージを QLMC ファイルと同じフォルダから探すため、"
    L"このままではパッケージが見つかりません。\n\nこのまま作成しますか？",
    L"The Output Folder Differs from the Target Folder.\n"
    L"The QLMC File Lists only the Names of the Packages, and the Bulk Copy Looks for them beside the QLMC File, "
    L"so it will not Find them.\n\nCreate the File Anyway?"};
const Text kNoPackages = {L"対象フォルダに WMZ ファイルが含まれていません。", L"View WMZ File Folder does not exist."};
const Text kWriteFailed = {
    L"QLMC ファイルを作成できませんでした。\n出力先のフォルダが存在すること、ファイルが読み取り専用でないことを確認してください。",
    L"QLMC File could not be Created.\nMake Sure the Output Folder Exists and the File is not Read-Only."};
const Text kDone = {L"QLMC ファイルの作成が完了しました。", L"QLMC File has been Created."};
const Text kDoneCaption = {L"作成完了", L"Complete"};

// The Save As dialog's path and title buffers, in characters: room beyond MAX_PATH.
const DWORD kSaveNameCapacity = 520;

void Warn(HWND owner, const Text& text)
{
    ShowMessage(owner, text(), kCaption(), MB_ICONWARNING);
}

// Where the setup file is written, and which folder it lists; both full paths.
struct SetupTarget {
    std::wstring folder;
    std::wstring output;
};

// Says why nothing is written; false stops the caller.
bool Refuse(HWND owner, const Text& text)
{
    Warn(owner, text);
    return false;
}

// The checks and questions before anything is written. A bare output name lands beside
// the packages.
bool PrepareCreate(HWND dialog, const std::wstring& target, const std::wstring& output, SetupTarget* setup)
{
    if (target.empty()) return Refuse(dialog, kNoTarget);
    if (output.empty()) return Refuse(dialog, kNoOutput);
    if (ShowMessage(dialog, kConfirm(), kConfirmCaption(), MB_ICONQUESTION | MB_YESNO) != IDYES) return false;
    // A folder that cannot be listed would leave the setup file empty.
    setup->folder = IsFolder(target) ? FullFolderPath(target) : std::wstring();
    if (setup->folder.empty()) return Refuse(dialog, kTargetMissing);
    setup->output = FullPathIn(setup->folder, output);
    if (setup->output.empty()) return Refuse(dialog, kWriteFailed);
    return SameName(ParentFolder(setup->output), setup->folder) ||
           ShowMessage(dialog, kElsewhere(), kConfirmCaption(), MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON2) == IDYES;
}

void OnCreate(HWND dialog)
{
    SetupTarget setup;
    if (!PrepareCreate(dialog, FieldText(dialog, IDC_TARGET_FOLDER), FieldText(dialog, IDC_OUTPUT_FILE), &setup)) return;
    SetupWriteResult result = WriteSetupFile(setup.folder, setup.output);
    if (result.count == 0) {
        Warn(dialog, kNoPackages);
        return;
    }
    if (!result.written) {
        ShowMessage(dialog, kWriteFailed(), kCaption(), MB_ICONERROR);
        return;
    }
    ShowMessage(dialog, kDone(), kDoneCaption(), MB_ICONINFORMATION);
}

void BrowseForTarget(HWND dialog)
{
    wchar_t path[MAX_PATH];
    if (PickFolder(dialog, IsJapaneseUi() ? L"対象フォルダを指定してください。" : L"Select Target Folder.",
                   TargetPickerCallback, path))
        SetDlgItemTextW(dialog, IDC_TARGET_FOLDER, path);
}

void ChooseOutput(HWND dialog)
{
    wchar_t path[kSaveNameCapacity] = L"";
    wchar_t title[kSaveNameCapacity] = L"";
    OPENFILENAMEW save = {};
    save.lStructSize = sizeof(save);
    save.hwndOwner = dialog;
    save.hInstance = g_hInstance;
    save.lpstrFilter = IsJapaneseUi() ? L"Ferncastle スキン セットアップ ファイル (*.qlmc)\0*.qlmc\0"
                                      : L"Ferncastle Skin Setup File (*.qlmc)\0*.qlmc\0";
    save.lpstrFile = path;
    save.nMaxFile = _countof(path);
    save.lpstrFileTitle = title;
    save.nMaxFileTitle = _countof(title);
    save.lpstrDefExt = L"qlmc";
    save.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    if (GetSaveFileNameW(&save)) SetDlgItemTextW(dialog, IDC_OUTPUT_FILE, path);
}

// The guard comes with the dialog's opening.
HANDLE* InstanceMutexOf(HWND dialog)
{
    return reinterpret_cast<HANDLE*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void OnInitDialog(HWND dialog, LPARAM instanceMutex)
{
    SetWindowLongPtrW(dialog, DWLP_USER, instanceMutex);
    g_hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    HICON icon = LoadIconW(g_hInstance, MAKEINTRESOURCEW(IDI_APP));
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

int CALLBACK TargetPickerCallback(HWND browser, UINT message, LPARAM lParam, LPARAM)
{
    // The caption is singular here, unlike the program's other boxes.
    return HandleFolderPickerMessage(
        browser, message, lParam,
        IsJapaneseUi() ? L"選択されたフォルダは使用できません。" : L"Choose the Folder can not be used.",
        IsJapaneseUi() ? L"QLMC ファイル作成ツール" : L"QLMC File Creation Tool");
}

INT_PTR CALLBACK SetupMakerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, lParam);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_BROWSE_TARGET: BrowseForTarget(dialog); return TRUE;
        case IDC_BROWSE_OUTPUT: ChooseOutput(dialog); return TRUE;
        case IDC_SHOW_ABOUT:    ShowAboutBox(g_hInstance, dialog, kAboutBox); return TRUE;
        case IDOK:              OnCreate(dialog); return TRUE;
        case IDCANCEL:          EndGuardedDialog(dialog, InstanceMutexOf(dialog)); return TRUE;
        }
        break;
    }
    return FALSE;
}

void ShowSetupMakerDialog(HINSTANCE instance, HANDLE* instanceMutex)
{
    int id = IsJapaneseUi() ? IDD_SETUP_MAKER_JP : IDD_SETUP_MAKER_EN;
    DialogBoxParamW(instance, MAKEINTRESOURCEW(id), nullptr, SetupMakerDialogProc,
                    reinterpret_cast<LPARAM>(instanceMutex));
}
