// Fennick's entry point and main window procedure.
#include "about_box.h"
#include "bulk_copy.h"
#include "fennick.h"
#include "language.h"
#include "resource.h"
#include "single_instance.h"
#include "skins_folder.h"

#include <shellapi.h>

HINSTANCE g_hInstance = nullptr;
HWND g_hwndMain = nullptr;
HANDLE g_instanceMutex = nullptr;
wchar_t g_skinsRoot[MAX_PATH] = L"";

namespace {

const wchar_t kClassName[] = L"Fennick";
const wchar_t kTitle[] = L"Ferncastle";

const AboutBoxConfig kAboutBox = {
    IDD_ABOUT_JP, IDD_ABOUT_EN, L"041104e4", L"040904e4", L"Ferncastle", L"Ferncastle", false,
};

// Another copy runs: bring its window forward instead, without a word.
bool HandOverToRunningCopy()
{
    bool alreadyRunning = false;
    g_instanceMutex = ClaimSingleInstance(L"Ferncastle", &alreadyRunning);
    if (!alreadyRunning) return false;
    HWND other = FindWindowW(kClassName, kTitle);
    if (other) {
        ShowWindow(other, SW_SHOW);
        SetActiveWindow(other);
        SetForegroundWindow(other);
    }
    return true;
}

void OnClose(HWND window)
{
    // Only released: the handle goes with the process.
    if (g_instanceMutex) ReleaseMutex(g_instanceMutex);
    DestroyWindow(window);
}

void OnCommand(HWND window, int id)
{
    switch (id) {
    case IDM_EXIT:  SendMessageW(window, WM_CLOSE, 0, 0); break;
    case IDM_ABOUT: ShowAboutBox(g_hInstance, window, kAboutBox); break;
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: OnCommand(window, LOWORD(wParam)); return 0;
    case WM_CLOSE:   OnClose(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterMainClass(HINSTANCE instance)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszMenuName = MAKEINTRESOURCEW(IsJapaneseUi() ? IDM_MAIN_JP : IDM_MAIN_EN);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

void GrayEntryCommands(HWND window)
{
    HMENU menu = GetMenu(window);
    EnableMenuItem(menu, IDM_OPEN_SKIN, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, IDM_DELETE_SKINS, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, IDM_RENAME_SKIN, MF_BYCOMMAND | MF_GRAYED);
}

// Every argument is a setup file.
int RunBulkCopyOfCommandLine()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return 0;
    int result = RunBulkCopy(count - 1, arguments + 1);
    LocalFree(arguments);
    return result;
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand)
{
    g_hInstance = instance;
    PrepareSkinsRoot(g_skinsRoot);
    // A command line asks for the bulk copy, which runs beside an open explorer.
    if (commandLine && commandLine[0] != L'\0') return RunBulkCopyOfCommandLine();
    if (HandOverToRunningCopy()) return 0;
    if (!RegisterMainClass(instance)) return 0;
    g_hwndMain = CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                 instance, nullptr);
    if (!g_hwndMain) return 0;
    GrayEntryCommands(g_hwndMain);
    ShowWindow(g_hwndMain, showCommand);
    UpdateWindow(g_hwndMain);
    return RunMessageLoop();
}
