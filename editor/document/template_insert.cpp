// The "雛形の挿入" command: a template file's whole text inserted at the caret.
#include "template_insert.h"

#include "file_info.h"
#include "file_paths.h"
#include "insert_text.h"
#include "message_box.h"
#include "template_text.h"

#include <commdlg.h>
#include <shlobj.h>

namespace {

const wchar_t kCaption[] = L"Quillmere";
const wchar_t kCannotOpen[] = L"雛形ファイルを開けませんでした。";

const wchar_t kFilter[] =
    L"対応フォーマット (自動判別)\0*.qlmt;*.txt\0"
    L"雛形ファイル (*.qlmt)\0*.qlmt\0"
    L"テキスト文書 (*.txt)\0*.txt\0"
    L"Unicode 形式テキスト\0*.qlmt;*.txt\0"
    L"UTF-8 形式テキスト\0*.qlmt;*.txt\0";

const wchar_t* SizeMessage(TextEncoding encoding)
{
    switch (encoding) {
    case EncodingUtf16LE:
    case EncodingUtf16BE:
        return L"雛形に挿入できる Unicode データは 64 KB (65,536 バイト) までです。\n"
               L"(ANSI 形式に換算して 32 KB (32,768 バイト) が上限です。)";
    case EncodingUtf8:
        return L"雛形に挿入できる UTF-8 データは 96 KB (98,307 バイト) までです。\n"
               L"(ANSI 形式に換算して 32 KB (32,768 バイト)、Unicode 形式に換算して 64 KB (65,536 バイト) "
               L"がそれぞれ上限です。)";
    default:
        return L"雛形に挿入できるデータは 32 KB (32,768 バイト) までです。";
    }
}

void TemplateFolder(const wchar_t* folderName, wchar_t (&folder)[MAX_PATH])
{
    folder[0] = L'\0';
    std::wstring documents;
    if (!KnownFolder(CSIDL_PERSONAL, &documents)) return;
    const std::wstring path = JoinPath(documents, folderName);
    if (path.size() < MAX_PATH) CopyToBuffer(folder, MAX_PATH, path.c_str());
}

// The chosen file and the 1-based filter it was chosen under; false on cancel.
bool ChooseTemplate(HWND owner, const wchar_t* folderName, wchar_t (&path)[MAX_PATH], DWORD* filterIndex)
{
    wchar_t title[MAX_PATH] = L"";
    wchar_t folder[MAX_PATH];
    TemplateFolder(folderName, folder);
    path[0] = L'\0';
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.nFilterIndex = TemplateFilterAll;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrFileTitle = title;
    dialog.nMaxFileTitle = MAX_PATH;
    dialog.lpstrInitialDir = folder[0] ? folder : nullptr;
    dialog.lpstrTitle = L"雛形の挿入";
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog)) return false;
    *filterIndex = dialog.nFilterIndex;
    return true;
}

void ShowCannotOpen(HWND owner)
{
    ShowMessage(owner, kCannotOpen, kCaption, MB_ICONWARNING);
}

}  // namespace

void InsertTemplate(const EditorWindow& window, const wchar_t* folderName)
{
    wchar_t path[MAX_PATH];
    DWORD filterIndex = TemplateFilterAll;
    if (!ChooseTemplate(window.main, folderName, path, &filterIndex)) return;
    if (!FileExists(path)) return ShowCannotOpen(window.main);
    ReadPlan plan = PlanTemplateRead(DetectEncodingMark(path), filterIndex);
    if (plan.encoding == EncodingUnreadable) return ShowCannotOpen(window.main);
    if (!TemplateSizeAccepted(plan.encoding, GetFileSizeByName(path))) {
        ShowMessage(window.main, SizeMessage(plan.encoding), kCaption, MB_ICONWARNING);
        return;
    }
    std::string bytes;
    if (!ReadWholeFile(path, &bytes)) return ShowCannotOpen(window.main);
    std::size_t addedUnits = 0;
    std::wstring text = DecodeTemplateBytes(bytes, plan, GetACP(), &addedUnits);
    // The size rules are the file's: the CRs its LF line ends gain on the way in do not count.
    if (!InsertConvertedTextAtCaret(window.edit, text.c_str(), addedUnits))
        ShowMessage(window.main, L"雛形の挿入処理中にエラーが発生しました。", kCaption, MB_ICONERROR);
}
