// The bulk copy: the packages listed by setup files copied into the skins folder.
#include "bulk_copy.h"

#include "fennick.h"
#include "file_paths.h"
#include "language.h"
#include "message_box.h"
#include "resource.h"
#include "setup_file.h"

#include <cwchar>
#include <string>

int g_overwriteMode = 0;

namespace {

const wchar_t kCaption[] = L"Ferncastle";

struct CopyCounts {
    int succeeded = 0;
    int failed = 0;
};

// What one entry came to; a skipped entry counts nowhere.
enum CopyOutcome { CopySucceeded, CopyFailed, CopySkipped };

bool AskToStart()
{
    const wchar_t* question = IsJapaneseUi()
        ? L"QLMC ファイルを使用して WMZ ファイルの一括コピーを行いますか？\n\n注意 : コピー処理がすべて完了するとプログラムは終了します。"
        : L"QLMC using the file, WMZ bulk copy files to be done?\n\nNote : All copy process is completed, the program is terminated.";
    return ShowMessage(nullptr, question, kCaption, MB_ICONQUESTION | MB_YESNO) == IDYES;
}

bool FileFound(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

CopyOutcome Overwrite(const std::wstring& source, const std::wstring& target)
{
    return CopyFileW(source.c_str(), target.c_str(), FALSE) ? CopySucceeded : CopyFailed;
}

CopyOutcome AskAndOverwrite(const std::wstring& entry, const std::wstring& source, const std::wstring& target)
{
    int dialog = IsJapaneseUi() ? IDD_OVERWRITE_JP : IDD_OVERWRITE_EN;
    INT_PTR answer = DialogBoxParamW(g_hInstance, MAKEINTRESOURCEW(dialog), nullptr, OverwriteDialogProc,
                                     reinterpret_cast<LPARAM>(entry.c_str()));
    if (answer == IDYES) return Overwrite(source, target);
    return answer == IDNO && g_overwriteMode == 2 ? CopyFailed : CopySkipped;
}

CopyOutcome CopyEntry(const std::wstring& entry, const std::wstring& setupFolder, const std::wstring& destination)
{
    // A setup file may come from anywhere: nothing is read or written outside the two folders.
    if (!ResolvesInside(setupFolder, entry) || !ResolvesInside(destination, entry)) return CopyFailed;
    std::wstring source = JoinPath(setupFolder, entry);
    std::wstring target = JoinPath(destination, entry);
    if (CopyFileW(source.c_str(), target.c_str(), TRUE)) return CopySucceeded;
    // Looked for only now: one search per package would double the cost of a large copy.
    if (!FileFound(source)) return CopyFailed;
    switch (g_overwriteMode) {
    case 1:  return Overwrite(source, target);
    case 2:  return CopyFailed;
    default: return AskAndOverwrite(entry, source, target);
    }
}

void ShowResult(const std::wstring& setupPath, int entries, const CopyCounts& counts)
{
    std::wstring name = TitleOfPath(setupPath);
    wchar_t text[640];
    if (IsJapaneseUi())
        swprintf(text, _countof(text), L"ファイル '%ls' から %01d 個のファイルを処理しました。\n\n成功 : %01d ファイル\n失敗 : %01d ファイル",
                 name.c_str(), entries, counts.succeeded, counts.failed);
    else
        swprintf(text, _countof(text),
                 L"File '%ls' from %01d File(s) to be processed.\n\nSuccess : %01d File(s)\nFailure : %01d File(s)",
                 name.c_str(), entries, counts.succeeded, counts.failed);
    ShowMessage(nullptr, text, IsJapaneseUi() ? L"コピー完了" : L"Copy Complete", MB_ICONINFORMATION);
}

void ShowTooLarge(const std::wstring& setupPath)
{
    std::wstring text = IsJapaneseUi()
        ? L"セットアップ ファイル '" + TitleOfPath(setupPath) + L"' は大きすぎるため、読み込むことができません。\nファイルはコピーされませんでした。"
        : L"Setup file '" + TitleOfPath(setupPath) + L"' is too large to be read.\nNo files were copied.";
    ShowMessage(nullptr, text.c_str(), kCaption, MB_ICONWARNING);
}

void CopySetupFile(const std::wstring& setupPath, const std::wstring& destination)
{
    g_overwriteMode = 0;
    CopyCounts counts;
    std::wstring full = FullPath(setupPath);
    bool tooLarge = false;
    std::vector<std::wstring> entries = ReadSetupEntries(full, &tooLarge);
    if (tooLarge) return ShowTooLarge(setupPath);
    std::wstring folder = ParentFolder(full);
    for (const std::wstring& entry : entries) {
        switch (CopyEntry(entry, folder, destination)) {
        case CopySucceeded: ++counts.succeeded; break;
        case CopyFailed:    ++counts.failed; break;
        case CopySkipped:   break;
        }
    }
    ShowResult(setupPath, static_cast<int>(entries.size()), counts);
}

void EndOverwriteDialog(HWND dialog, int result, int mode)
{
    if (mode >= 0) g_overwriteMode = mode;
    EndDialog(dialog, result);
}

}  // namespace

int RunBulkCopy(int count, wchar_t** setupFiles)
{
    wchar_t current[MAX_PATH] = L"";
    GetCurrentDirectoryW(_countof(current), current);
    std::wstring destination = BulkCopyDestination(current, g_skinsRoot);
    if (destination.empty()) {
        ShowMessage(nullptr, IsJapaneseUi() ? L"Skins フォルダが見つからないため、一括コピーを行うことができません。"
                                            : L"Skins folder can not be found, so the bulk copy can not be done.",
                    kCaption, MB_ICONERROR);
        return 0;
    }
    if (!AskToStart()) return 0;
    for (int index = 0; index < count; ++index) CopySetupFile(setupFiles[index], destination);
    return 0;
}

INT_PTR CALLBACK OverwriteDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const wchar_t* entry = reinterpret_cast<const wchar_t*>(lParam);
        wchar_t text[400];
        swprintf(text, _countof(text),
                 IsJapaneseUi() ? L"コピー先にはファイル %ls が既に存在しています。" : L"%ls to copy the file already exists.",
                 entry);
        SetDlgItemTextW(dialog, IDC_OVERWRITE_MESSAGE, text);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDYES:                   EndOverwriteDialog(dialog, IDYES, -1); return TRUE;
        case IDC_OVERWRITE_YES_TO_ALL: EndOverwriteDialog(dialog, IDYES, 1); return TRUE;
        case IDNO:                    EndOverwriteDialog(dialog, IDNO, -1); return TRUE;
        case IDC_OVERWRITE_NO_TO_ALL: EndOverwriteDialog(dialog, IDNO, 2); return TRUE;
        case IDCANCEL:                EndOverwriteDialog(dialog, IDCANCEL, -1); return TRUE;
        }
        break;
    }
    return FALSE;
}
