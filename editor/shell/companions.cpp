// The programs and help files that ship beside the editor, and the desktop shortcut.
#include "companions.h"

#include "file_info.h"
#include "html_help.h"
#include "message_box.h"
#include "program_folder.h"
#include "resource.h"
#include "shell_open.h"

#include <htmlhelp.h>
#include <shlobj.h>

#include <string>

namespace {

const wchar_t kCaption[] = L"Quillmere";

struct Companion {
    unsigned command;
    const wchar_t* file;
    const wchar_t* failure;
};

const Companion kPrograms[] = {
    {IDM_TOOLS_FERNCASTLE, L"Fennick.exe", L"Ferncastle を起動できませんでした。"},
    {IDM_TOOLS_CONVERTER, L"Migrato.exe", L"設定コンバータを起動できませんでした。"},
    {IDM_TOOLS_SETUP_MAKER, L"Setwright.exe", L"QLMC ファイル作成ツールを起動できませんでした。"},
};

// The SDK manual has no file of ours: its path is the user's setting.
const Companion kHelpFiles[] = {
    {IDM_HELP_CONTENTS, L"Quillpad.chm", L"ヘルプを開けませんでした。"},
    {IDM_HELP_REFERENCE, L"Reference.chm", L"リファレンス マニュアルを開けませんでした。"},
    {IDM_HELP_SDK_MANUAL, nullptr, L"Windows Media Player SDK マニュアルを開けませんでした。\nオプション設定を確認してください。"},
};

template <size_t N>
const Companion* Find(const Companion (&table)[N], unsigned command)
{
    for (const Companion& entry : table)
        if (entry.command == command) return &entry;
    return nullptr;
}

const wchar_t kShortcutDescription[] =
    L"Quillmere を使って、Windows Media Player スキン、Java スクリプト、およびテキスト ファイルを作成できます。";

bool SaveShortcut(const std::wstring& linkPath)
{
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return false;
    IPersistFile* file = nullptr;
    bool saved = SUCCEEDED(link->SetPath(OwnProgramPath().c_str())) &&
                 SUCCEEDED(link->SetDescription(kShortcutDescription)) &&
                 SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                 SUCCEEDED(file->Save(linkPath.c_str(), TRUE));
    if (file) file->Release();
    link->Release();
    return saved;
}

}  // namespace

void StartCompanion(HWND owner, unsigned command)
{
    const Companion* program = Find(kPrograms, command);
    if (!program) return;
    std::wstring path = OwnProgramFolder() + program->file;
    if (!ShellOpen(owner, path.c_str())) ShowMessage(owner, program->failure, kCaption, MB_ICONWARNING);
}

void OpenHelpFile(HWND owner, const EditorSettings& settings, unsigned command)
{
    const Companion* help = Find(kHelpFiles, command);
    if (!help) return;
    std::wstring path = help->file ? OwnProgramFolder() + help->file : std::wstring(settings.WMPSDKManualPath);
    if (!FileExists(path.c_str())) {
        ShowMessage(owner, help->failure, kCaption, MB_ICONWARNING);
        return;
    }
    CallHtmlHelp(owner, path.c_str(), HH_DISPLAY_TOPIC, 0);
}

int CreateDesktopShortcut()
{
    wchar_t desktop[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop))) return 0;
    HRESULT com = CoInitialize(nullptr);
    bool saved = SaveShortcut(std::wstring(desktop) + L"\\Quillmere.lnk");
    if (SUCCEEDED(com)) CoUninitialize();
    return saved ? 1 : 0;
}

void OfferDesktopShortcut(HWND owner)
{
    if (ShowMessage(owner,
                    L"デスクトップに Quillmere へのショートカットを作成してもよろしいですか？\n"
                    L"(すでに同名の Quillmere.lnk が存在する場合は上書きされます。)",
                    L"ショートカットの作成", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (CreateDesktopShortcut())
        ShowMessage(owner,
                    L"ショートカットの作成が完了しました。\n"
                    L"(ショートカットはアンインストールしても残りますので、アンインストールした場合は手動で削除してください。)",
                    L"作成完了", MB_ICONINFORMATION);
    else
        ShowMessage(owner, L"ショートカットの作成中にエラーが発生しました。", L"作成失敗", MB_ICONERROR);
}
