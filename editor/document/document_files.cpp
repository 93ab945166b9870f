// Opening the document from a file and saving it back.
#include "document_files.h"

#include "ansi_language.h"
#include "command_rules.h"
#include "file_info.h"
#include "file_paths.h"
#include "file_replace.h"
#include "line_ends.h"
#include "message_box.h"
#include "os_checks.h"
#include "text_encoding.h"
#include "window_text.h"

#include <commdlg.h>
#include <cwchar>
#include <new>
#include <string>

namespace {

const wchar_t kCaption[] = L"Quillmere";
const wchar_t kWarningCaption[] = L"Quillmere 警告";
const wchar_t kCannotOpen[] = L"ファイルを開けませんでした。";
const wchar_t kCannotRead[] = L"ファイルを開くことができませんでした。";
const wchar_t kSaveFailed[] =
    L"保存できませんでした。\n保存できない主な原因としては、\n\n"
    L"・上書きしようとしたファイルに読み取り専用属性がセットされているかロックされている\n"
    L"・読み取り専用メディア上に保存しようとした\n・ディスク容量が足りない\n\nなどが挙げられます。";

const wchar_t kOpenFilter[] =
    L"対応フォーマット (自動判別)\0*.wms;*.js;*.qlmt;*.txt\0"
    L"Windows Media Player スキン ファイル (*.wms)\0*.wms\0"
    L"JScript ファイル (*.js)\0*.js\0"
    L"雛形ファイル (*.qlmt)\0*.qlmt\0"
    L"テキスト文書 (*.txt)\0*.txt\0"
    L"Unicode 形式テキスト\0*.wms;*.js;*.qlmt;*.txt\0"
    L"UTF-8 形式テキスト\0*.wms;*.js;*.qlmt;*.txt\0"
    L"すべてのファイル (*.*)\0*.*\0";
const DWORD kOpenFilterUtf16 = 6;
const DWORD kOpenFilterUtf8 = 7;

const wchar_t kSaveFilter[] =
    L"Windows Media Player スキン ファイル (*.wms)\0*.wms\0"
    L"Java スクリプト ファイル (*.js)\0*.js\0"
    L"雛形ファイル (*.qlmt)\0*.qlmt\0"
    L"テキスト文書 (*.txt)\0*.txt\0"
    L"Unicode 形式テキスト\0*.wms;*.js;*.qlmt;*.txt\0"
    L"UTF-8 形式テキスト\0*.wms;*.js;*.qlmt;*.txt\0"
    L"すべてのファイル (*.*)\0*.*\0";
const DWORD kSaveFilterUtf16 = 5;
const DWORD kSaveFilterUtf8 = 6;

const wchar_t kPathTooLong[] = L"パスが長すぎます。Quillmere で扱えるファイルのパスは 259 文字までです。";

// False when the control did not take the whole text: it had no room for it.
bool PutWindowText(HWND edit, const WindowText& text, WindowTextMode mode)
{
    if (mode == WindowTextAnsi) return SetWindowTextA(edit, text.ansi.c_str()) != FALSE;
    return SetWindowTextW(edit, text.wide.c_str()) &&
           static_cast<size_t>(GetWindowTextLengthW(edit)) == text.wide.size();
}

// The system's text of the error, with its number for a support question.
std::wstring ErrorTextWithCode(DWORD error)
{
    return SystemErrorText(error) + L" (エラー コード " + std::to_wstring(error) + L")";
}

// headline, the file and the reason, one paragraph each.
void ReportFileFailure(HWND owner, const wchar_t* headline, const std::wstring& path, const std::wstring& reason,
                       UINT icon)
{
    std::wstring text = std::wstring(headline) + L"\n" + PathForMessage(path) + L"\n\n" + reason;
    ShowMessage(owner, text.c_str(), kCaption, icon);
}

void ReportOpenFailure(HWND owner, const std::wstring& path, const std::wstring& reason)
{
    ReportFileFailure(owner, kCannotOpen, path, reason, MB_ICONWARNING);
}

// After a failed open the previous names come back, or none when the window lost its text.
void SettleNamesAfterFailure(EditorDocument* document, const DocumentNameBackup& backup,
                             const OpenedDocument& result)
{
    if (!result.windowCleared) {
        backup.Restore();
        return;
    }
    document->path[0] = L'\0';
    document->title[0] = L'\0';
}

// The 9x size rules, asked before the file is read; false: do not read it.
bool PassWin9xSizeCheck(HWND owner, TextEncoding encoding, long long size)
{
    if (GetOsFamily() != 1 || size < 0) return true;
    switch (CheckWin9xReadSize(encoding, static_cast<unsigned long long>(size))) {
    case SizeRefused:
        ShowMessage(owner, L"選択されたテキスト ファイルのサイズが 64 KB (65,536 バイト) を超えています。", kCaption,
                    MB_ICONERROR);
        return false;
    case SizeNeedsQuestion: {
        const wchar_t* question = encoding == EncodingUtf8
            ? L"選択されたファイルが UTF-8 形式テキストで、ファイル サイズが 192 KB を超えていることが検出されました。\n"
              L"変換の結果、ANSI 形式に換算して 64 KB (65,536 バイト) を超える可能性があり、これを超えてしまった場合はエラーになる場合があります。\n\n"
              L"変換処理を続行しますか？"
            : L"選択されたファイルが Unicode 形式テキストで、ファイル サイズが 128 KB を超えていることが検出されました。\n"
              L"変換の結果、ANSI 形式に換算して 64 KB (65,536 バイト) を超える可能性があり、これを超えてしまった場合はエラーになる場合があります。\n\n"
              L"変換処理を続行しますか？";
        return ShowMessage(owner, question, kWarningCaption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
    }
    default:
        return true;
    }
}

// Bytes the decoding cannot keep would change at the next save: say so once, then open.
void WarnAboutUnsavableBytes(HWND owner, TextEncoding encoding, UINT codePage)
{
    std::wstring form = encoding == EncodingUtf8
        ? std::wstring(L"UTF-8 形式")
        : L"選択された言語 (コード ページ " + std::to_wstring(codePage) + L") の ANSI 形式";
    std::wstring text = L"このファイルには、" + form + L"として正しく読み取れないバイトが含まれています。\n"
                        L"このまま保存すると、それらのバイトは別の文字に置き換えられる場合があります。";
    ShowMessage(owner, text.c_str(), kCaption, MB_ICONWARNING);
}

// Asked once the file is read, before its bytes are decoded: the 9x size rules, the language
// of ANSI bytes, and bytes a later save would change. False stops the open.
bool PrepareDecoding(const EditorWindow& window, EditorDocument* document, const ReadPlan& plan,
                     const std::string& bytes, WindowTextMode mode, UINT* codePage)
{
    if (!PassWin9xSizeCheck(window.main, plan.encoding, static_cast<long long>(bytes.size() + plan.markLength)))
        return false;
    if (plan.encoding == EncodingAnsi && mode == WindowTextUnicode) {
        if (!ChooseAnsiLanguage(window, document)) return false;
        *codePage = ChosenAnsiCodePage(*document);
        if (!AnsiBytesSurviveSave(bytes, *codePage)) WarnAboutUnsavableBytes(window.main, plan.encoding, *codePage);
    } else if (plan.encoding == EncodingUtf8 && !Utf8BytesSurviveSave(bytes)) {
        WarnAboutUnsavableBytes(window.main, plan.encoding, *codePage);
    }
    return true;
}

// Reads the file into the window as the choice says. An explicit choice reports a file
// that cannot be read; a read by mark leaves that to its caller.
OpenedDocument LoadDocumentFile(const EditorWindow& window, EditorDocument* document, const wchar_t* path,
                                ReadChoice choice)
{
    TextReadOptions options;
    options.choice = choice;
    options.mode = CurrentWindowTextMode(window);
    options.codePage = GetACP();
    options.win9xLimits = GetOsFamily() == 1;
    options.byteLimit = kLargestDocumentFile;
    options.beforeDecode = [&](const ReadPlan& plan, const std::string& bytes, UINT* codePage) {
        return PrepareDecoding(window, document, plan, bytes, options.mode, codePage);
    };
    TextFile file = ReadTextFile(path, options);
    OpenedDocument result;
    if (file.status == TextReadUnreadable && choice != ReadByMark)
        ShowMessage(window.main, kCannotRead, kCaption, MB_ICONERROR);
    if (file.status == TextReadUnreadable) result.error = file.error;
    if (file.status == TextReadTooLong)
        ShowMessage(window.main, L"変換の結果、64 KB (65,536 バイト) を超過したため、処理を中断します。", kCaption,
                    MB_ICONERROR);
    if (file.status == TextReadTooLarge)
        ReportFileFailure(window.main, kCannotOpen, path,
                          L"ファイルのサイズが 16 MB (16,777,216 バイト) を超えています。Quillmere で開けるのはこのサイズまでです。",
                          MB_ICONERROR);
    if (file.status != TextReadDone) return result;

    LineEndCount lineEnds;
    try {
        if (options.mode == WindowTextUnicode) file.text.wide = ToCrLf(file.text.wide, &lineEnds);
        else file.text.ansi = ToCrLf(file.text.ansi, &lineEnds);
    } catch (const std::bad_alloc&) {
        ReportOpenFailure(window.main, path, ErrorTextWithCode(ERROR_NOT_ENOUGH_MEMORY));
        return result;
    }
    if (!PutWindowText(window.edit, file.text, options.mode)) {
        // What the control holds now may be part of the file: it must not pass for the file.
        SetWindowTextW(window.edit, L"");
        result.windowCleared = true;
        ReportOpenFailure(window.main, path, ErrorTextWithCode(ERROR_NOT_ENOUGH_MEMORY));
        return result;
    }
    document->lineEnds = lineEnds.Dominant();
    result.opened = true;
    result.mixedLineEnds = lineEnds.Mixed();
    return result;
}

void ReportSaveFailure(HWND owner, const ReplaceOutcome& outcome, const wchar_t* path)
{
    if (outcome.error == ERROR_FILENAME_EXCED_RANGE) {
        ReportFileFailure(owner, L"保存できませんでした。", path,
                          L"保存先のフォルダのパスが長すぎるため、保存に使う一時ファイルを作れません。保存先のファイルは変更されていません。",
                          MB_ICONERROR);
        return;
    }
    if (outcome.stage != ReplaceWriteFailed) {
        ShowMessage(owner, kSaveFailed, kCaption, MB_ICONERROR);
        return;
    }
    std::wstring text = L"保存できませんでした。\nファイルへの書き込み中にエラーが発生しました。\n\n" +
                        ErrorTextWithCode(outcome.error) +
                        L"\n\nディスク容量が足りない可能性があります。保存先のファイルは変更されていません。";
    ShowMessage(owner, text.c_str(), kCaption, MB_ICONERROR);
}

// Encodes and writes the text; false after a cancel, a refusal or a failed write, each
// already reported to the user.
bool WriteDocument(const EditorWindow& window, EditorDocument* document, const WindowText& text, WindowTextMode mode,
                   TextEncoding encoding)
{
    const wchar_t* path = document->path;
    UINT codePage = GetACP();
    if (encoding == EncodingAnsi && mode == WindowTextUnicode) {
        if (!ChooseAnsiLanguage(window, document)) return false;
        codePage = ChosenAnsiCodePage(*document);
    }
    WindowText fileText = text;
    if (mode == WindowTextUnicode) fileText.wide = FromCrLf(text.wide, document->lineEnds);
    else fileText.ansi = FromCrLf(text.ansi, document->lineEnds);
    EncodedText contents = EncodeDocumentText(fileText, encoding, mode, codePage);
    if (contents.error) {
        ReportFileFailure(window.main, L"保存できませんでした。", path,
                          L"文書を保存する形式に変換できませんでした。保存先のファイルは変更されていません。\n\n" +
                              ErrorTextWithCode(contents.error),
                          MB_ICONERROR);
        return false;
    }
    if (contents.replacedCharacters && !ConfirmReplacedCharacters(window.main, codePage, L"保存")) return false;
    ReplaceOutcome outcome = WriteFileReplacing(path, contents.bytes);
    if (outcome.stage != ReplaceDone) {
        ReportSaveFailure(window.main, outcome, path);
        return false;
    }
    SendMessageW(window.edit, EM_SETMODIFY, FALSE, 0);
    return true;
}

// A file dialog with room for any path, so a choice too long for the document is told
// apart from a cancel, and refused by name rather than cut to another file's.
class FileDialog {
public:
    FileDialog(HWND owner, EditorDocument* document, const wchar_t* filter)
        : document_(document), path_(kRoom, L'\0'), title_(kRoom, L'\0')
    {
        CopyToBuffer(&path_[0], kRoom, document->path);
        dialog_.lStructSize = sizeof(dialog_);
        dialog_.hwndOwner = owner;
        dialog_.lpstrFilter = filter;
        dialog_.nFilterIndex = 1;
        dialog_.lpstrFile = &path_[0];
        dialog_.nMaxFile = kRoom;
        dialog_.lpstrFileTitle = &title_[0];
        dialog_.nMaxFileTitle = kRoom;
    }
    OPENFILENAMEW* operator->() { return &dialog_; }
    OPENFILENAMEW* get() { return &dialog_; }

    // After OK: the choice becomes the document's path and title. A path too long for them
    // is refused with a message that starts with headline; false then.
    bool TakeChoice(const wchar_t* headline, UINT icon) const
    {
        if (wcsnlen(path_.c_str(), kRoom) >= MAX_PATH) {
            ReportFileFailure(dialog_.hwndOwner, headline, path_.c_str(), kPathTooLong, icon);
            return false;
        }
        CopyToBuffer(document_->path, MAX_PATH, path_.c_str());
        CopyToBuffer(document_->title, MAX_PATH, title_.c_str());
        return true;
    }

private:
    static const DWORD kRoom = 32768;
    EditorDocument* document_;
    std::wstring path_;
    std::wstring title_;
    OPENFILENAMEW dialog_ = {};
};

}  // namespace

WindowTextMode CurrentWindowTextMode(const EditorWindow& window)
{
    return IsWindowUnicode(window.main) ? WindowTextUnicode : WindowTextAnsi;
}

WindowText ReadWindowText(const EditorWindow& window, WindowTextMode mode)
{
    WindowText text;
    if (mode == WindowTextUnicode) {
        text.wide = WholeWindowText(window.edit);
    } else {
        text.ansi.resize(static_cast<size_t>(GetWindowTextLengthA(window.edit)) + 1);
        text.ansi.resize(static_cast<size_t>(GetWindowTextA(window.edit, &text.ansi[0], static_cast<int>(text.ansi.size()))));
    }
    return text;
}

bool ConfirmReplacedCharacters(HWND owner, UINT codePage, const wchar_t* action)
{
    wchar_t text[320];
    swprintf(text, _countof(text),
             L"この文書には、ANSI 形式 (コード ページ %u) で表せない文字が含まれています。\n"
             L"このまま%lsすると、それらの文字は別の文字に置き換えられます。\n\n"
             L"文字を置き換えて%lsしますか？",
             codePage, action, action);
    return ShowMessage(owner, text, kCaption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

DocumentNameBackup::DocumentNameBackup(EditorDocument* document) : document_(document)
{
    CopyToBuffer(path_, _countof(path_), document->path);
    CopyToBuffer(title_, _countof(title_), document->title);
}

void DocumentNameBackup::Restore() const
{
    CopyToBuffer(document_->path, MAX_PATH, path_);
    CopyToBuffer(document_->title, MAX_PATH, title_);
}

OpenedDocument OpenDocumentByPath(const EditorWindow& window, EditorDocument* document, const wchar_t* path)
{
    SetLastError(0);
    if (!FileExists(path)) {
        OpenedDocument missing;
        DWORD error = GetLastError();
        missing.error = error ? error : ERROR_FILE_NOT_FOUND;
        return missing;
    }
    if (IsFolder(path)) {
        ShowMessage(window.main, L"フォルダを開くことはできません。", kCaption, MB_ICONERROR);
        return OpenedDocument();
    }
    return LoadDocumentFile(window, document, path, ReadByMark);
}

OpenedDocument OpenDocumentAsCurrent(const EditorWindow& window, EditorDocument* document, const std::wstring& path)
{
    // Kept absolute, so no later change of the current folder makes it another file.
    std::wstring full = FullPath(path);
    if (full.empty()) full = path;
    // A path too long for the document's buffer would be cut to another file's name.
    if (full.size() >= MAX_PATH) {
        ReportOpenFailure(window.main, full, kPathTooLong);
        return OpenedDocument();
    }
    DocumentNameBackup backup(document);
    CopyToBuffer(document->path, MAX_PATH, full.c_str());
    OpenedDocument result = OpenDocumentByPath(window, document, document->path);
    if (!result.opened) {
        SettleNamesAfterFailure(document, backup, result);
        if (result.error) ReportOpenFailure(window.main, full, ErrorTextWithCode(result.error));
        return result;
    }
    CopyToBuffer(document->title, MAX_PATH, TitleOfPath(full).c_str());
    return result;
}

OpenedDocument OpenDocumentWithDialog(const EditorWindow& window, EditorDocument* document)
{
    DocumentNameBackup backup(document);
    FileDialog dialog(window.main, document, kOpenFilter);
    dialog->Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(dialog.get()) || !dialog.TakeChoice(kCannotOpen, MB_ICONWARNING)) return OpenedDocument();
    if (!FileExists(document->path)) {
        ShowMessage(window.main, kCannotOpen, kCaption, MB_ICONWARNING);
        backup.Restore();
        return OpenedDocument();
    }
    OpenedDocument result;
    if (dialog->nFilterIndex == kOpenFilterUtf16 || dialog->nFilterIndex == kOpenFilterUtf8) {
        result = LoadDocumentFile(window, document, document->path,
                                  dialog->nFilterIndex == kOpenFilterUtf16 ? ReadAsUtf16 : ReadAsUtf8);
    } else {
        result = OpenDocumentByPath(window, document, document->path);
        if (!result.opened) ShowMessage(window.main, kCannotOpen, kCaption, MB_ICONWARNING);
    }
    if (!result.opened) SettleNamesAfterFailure(document, backup, result);
    return result;
}

int SaveDocument(const EditorWindow& window, EditorDocument* document)
{
    WindowTextMode mode = CurrentWindowTextMode(window);
    WindowText text = ReadWindowText(window, mode);
    if (!FileExists(document->path)) return 0;
    TextEncoding encoding = DetectEncodingMark(document->path);
    if (encoding == EncodingUnreadable) return 0;
    return WriteDocument(window, document, text, mode, encoding) ? 1 : 0;
}

int SaveDocumentAs(const EditorWindow& window, EditorDocument* document)
{
    DocumentNameBackup backup(document);
    WindowTextMode mode = CurrentWindowTextMode(window);
    WindowText text = ReadWindowText(window, mode);
    FileDialog dialog(window.main, document, kSaveFilter);
    dialog->Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    dialog->lpstrDefExt = L"wms";
    if (!GetSaveFileNameW(dialog.get()) || !dialog.TakeChoice(L"保存できませんでした。", MB_ICONERROR)) return 0;
    TextEncoding encoding = dialog->nFilterIndex == kSaveFilterUtf16 ? EncodingUtf16LE
                          : dialog->nFilterIndex == kSaveFilterUtf8  ? EncodingUtf8
                                                                     : EncodingAnsi;
    if (!WriteDocument(window, document, text, mode, encoding)) {
        backup.Restore();
        return 0;
    }
    return 1;
}
