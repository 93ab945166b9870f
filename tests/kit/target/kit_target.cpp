// kit_target.exe: a small window with menu, toolbar, status bar and message boxes on
// command, so the kit can be tested without the products.
#include <windows.h>
#include <commctrl.h>
#include <cwchar>
#include <string>
#include "target_ids.h"

namespace {

HWND g_main, g_status, g_toolbar;
bool g_undoEnabled = false;
bool g_wrapChecked = true;

HMENU BuildMenu()
{
    HMENU deeper = CreatePopupMenu();
    AppendMenuW(deeper, MF_STRING, IDM_DEEPEST, L"Deepest");
    HMENU advanced = CreatePopupMenu();
    AppendMenuW(advanced, MF_STRING | MF_GRAYED, IDM_DEEP, L"Deep &item");
    AppendMenuW(advanced, MF_POPUP, reinterpret_cast<UINT_PTR>(deeper), L"Dee&per");
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, IDM_OPEN, L"&Open...\tCtrl+O");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, IDM_EXIT, L"E&xit");
    HMENU edit = CreatePopupMenu();
    AppendMenuW(edit, MF_STRING | MF_GRAYED, IDM_UNDO, L"元に戻す(&U)\tCtrl+Z");
    AppendMenuW(edit, MF_STRING | MF_CHECKED, IDM_WRAP, L"&Word wrap");
    AppendMenuW(edit, MF_POPUP, reinterpret_cast<UINT_PTR>(advanced), L"&Advanced");
    AppendMenuW(edit, MF_STRING, IDM_TOGGLE, L"&Toggle");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
    return bar;
}

void CreateBars(HWND hwnd)
{
    g_status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd,
                               reinterpret_cast<HMENU>(IDC_STATUS), nullptr, nullptr);
    int parts[] = {200, -1};
    SendMessageW(g_status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    SendMessageW(g_status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
    SendMessageW(g_status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"C:\\スキン\\main.wms"));

    g_toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT,
                                0, 0, 0, 0, hwnd, reinterpret_cast<HMENU>(IDC_TOOLBAR), nullptr,
                                nullptr);
    SendMessageW(g_toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP images = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageW(g_toolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&images));
    TBBUTTON buttons[] = {
        {STD_FILEOPEN, IDM_OPEN, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {STD_UNDO, IDM_UNDO, 0, BTNS_BUTTON, {}, 0, 0},
        {STD_PROPERTIES, IDM_WRAP, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, {}, 0, 0},
    };
    SendMessageW(g_toolbar, TB_ADDBUTTONS, _countof(buttons), reinterpret_cast<LPARAM>(buttons));
    SendMessageW(g_toolbar, TB_AUTOSIZE, 0, 0);
}

void CreateChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int y, int id)
{
    CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, y, 300, 22, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void CreateFields(HWND hwnd)
{
    // Multi-line, or the box text would lose everything after its first line break.
    CreateChild(hwnd, L"EDIT", L"", WS_BORDER | ES_MULTILINE, 60, IDC_BOX_TEXT);
    CreateChild(hwnd, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, 90, IDC_BOX_CAPTION);
    CreateChild(hwnd, L"BUTTON", L"&Check", BS_AUTOCHECKBOX, 120, IDC_CHECK);
    CreateChild(hwnd, L"BUTTON", L"Radio &A", BS_AUTORADIOBUTTON | WS_GROUP, 150, IDC_RADIO_A);
    CreateChild(hwnd, L"BUTTON", L"Radio &B", BS_AUTORADIOBUTTON, 180, IDC_RADIO_B);
    CheckDlgButton(hwnd, IDC_RADIO_A, BST_CHECKED);
}

std::wstring ItemText(int id)
{
    wchar_t text[1024] = {};
    GetDlgItemTextW(g_main, id, text, _countof(text));
    return text;
}

void SetStatus(const std::wstring& text)
{
    SendMessageW(g_status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Toggle()
{
    g_undoEnabled = !g_undoEnabled;
    g_wrapChecked = !g_wrapChecked;
    HMENU menu = GetMenu(g_main);
    EnableMenuItem(menu, IDM_UNDO, MF_BYCOMMAND | (g_undoEnabled ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, IDM_WRAP, MF_BYCOMMAND | (g_wrapChecked ? MF_CHECKED : MF_UNCHECKED));
    SendMessageW(g_toolbar, TB_ENABLEBUTTON, IDM_UNDO, g_undoEnabled);
    SendMessageW(g_toolbar, TB_CHECKBUTTON, IDM_WRAP, g_wrapChecked);
}

void Report()
{
    OSVERSIONINFOW v = {};
    v.dwOSVersionInfoSize = sizeof v;
    GetVersionExW(&v);
    BOOL wow = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow);
    wchar_t text[128];
    swprintf(text, _countof(text), L"acp=%u version=%lu.%lu platform=%lu wow64=%d", GetACP(),
             v.dwMajorVersion, v.dwMinorVersion, v.dwPlatformId, wow ? 1 : 0);
    SetStatus(text);
}

void OnCommand(HWND hwnd, int id, LPARAM lp)
{
    switch (id) {
    case IDM_REPORT: Report(); break;
    case IDC_CHECK:
        SetStatus(IsDlgButtonChecked(hwnd, IDC_CHECK) ? L"check 1" : L"check 0");
        break;
    case IDC_RADIO_A: SetStatus(L"radio A"); break;
    case IDC_RADIO_B: SetStatus(L"radio B"); break;
    case IDM_EXIT: DestroyWindow(hwnd); break;
    case IDM_TOGGLE: Toggle(); break;
    case IDM_KEY_F3: SetStatus(L"F3"); break;
    case IDM_KEY_CTRL_K: SetStatus(L"Ctrl+K"); break;
    case IDM_SHOW_BOX: {
        int answer = MessageBoxW(hwnd, ItemText(IDC_BOX_TEXT).c_str(),
                                 ItemText(IDC_BOX_CAPTION).c_str(), static_cast<UINT>(lp));
        SetStatus(L"answer " + std::to_wstring(answer));
        break;
    }
    }
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        CreateBars(hwnd);
        CreateFields(hwnd);
        return 0;
    case WM_COMMAND:
        OnCommand(hwnd, LOWORD(wp), lp);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

HACCEL BuildAccelerators()
{
    ACCEL keys[] = {
        {FVIRTKEY, VK_F3, IDM_KEY_F3},
        {FVIRTKEY | FCONTROL, 'K', IDM_KEY_CTRL_K},
    };
    return CreateAcceleratorTableW(keys, _countof(keys));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR cmdLine, int show)
{
    if (wcsncmp(cmdLine, L"/exit ", 6) == 0)
        return _wtoi(cmdLine + 6);
    if (wcscmp(cmdLine, L"/box-first") == 0)
        MessageBoxW(nullptr, L"Startup problem\nsecond line", L"Kit Target", MB_ICONERROR);

    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = MainProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    wc.lpszClassName = L"KitTarget";
    RegisterClassW(&wc);
    g_main = CreateWindowExW(0, L"KitTarget", L"Kit Target", WS_OVERLAPPEDWINDOW, 40, 40, 480,
                             320, nullptr, BuildMenu(), instance, nullptr);
    ShowWindow(g_main, show);
    HACCEL keys = BuildAccelerators();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorW(g_main, keys, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DestroyAcceleratorTable(keys);
    return static_cast<int>(msg.wParam);
}
