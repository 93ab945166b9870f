// HTML Help, bound at run time so the programs start where it is not installed.
#include "html_help.h"

#include "registry_value.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);

const wchar_t kControlServerKey[] = L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const WORD kHtmlHelpWOrdinal = 15;

HMODULE LoadRegisteredControl()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kControlServerKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
    wchar_t value[MAX_PATH] = L"";
    bool read = ReadRegistryString(key, nullptr, value, _countof(value));
    RegCloseKey(key);
    if (!read || !value[0]) return nullptr;
    // A REG_EXPAND_SZ path holds variables; a plain one has no '%' to expand.
    wchar_t expanded[MAX_PATH] = L"";
    DWORD length = ExpandEnvironmentStringsW(value, expanded, _countof(expanded));
    return LoadLibraryW(length > 0 && length <= _countof(expanded) ? expanded : value);
}

HtmlHelpFunction BindHtmlHelp()
{
    static bool tried = false;
    static HtmlHelpFunction function = nullptr;
    if (tried) return function;
    tried = true;
    HMODULE control = LoadRegisteredControl();
    if (!control) control = LoadLibraryW(L"hhctrl.ocx");
    if (control)
        function = reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void*>(GetProcAddress(control, MAKEINTRESOURCEA(kHtmlHelpWOrdinal))));
    return function;
}

}  // namespace

HWND CallHtmlHelp(HWND owner, const wchar_t* file, UINT command, DWORD_PTR data)
{
    HtmlHelpFunction function = BindHtmlHelp();
    return function ? function(owner, file, command, data) : nullptr;
}
