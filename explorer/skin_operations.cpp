// What Fennick does to the entries of its list: open, delete, rename, add.
#include "skin_operations.h"

#include "file_extension.h"
#include "file_names.h"
#include "file_paths.h"
#include "fennick.h"
#include "language.h"
#include "message_box.h"
#include "program_folder.h"
#include "rename_dialog.h"
#include "setup_file.h"
#include "shell_open.h"
#include "skin_list.h"

#include <commctrl.h>
#include <commdlg.h>

#include <string>

namespace {

const int kListedFailures = 10;

void Warn(HWND owner, const wchar_t* japanese, const wchar_t* english)
{
    ShowMessage(owner, UiText(japanese, english), L"Ferncastle", MB_ICONWARNING);
}

SkinChange Refused(HWND owner, const wchar_t* japanese, const wchar_t* english)
{
    Warn(owner, japanese, english);
    return SkinChange();
}

bool IsSetupFile(const wchar_t* title)
{
    return HasExtension(title, L".qlmc");
}

// The bulk copy runs in a second copy of the program, which takes the setup file as its
// argument and the folder on screen as its working folder.
void StartBulkCopy(HWND owner, const wchar_t* setupFile)
{
    std::wstring parameters = L"\"" + std::wstring(setupFile) + L"\"";
    if (!ShellOpen(owner, OwnProgramPath().c_str(), parameters.c_str(), ListedFolder().c_str()))
        Warn(owner, L"セットアップ ファイルを開けませんでした。", L"Setup was unable to open the file.");
}

// Failures name the file and the system's reason, so nothing failed goes unnoticed.
std::wstring FailureText(const wchar_t* japanese, const wchar_t* english, const std::wstring& details)
{
    return UiText(japanese, english) + details;
}

void ShowFailure(HWND owner, const wchar_t* japanese, const wchar_t* english, const std::wstring& details)
{
    ShowMessage(owner, FailureText(japanese, english, details).c_str(), L"Ferncastle", MB_ICONERROR);
}

SkinChange Changed(const std::wstring& message, const wchar_t* caption, UINT icon)
{
    return {true, message, caption, icon};
}

std::wstring FailureLine(const wchar_t* name, DWORD error)
{
    return std::wstring(name) + L" : " + SystemErrorText(error) + L"\n";
}

bool ChooseSkinFile(HWND owner, wchar_t* file, DWORD fileCapacity, wchar_t* title, DWORD titleCapacity)
{
    const wchar_t* filter = UiText(
        L"Windows Media Player スキン パッケージ (*.wmz)\0*.wmz\0セットアップ ファイル (*.qlmc)\0*.qlmc\0",
        L"Windows Media Player Skin Package (*.wmz)\0*.wmz\0Setup File (*.qlmc)\0*.qlmc\0");
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = fileCapacity;
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = titleCapacity;
    ofn.lpstrTitle = UiText(L"スキンの追加", L"Add Skins");
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    return GetOpenFileNameW(&ofn) != FALSE;
}

bool ReportCopyFailure(HWND owner, const wchar_t* title, DWORD error)
{
    std::wstring details = FailureLine(title, error);
    details.pop_back();
    ShowFailure(owner, L"次のスキンをコピーできませんでした。\n\n", L"The following skin could not be copied.\n\n", details);
    return false;
}

// False when the copy failed; the overwrite question answered No counts as failed.
bool CopyIntoFolder(HWND owner, const wchar_t* source, const std::wstring& destination, const wchar_t* title)
{
    if (CopyFileW(source, destination.c_str(), TRUE)) return true;
    DWORD error = GetLastError();
    if (error == ERROR_NOT_READY || error == ERROR_REQUEST_ABORTED) {
        ShowMessage(owner, UiText(L"コピーに失敗しました。\nドライブにアクセスできません。",
                                     L"Failed to copy.\nI can not access the drive."),
                    L"Ferncastle", MB_ICONERROR);
        return false;
    }
    if (error != ERROR_FILE_EXISTS) return ReportCopyFailure(owner, title, error);
    std::wstring question = std::wstring(title) + UiText(L"\nは既に存在します。上書きしますか？",
                                                       L"\nalready exists. Do you want to overwrite?");
    if (ShowMessage(owner, question.c_str(), UiText(L"上書き確認", L"Overwrite confirmation"),
                    MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
        return false;
    return CopyFileW(source, destination.c_str(), FALSE) || ReportCopyFailure(owner, title, GetLastError());
}

}  // namespace

void OpenSkinPackage(HWND owner, const wchar_t* path)
{
    int selected = SelectedEntryCount();
    if (selected > 1)
        return Warn(owner, L"スキンを 2 個以上同時に開くことはできません。", L"Skin two or more can not be opened simultaneously.");
    if (selected == 0) return;
    if (!ShellOpen(owner, path)) Warn(owner, L"スキンを開けませんでした。", L"Skin could not be opened.");
}

SkinChange DeleteSelectedSkins(HWND owner)
{
    int selected = SelectedEntryCount();
    if (selected == 0) {
        ShowMessage(owner, UiText(L"削除したいスキンを選択してください。", L"You want to delete, please select the skin."),
                    UiText(L"Quillmere", L"Ferncastle"), MB_ICONWARNING);
        return SkinChange();
    }
    std::wstring question = std::to_wstring(selected) +
                            UiText(L" 個のスキンを削除してもよろしいですか？\n(この操作は後で元に戻すことができません。)",
                                 L" Skin(s) to remove?\n(This operation can not undo later.)");
    if (ShowMessage(owner, question.c_str(), UiText(L"確認", L"Check"), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
        return SkinChange();
    // Folders and the parent entry are no files and stay, silently; a package that stays is named.
    std::wstring failures;
    int failed = 0;
    for (int item = -1; (item = NextSelectedEntry(item)) >= 0;) {
        wchar_t name[kEntryNameCapacity] = L"";
        ReadEntryName(item, name, _countof(name));
        EntryKind kind = KindOfEntry(item);
        if (kind == EntryParent || DeleteFileW(EntryPath(name).c_str()) || kind != EntryPackage) continue;
        // A box taller than the screen would hide its button.
        if (++failed <= kListedFailures) failures += FailureLine(name, GetLastError());
        if (failed == kListedFailures + 1) failures += L"...\n";
    }
    if (failures.empty()) return Changed(L"", L"", 0);
    failures.pop_back();
    return Changed(FailureText(L"次のスキンを削除できませんでした。\n\n", L"The following skins could not be deleted.\n\n", failures),
                   L"Ferncastle", MB_ICONERROR);
}

SkinChange RenameSelectedSkin(HWND owner)
{
    int item = ActedOnEntry();
    wchar_t name[kEntryNameCapacity] = L"";
    ReadEntryName(item, name, _countof(name));
    int selected = SelectedEntryCount();
    if (selected > 1) return Refused(owner, L"2 個以上のスキンをリネームすることはできません。", L"Two or more Skins to Rename it.");
    if (selected == 0) return Refused(owner, L"リネームするスキンを 1 つ選択してください。", L"Skin rename Please select one.");
    // A failed query answers all bits set: the parent entry and a vanished file count as folders.
    if (KindOfEntry(item) == EntryParent || (GetFileAttributesW(EntryPath(name).c_str()) & FILE_ATTRIBUTE_DIRECTORY))
        return Refused(owner, L"フォルダをリネームすることはできません。", L"You can not rename the folder.");
    const wchar_t* dot = wcsrchr(name, L'.');
    std::wstring base = dot ? std::wstring(name, static_cast<size_t>(dot - name)) : std::wstring(name);
    // A longer name would be cut in the dialog, and the cut name is some other file.
    if (!FitsRenameBudget(base.c_str()))
        return Refused(owner, L"ファイル名が長すぎるため、リネームできません。", L"The file name is too long to rename.");
    if (RunRenameDialog(owner, ListedFolder(), name) != IDOK) return SkinChange();
    return Changed(UiText(L"リネームが完了しました。", L"Rename Complete."), L"Ferncastle", MB_ICONINFORMATION);
}

SkinChange AddSkin(HWND owner)
{
    wchar_t file[MAX_PATH] = L"";
    wchar_t title[MAX_PATH] = L"";
    if (!ChooseSkinFile(owner, file, _countof(file), title, _countof(title))) return SkinChange();
    if (IsSetupFile(title)) {
        StartBulkCopy(owner, file);
        return SkinChange();
    }
    std::wstring destination = JoinPath(CurrentFolder(), title);
    // Compared as full paths and in any case: a copy onto itself could only lose the file.
    std::wstring fullFile = FullPath(file);
    if (!fullFile.empty() && SameName(fullFile, FullPath(destination))) {
        ShowMessage(owner, UiText(L"Skins フォルダ内にあるファイルは処理できません。", L"Skins folder in the file can not be processed."),
                    UiText(L"コピー開始エラー", L"Copy start error"), MB_ICONWARNING);
        return SkinChange();
    }
    if (!CopyIntoFolder(owner, file, destination, title)) return SkinChange();
    return Changed(UiText(L"1 個のスキンを処理しました。", L"1 Skin(s) to be processed."), UiText(L"処理完了", L"Complete"),
                   MB_ICONINFORMATION);
}
