// The About box shared by the four programs.
#include "about_box.h"

#include "language.h"
#include "message_box.h"
#include "shared_ids.h"
#include "shell_open.h"
#include "version_info.h"

#include <string>

namespace {

const wchar_t kWebSite[] = L"https://www.halvenor.example/quillmere/";

const wchar_t kWebFailureJapanese[] =
    L"Web サイトをブラウザで開くことができませんでした。\n"
    L"ブラウザが正しくインストールされ、構成されているかをご確認の上、もう一度やり直してください。";
const wchar_t kWebFailureEnglish[] =
    L"Web Sites can not Open a Browser.\n"
    L"Browser is properly Installed and Configured on Whether the above, Please Try Again.";

const wchar_t* TableFor(const AboutBoxConfig& config)
{
    return IsJapaneseUi() ? config.tableJapanese : config.tableEnglish;
}

std::wstring OwnModulePath()
{
    // The first element of the argument vector, as every program passes it.
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring path;
    if (args && count > 0) path = args[0];
    LocalFree(args);
    wchar_t full[MAX_PATH] = L"";
    DWORD length = GetModuleFileNameW(nullptr, full, _countof(full));
    // The argument may lack folder or extension; the module name always resolves.
    if (path.empty() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        path = (length > 0 && length < _countof(full)) ? full : L"";
    return path;
}

void FillVersionLines(HWND dialog, const AboutBoxConfig& config)
{
    const std::wstring module = OwnModulePath();
    const wchar_t* path = module.empty() ? nullptr : module.c_str();
    const wchar_t* table = TableFor(config);

    std::wstring description, fileVersion, productVersion, copyright;
    QueryVersionString(table, L"FileDescription", &description, path);
    QueryVersionString(table, L"LegalCopyright", &copyright, path);
    bool haveVersions = QueryVersionString(table, L"FileVersion", &fileVersion, path) &&
                        QueryVersionString(table, L"ProductVersion", &productVersion, path);

    // A value that cannot be read leaves its line empty.
    std::wstring versionLine;
    if (haveVersions) versionLine = L"Version " + fileVersion + L" (" + productVersion + L")";
    SetDlgItemTextW(dialog, IDC_ABOUT_DESCRIPTION, description.c_str());
    SetDlgItemTextW(dialog, IDC_ABOUT_VERSION, versionLine.c_str());
    SetDlgItemTextW(dialog, IDC_ABOUT_COPYRIGHT, copyright.c_str());
}

void CentreOnOwner(HWND dialog)
{
    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT area, box;
    if (owner && IsWindowVisible(owner)) GetWindowRect(owner, &area);
    else SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(dialog, &box);
    int x = area.left + ((area.right - area.left) - (box.right - box.left)) / 2;
    int y = area.top + ((area.bottom - area.top) - (box.bottom - box.top)) / 2;
    SetWindowPos(dialog, nullptr, x < 0 ? 0 : x, y < 0 ? 0 : y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void OpenWebSite(HWND dialog, const AboutBoxConfig& config)
{
    if (ShellOpen(dialog, kWebSite)) return;
    bool japanese = IsJapaneseUi();
    ShowMessage(dialog, japanese ? kWebFailureJapanese : kWebFailureEnglish,
                japanese ? config.failureCaptionJapanese : config.failureCaptionEnglish, MB_ICONWARNING);
}

}  // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        auto* config = reinterpret_cast<const AboutBoxConfig*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        FillVersionLines(dialog, *config);
        CentreOnOwner(dialog);
        return TRUE;
    }
    case WM_COMMAND: {
        auto* config = reinterpret_cast<const AboutBoxConfig*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (!config) return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK:
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, config->cancelEndsWithOk ? IDOK : IDCANCEL);
            return TRUE;
        case IDC_ABOUT_WEBSITE:
            OpenWebSite(dialog, *config);
            return TRUE;
        }
        break;
    }
    }
    return FALSE;
}

INT_PTR ShowAboutBox(HINSTANCE instance, HWND owner, const AboutBoxConfig& config)
{
    int id = (IsJapaneseUi() || config.dialogIdEnglish == 0) ? config.dialogIdJapanese : config.dialogIdEnglish;
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(id), owner, AboutDialogProc,
                           reinterpret_cast<LPARAM>(&config));
}
