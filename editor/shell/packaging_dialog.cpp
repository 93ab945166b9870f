// The packaging dialog: a skin folder and an output file, handed to the packager.
#include "packaging_dialog.h"

#include "file_paths.h"
#include "folder_picker.h"
#include "message_box.h"
#include "packager_command.h"
#include "program_folder.h"
#include "resource.h"
#include "skin_check.h"
#include "window_text.h"

#include <commdlg.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

const wchar_t kCaption[] = L"Quillmere";
// What the fields give the packager: a path of MAX_PATH less its terminator.
const int kFieldLimit = MAX_PATH - 1;
const int kLockedControls[] = {IDC_PACKAGING_FOLDER, IDC_PACKAGING_BROWSE_FOLDER, IDC_PACKAGING_AUTO_FILL,
                               IDC_PACKAGING_OUTPUT, IDC_PACKAGING_BROWSE_OUTPUT, IDOK, IDCANCEL};
// The packager could not be started: no process, so no exit code of its own.
const int kPackagerNotStarted = -1;

bool g_packagerRunning = false;

// The document's path, which the dialog was opened with.
const wchar_t* DocumentPathOf(HWND dialog)
{
    return reinterpret_cast<const wchar_t*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void BrowseForSkinFolder(HWND dialog)
{
    wchar_t path[MAX_PATH];
    if (PickFolder(dialog, L"対象となる WMS ファイルが保存されているフォルダを指定してください。", BrowseFolderCallback, path))
        SetDlgItemTextW(dialog, IDC_PACKAGING_FOLDER, path);
}

void ChooseOutputFile(HWND dialog)
{
    wchar_t path[MAX_PATH] = L"";
    wchar_t title[MAX_PATH] = L"";
    OPENFILENAMEW save = {};
    save.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    save.hwndOwner = dialog;
    save.lpstrFilter = L"Windows Media Player スキン パッケージ (*.wmz)\0*.wmz\0";
    save.lpstrFile = path;
    save.nMaxFile = _countof(path);
    save.lpstrFileTitle = title;
    save.nMaxFileTitle = _countof(title);
    save.lpstrTitle = L"パッケージの保存先";
    save.lpstrDefExt = L"wmz";
    save.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    if (GetSaveFileNameW(&save)) SetDlgItemTextW(dialog, IDC_PACKAGING_OUTPUT, path);
}

void SetControlsEnabled(HWND dialog, bool enabled, bool autoFill)
{
    for (int id : kLockedControls) EnableWindow(GetDlgItem(dialog, id), enabled);
    EnableWindow(GetDlgItem(dialog, IDC_PACKAGING_AUTO_FILL), enabled && autoFill);
}

// The packager writes its log there; the editor only makes sure the folders exist.
void PrepareLogFolder()
{
    std::wstring folder;
    VendorAppDataFolder(true, &folder);
}

bool IsUserInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

// Handles what is queued; keys and clicks are dropped, so nothing can act while locked.
// False when the program was asked to quit, with the quit's code.
bool PumpWhileLocked(int* quitCode)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            *quitCode = static_cast<int>(message.wParam);
            return false;
        }
        if (IsUserInput(message.message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

// Waits on the process while the windows keep painting; what came in meanwhile is
// emptied out before the dialog unlocks. False when the program was asked to quit: a
// quit left in the queue would wake the wait at once, again and again, so it is taken
// out, the process waited for alone, and the quit posted again once it has ended.
bool WaitForPackager(HANDLE process)
{
    int quitCode = 0;
    bool running = true;
    while (running && MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        running = PumpWhileLocked(&quitCode);
    if (running) running = PumpWhileLocked(&quitCode);
    if (running) return true;
    WaitForSingleObject(process, INFINITE);
    PostQuitMessage(quitCode);
    return false;
}

// The packager's exit code, kPackagerNotStarted when it could not start; *quitting is set
// when the program is to end, with nobody left to tell.
int RunPackager(const std::wstring& skinFolder, const std::wstring& outputFile, bool* quitting)
{
    std::wstring folder = OwnProgramFolder();
    std::wstring program = PackagerPath(folder);
    std::wstring commandLine = PackagerCommandLine(folder, skinFolder, outputFile);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return kPackagerNotStarted;
    g_packagerRunning = true;
    *quitting = !WaitForPackager(process.hProcess);
    g_packagerRunning = false;
    DWORD exitCode = static_cast<DWORD>(kPackagerNotStarted);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return static_cast<int>(exitCode);
}

bool ConfirmPackaging(HWND dialog)
{
    return ShowMessage(dialog,
                       L"パッケージ化を開始します。\nよろしいですか？\n"
                       L"(この処理には数分かかる場合があります。また、処理が始まるとキャンセルできません。)",
                       L"確認", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// A skin the player would refuse is worth a question before anything is packed.
bool AcceptSkinErrors(HWND dialog, const std::wstring& skinFolder)
{
    std::vector<SkinFileErrors> files = CountSkinErrorsInFolder(skinFolder);
    if (files.empty()) return true;
    std::wstring text = L"次のスキン定義にエラーがあります。\n";
    for (const SkinFileErrors& file : files)
        text += L"\n" + file.fileName + L" : エラー " + std::to_wstring(file.errors) + L" 件";
    text += L"\n\nこのままパッケージ化しますか？";
    return ShowMessage(dialog, text.c_str(), L"スキンのチェック", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

void OnPackage(HWND dialog)
{
    std::wstring skinFolder = FieldText(dialog, IDC_PACKAGING_FOLDER);
    if (skinFolder.empty()) {
        ShowMessage(dialog, L"WMS ファイルのフォルダ パスが入力されていません。", kCaption, MB_ICONWARNING);
        return;
    }
    std::wstring outputFile = FieldText(dialog, IDC_PACKAGING_OUTPUT);
    if (outputFile.empty()) {
        ShowMessage(dialog, L"パッケージ出力先が入力されていません。", kCaption, MB_ICONWARNING);
        return;
    }
    if (!AcceptSkinErrors(dialog, skinFolder) || !ConfirmPackaging(dialog)) return;
    SetControlsEnabled(dialog, false, false);
    PrepareLogFolder();
    bool quitting = false;
    int exitCode = RunPackager(skinFolder, outputFile, &quitting);
    if (quitting) return;
    if (exitCode == 0) {
        ShowMessage(dialog, L"パッケージ化が完了しました。", L"パッケージ化完了", MB_ICONINFORMATION);
        EndDialog(dialog, IDOK);
        return;
    }
    wchar_t text[96];
    swprintf(text, _countof(text), L"パッケージ化に失敗しました。\n(エラーコード : %01d)", exitCode);
    ShowMessage(dialog, text, L"パッケージ化失敗", MB_ICONWARNING);
    SetControlsEnabled(dialog, true, DocumentPathOf(dialog)[0] != L'\0');
}

void OnInitDialog(HWND dialog, LPARAM documentPath)
{
    SetWindowLongPtrW(dialog, DWLP_USER, documentPath);
    SendDlgItemMessageW(dialog, IDC_PACKAGING_FOLDER, EM_LIMITTEXT, kFieldLimit, 0);
    SendDlgItemMessageW(dialog, IDC_PACKAGING_OUTPUT, EM_LIMITTEXT, kFieldLimit, 0);
    EnableWindow(GetDlgItem(dialog, IDC_PACKAGING_AUTO_FILL), IsSkinDefinitionPath(DocumentPathOf(dialog)));
}

void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDC_PACKAGING_BROWSE_FOLDER: BrowseForSkinFolder(dialog); break;
    case IDC_PACKAGING_AUTO_FILL:
        SetDlgItemTextW(dialog, IDC_PACKAGING_FOLDER, SkinFolderOfDocument(DocumentPathOf(dialog)).c_str());
        break;
    case IDC_PACKAGING_BROWSE_OUTPUT: ChooseOutputFile(dialog); break;
    case IDOK:      OnPackage(dialog); break;
    case IDCANCEL:  EndDialog(dialog, IDCANCEL); break;
    }
}

}  // namespace

int CALLBACK BrowseFolderCallback(HWND browser, UINT message, LPARAM lParam, LPARAM)
{
    return HandleFolderPickerMessage(browser, message, lParam, L"選択されたフォルダは使用できません。", kCaption);
}

INT_PTR CALLBACK PackagingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, lParam);
        return TRUE;
    case WM_COMMAND:
        // A command posted while the packager runs would act on a locked dialog.
        if (!g_packagerRunning) OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR ShowPackagingDialog(const EditorWindow& window, const EditorDocument& document)
{
    return DialogBoxParamW(window.instance, MAKEINTRESOURCEW(IDD_PACKAGING), window.main, PackagingDialogProc,
                           reinterpret_cast<LPARAM>(document.path));
}
