// The fixture of the editor's document UI tests: start, the document, its files and boxes.
#pragma once
#include "command_rules.h"
#include "file_paths.h"
#include "kit.h"
#include "editor/resource.h"

#include <commctrl.h>

#include <optional>
#include <string>

using kit::App;
using kit::Dialog;
using kit::Icon;
using kit::Window;

inline const std::wstring kSettings = L"Software\\Halvenor's Software\\Quillmere";
inline const wchar_t kNewTitle[] = L"Quillmere - 新規ファイル";
// Wine's file dialogs speak the system's language.
inline const std::wstring kOpenCaption = GetACP() == 932 ? L"開く" : L"Open";
inline const std::wstring kSaveAsCaption = GetACP() == 932 ? L"名前を付けて保存" : L"Save As";
inline const wchar_t kSaveFailed[] =
    L"保存できませんでした。\n保存できない主な原因としては、\n\n"
    L"・上書きしようとしたファイルに読み取り専用属性がセットされているかロックされている\n"
    L"・読み取り専用メディア上に保存しようとした\n・ディスク容量が足りない\n\nなどが挙げられます。";

enum {
    kEdit = IDC_MAIN_EDIT, kStatus = IDC_MAIN_STATUS, kToolbar = IDC_MAIN_TOOLBAR, kNew = IDM_FILE_NEW,
    kOpen = IDM_FILE_OPEN, kSave = IDM_FILE_SAVE, kSaveAs = IDM_FILE_SAVE_AS, kSelectAll = IDM_EDIT_SELECT_ALL,
    kFind = IDM_EDIT_FIND, kFindNext = IDM_EDIT_FIND_NEXT, kReplace = IDM_EDIT_REPLACE, kRun = IDM_TOOLS_RUN,
};

inline const std::string kMarkLE("\xFF\xFE", 2);
inline const std::string kMarkUtf8("\xEF\xBB\xBF", 3);
// "日本語のスキン" in code page 932, as UTF-16LE and as UTF-8.
inline const std::string kSjis("\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x58\x83\x4C\x83\x93", 14);
inline const std::wstring kWide = L"日本語のスキン";
inline const std::string kUtf8("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x82\xB9\xE3\x82\xAD\xE3\x83\xB3", 21);

inline std::string Utf16LE(const std::wstring& text)
{
    std::string bytes;
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

inline std::string Utf16BE(const std::wstring& text)
{
    std::string bytes;
    for (wchar_t c : text) {
        bytes += static_cast<char>(c >> 8);
        bytes += static_cast<char>(c & 0xFF);
    }
    return bytes;
}

class DocumentTest : public kit::UiTest {
protected:
    Window Start(const std::wstring& args = L"", const std::wstring& title = kNewTitle)
    {
        app_.emplace(L"Quillpad.exe", args);
        main_ = app_->WaitWindow(L"Quillpad", title);
        return main_;
    }
    App& app() { return *app_; }
    Window Edit() const { return main_.Item(kEdit); }
    Window Status() const { return main_.Item(kStatus); }

    std::wstring Scratch(const std::wstring& name) const { return kit::ScratchDir() + L"\\" + name; }
    std::wstring WriteFile(const std::wstring& name, const std::string& bytes) const
    {
        std::wstring path = Scratch(name);
        kit::WriteBytes(path, bytes);
        return path;
    }

    // Text the user typed: the document counts as modified.
    void Type(const std::wstring& text) const
    {
        Edit().SetText(text);
        Edit().Send(EM_SETMODIFY, TRUE);
    }
    bool Modified() const { return Edit().Send(EM_GETMODIFY) != 0; }

    void WaitTitle(const std::wstring& title) const { EXPECT_SOON_EQ(title, main_.Text()) << "the title"; }
    void WaitStatus(const std::wstring& text) const { EXPECT_SOON_EQ(text, Status().StatusText(0)) << "the status"; }

    // Opens a file as a drop on the window and waits until it is shown.
    void Drop(const std::wstring& path) const
    {
        main_.DropFiles({path});
        WaitTitle(L"Quillmere - " + path.substr(path.find_last_of(L'\\') + 1));
    }

    void OpenWithDialog(const std::wstring& path, int filter) const
    {
        main_.PostCommand(kOpen);
        kit::ChooseInFileDialog(app_->WaitDialog(kOpenCaption), path, filter);
        app_->WaitGone(L"#32770", kOpenCaption);
        WaitTitle(L"Quillmere - " + path.substr(path.find_last_of(L'\\') + 1));
    }

    void SaveAs(const std::wstring& path, int filter) const
    {
        main_.PostCommand(kSaveAs);
        kit::ChooseInFileDialog(app_->WaitDialog(kSaveAsCaption), path, filter);
        app_->WaitGone(L"#32770", kSaveAsCaption);
        WaitStatus(L"ファイルを保存しました。");
    }

    // Save with the document marked modified but its text untouched, then the file's bytes.
    std::string SaveUnchanged(const std::wstring& path) const
    {
        Edit().Send(EM_SETMODIFY, TRUE);
        Status().Send(SB_SETTEXTW, 0, 0);
        main_.PostCommand(kSave);
        WaitStatus(L"ファイルを更新しました。");
        EXPECT_SOON_FALSE(Modified());
        return kit::FileBytes(path).value_or("<unreadable>");
    }

    Dialog ExpectBox(const std::wstring& caption, const std::wstring& text, Icon icon) const
    {
        Dialog box = app_->WaitDialog(caption);
        EXPECT_EQ(text, box.Message());
        EXPECT_EQ(icon, box.IconKind()) << kit::IconName(box.IconKind());
        return box;
    }

    // "ファイルを開けませんでした。", the file, and the reason at the end.
    void ExpectCannotOpen(const std::wstring& path, const std::wstring& reason, Icon icon) const
    {
        Dialog box = app_->WaitDialog(L"Quillmere");
        std::wstring text = box.Message();
        EXPECT_EQ(0u, text.find(L"ファイルを開けませんでした。\n" + PathForMessage(path) + L"\n\n")) << kit::Utf8(text);
        EXPECT_TRUE(EndsWith(text, reason)) << kit::Utf8(text);
        EXPECT_EQ(icon, box.IconKind()) << kit::IconName(box.IconKind());
        box.Answer(IDOK);
    }
    // A temporary file of a whole-file replace ("~qlXXXX.tmp") left in the folder.
    static bool TemporaryLeftIn(const std::wstring& folder)
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"\\~ql*.tmp").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) FindClose(search);
        return search != INVALID_HANDLE_VALUE;
    }
    // A folder of 250 characters: a short name in it makes a path too long for the document.
    std::wstring DeepFolder() const
    {
        std::wstring folder = kit::ScratchDir() + L"\\";
        folder += std::wstring(250 - folder.size(), L'd');
        CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr);
        return folder;
    }

    std::optional<App> app_;
    Window main_;
};
