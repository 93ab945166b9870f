// Suspend ("書きかけ終了"): keeping the unfinished document for the next start.
#include "suspend.h"

#include "document_files.h"
#include "file_info.h"
#include "file_paths.h"
#include "file_replace.h"
#include "message_box.h"
#include "suspend_file.h"

namespace {

const wchar_t kCaption[] = L"Quillmere";
const wchar_t kSuspendFailed[] = L"書きかけ終了中にエラーが発生しました。";

// Makes the folders of the suspend file; false when the path cannot be had.
bool PrepareSuspendFile(std::wstring* path)
{
    std::wstring folder;
    if (!VendorAppDataFolder(true, &folder)) return false;
    *path = SuspendFilePathIn(folder);
    return path->size() < MAX_PATH;
}

bool ConfirmSuspend()
{
    return ShowMessage(GetForegroundWindow(), L"書きかけ終了します。\nよろしいですか？", L"書きかけ終了確認",
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void FillSuspendValues(EditorSettings* settings, const EditorDocument& document, TextEncoding fileEncoding)
{
    settings->SleepModeFlag = 1;
    settings->IsUnicode = SuspendFileEncoding(fileEncoding);
    settings->LineEndStyle = document.lineEnds;
    CopyToBuffer(settings->FileName, MAX_PATH, TitleOfPath(document.path).c_str());
    CopyToBuffer(settings->FileNameFullPath, MAX_PATH, document.path);
}

// The suspend file's bytes; false when the user declined losing characters.
bool EncodeSuspendText(const EditorWindow& window, TextEncoding fileEncoding, std::string* bytes)
{
    WindowTextMode mode = CurrentWindowTextMode(window);
    UINT codePage = GetACP();
    EncodedText contents =
        EncodeDocumentText(ReadWindowText(window, mode), SuspendFileEncoding(fileEncoding), mode, codePage);
    if (contents.replacedCharacters && !ConfirmReplacedCharacters(window.main, codePage, L"書きかけ終了")) return false;
    *bytes = contents.bytes;
    return true;
}

void ShowSettingsWriteFailure(HWND owner)
{
    ShowMessage(owner,
                L"設定を保存できませんでした。\nアクセス権限が正しく設定され、構成されていることを確認してください。",
                kCaption, MB_ICONWARNING);
}

// The key is opened before the file is replaced, so a refused key leaves the earlier
// suspend state whole; the file goes in whole or not at all.
int StoreSuspendData(HWND owner, const EditorSettings& settings, const std::string& bytes)
{
    std::wstring path;
    if (!PrepareSuspendFile(&path)) {
        ShowMessage(owner, kSuspendFailed, kCaption, MB_ICONERROR);
        return 0;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kVendorRegistryKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        ShowSettingsWriteFailure(owner);
        return 0;
    }
    if (WriteFileReplacing(path.c_str(), bytes).stage != ReplaceDone) {
        RegCloseKey(key);
        ShowMessage(owner, kSuspendFailed, kCaption, MB_ICONERROR);
        return 0;
    }
    bool written = WriteSuspendValues(key, settings);
    RegCloseKey(key);
    if (!written) {
        ShowSettingsWriteFailure(owner);
        return 0;
    }
    return 1;
}

void DiscardSuspendData(HKEY key, const std::wstring& path)
{
    DeleteFileW(path.c_str());
    DeleteSuspendValues(key);
}

// The suspend file's mark differs from the one recorded: read it by its own mark?
bool AcceptOtherEncoding(HWND owner)
{
    return ShowMessage(owner,
        L"書きかけ終了データの文字列エンコードと書きかけ終了時に取得された文字列エンコードが一致しません。\n"
        L"続行すると、自動判別モードで書きかけ終了データの復元を試みますが、書きかけ終了データが正常に復元されない可能性があります。\n\n"
        L"自動判別モードに切り替えて復元を試みますか？([いいえ] ボタンを押すと復元を中止します。)",
        L"書きかけ終了データの復元確認", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

int RestoreFromFile(const EditorWindow& window, EditorDocument* document, const EditorSettings& settings, HKEY key,
                    const std::wstring& path)
{
    if (!FileExists(path.c_str())) {
        ShowMessage(window.main,
                    L"書きかけ終了データを復元中にエラーが発生しました。\n書きかけ終了時に設定されたデータを破棄します。",
                    kCaption, MB_ICONWARNING);
        DiscardSuspendData(key, path);
        return 0;
    }
    if (DetectEncodingMark(path.c_str()) != settings.IsUnicode && !AcceptOtherEncoding(window.main)) return 0;
    if (!OpenDocumentByPath(window, document, path.c_str()).opened) return 0;
    // The suspend file holds the control's CR LF; the document's file had its own style.
    bool known = settings.LineEndStyle == LineEndLf || settings.LineEndStyle == LineEndCr;
    document->lineEnds = known ? static_cast<LineEndStyle>(settings.LineEndStyle) : LineEndCrLf;
    SendMessageW(window.edit, EM_SETMODIFY, TRUE, 0);
    DiscardSuspendData(key, path);
    return 1;
}

}  // namespace

int SuspendDocument(const EditorWindow& window, const EditorDocument& document, EditorSettings settings,
                    TextEncoding fileEncoding)
{
    if (!ConfirmSuspend()) return 0;
    FillSuspendValues(&settings, document, fileEncoding);
    if (GetWindowTextLengthW(window.edit) == 0) {
        ShowMessage(window.main, L"書きかけ終了するには最低でも 1 文字は入力してください。", kCaption, MB_ICONWARNING);
        return 0;
    }
    std::string bytes;
    if (!EncodeSuspendText(window, fileEncoding, &bytes)) return 0;
    if (!StoreSuspendData(window.main, settings, bytes)) return 0;
    ShowMessage(window.main, L"書きかけ終了処理が完了しました。\n次回起動時に復元されます。", kCaption,
                MB_ICONINFORMATION);
    return 1;
}

int ResumeDocument(const EditorWindow& window, EditorDocument* document, EditorSettings settings)
{
    if (settings.SleepModeFlag != 1) return 0;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kVendorRegistryKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return 0;
    std::wstring folder;
    if (!VendorAppDataFolder(false, &folder)) {
        // Nothing is opened or deleted under a path nobody can name; a later start tries again.
        RegCloseKey(key);
        ShowMessage(window.main,
                    L"書きかけ終了データの保存先 (アプリケーション データ フォルダ) を取得できませんでした。\n"
                    L"書きかけ終了データはそのまま残し、次回の起動時にもう一度復元を試みます。",
                    kCaption, MB_ICONWARNING);
        return 0;
    }
    int restored = RestoreFromFile(window, document, settings, key, SuspendFilePathIn(folder));
    RegCloseKey(key);
    return restored;
}
