// Fennick's entry point and main window procedure.
#include "bulk_copy.h"
#include "command_state.h"
#include "commands.h"
#include "control_classes.h"
#include "fennick.h"
#include "file_paths.h"
#include "language.h"
#include "navigation.h"
#include "package_check_dialog.h"
#include "preview_pane.h"
#include "resource.h"
#include "screen_dpi.h"
#include "single_instance.h"
#include "skin_list.h"
#include "skins_folder.h"
#include "status_bar.h"
#include "thumbnails.h"
#include "toolbar.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

HINSTANCE g_hInstance = nullptr;

namespace {

// The main window's children, which it lays out; made with it.
HWND g_hwndList = nullptr;
HWND g_hwndToolbar = nullptr;
HWND g_hwndStatus = nullptr;
HANDLE g_instanceMutex = nullptr;
// The skins folder; empty when the application-data folder cannot be had.
wchar_t g_skinsRoot[MAX_PATH] = L"";

const wchar_t kClassName[] = L"Fennick";
const wchar_t kTitle[] = L"Ferncastle";
// How long closing waits for the workers, whatever they draw: the window goes within a second.
const DWORD kCloseWait = 500;
// At 96 DPI; it grows with the screen's DPI.
const POINT kMinimumSize = {640, 400};

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

void ReleaseImageLists()
{
    ReleaseSkinListImages();
    ReleaseToolbarImages();
}

LRESULT OnCreate(HWND window)
{
    g_hwndToolbar = CreateExplorerToolbar(window);
    g_hwndList = CreateSkinList(window, g_skinsRoot);
    g_hwndStatus = CreateExplorerStatusBar(window);
    if (!g_hwndList) {
        ReleaseImageLists();
        return -1;
    }
    CreatePreviewPane(window, g_hwndList);
    StartThumbnails(window, g_hwndList);
    ShowFolder(window, g_skinsRoot);
    return 0;
}

void LayOut(HWND window, LPARAM size)
{
    SendMessageW(g_hwndToolbar, WM_SIZE, 0, size);
    SendMessageW(g_hwndStatus, WM_SIZE, 0, size);
    RECT client, toolbar, status;
    GetClientRect(window, &client);
    GetClientRect(g_hwndToolbar, &toolbar);
    GetClientRect(g_hwndStatus, &status);
    int top = toolbar.bottom + ScaleForDpi(2, ScreenDpi(window));
    PlaceListAndPreview(client.left, top, client.right, client.bottom - status.bottom - top);
    SendMessageW(g_hwndList, LVM_ARRANGE, LVA_ALIGNLEFT, 0);
}

void SetMinimumSize(HWND window, MINMAXINFO* limits)
{
    int dpi = ScreenDpi(window);
    limits->ptMinTrackSize = {ScaleForDpi(kMinimumSize.x, dpi), ScaleForDpi(kMinimumSize.y, dpi)};
}

void FollowSelection(HWND window)
{
    UpdateCommandState(window, SelectedEntryCount());
    ShowSelectionState();
    PreviewSelectionLater();
}

void OnListNotify(HWND window, const NMHDR* header)
{
    switch (header->code) {
    case NM_DBLCLK:       ActivateClickedItem(window, reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem); break;
    case NM_RCLICK:       ShowContextMenu(window); break;
    case LVN_COLUMNCLICK: SortSkinList(reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem); break;
    case LVN_ITEMCHANGED: FollowSelection(window); break;
    case LVN_KEYDOWN:
        // Enter, as the menu names it; other keys keep their list-view meaning.
        if (reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey == VK_RETURN) ActivateSelectedEntry(window);
        break;
    }
}

// Every worker is asked to stop first, then all are waited for within one bound.
void StopWorkers(HWND window)
{
    StopThumbnails();
    StopPreviewPane();
    StopPackageCheck();
    const DWORD start = GetTickCount();
    auto left = [start] { return kCloseWait - std::min(kCloseWait, GetTickCount() - start); };
    WaitForThumbnails(left());
    WaitForPreviewPane(left());
    WaitForPackageCheck(window, left());
}

void OnClose(HWND window)
{
    StopWorkers(window);
    ReleaseImageLists();
    // Only released: the handle goes with the process.
    if (g_instanceMutex) ReleaseMutex(g_instanceMutex);
    DestroyWindow(window);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:        return OnCreate(window);
    case WM_SIZE:          LayOut(window, lParam); return 0;
    case WM_GETMINMAXINFO: SetMinimumSize(window, reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_SETFOCUS:      SetFocus(g_hwndList); return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->idFrom == IDC_SKIN_LIST)
            OnListNotify(window, reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    case WM_COMMAND:       OnCommand(window, LOWORD(wParam)); return 0;
    case WM_MENUSELECT:    ShowMenuHelp(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_EXITMENULOOP:  ShowSelectionState(); return 0;
    case WM_THUMBNAIL_DONE: TakeThumbnail(lParam); return 0;
    case WM_PACKAGE_CHECKED: ShowPackageCheck(window, lParam); return 0;
    case WM_CLOSE:         OnClose(window); return 0;
    case WM_DESTROY:       PostQuitMessage(0); return 0;
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

// Every argument is a setup file.
int RunBulkCopyOfCommandLine()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return 0;
    // The working folder the program was started in is where the packages go.
    int result = RunBulkCopy(count - 1, arguments + 1, FullFolderPath(L"."), g_skinsRoot);
    LocalFree(arguments);
    return result;
}

// The keys of the table go to the main window first, so the list never sees them.
int RunMessageLoop(HWND window, HACCEL accelerators)
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(window, accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand)
{
    g_hInstance = instance;
    // Here rather than at window creation: the bulk copy shows dialogs too.
    RegisterControlClasses(ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES);
    if (!IsJapaneseUi()) UseEnglishStatusHelp();
    PrepareSkinsRoot(g_skinsRoot);
    // A command line asks for the bulk copy, which runs beside an open explorer.
    if (commandLine && commandLine[0] != L'\0') return RunBulkCopyOfCommandLine();
    if (HandOverToRunningCopy()) return 0;
    if (!RegisterMainClass(instance)) return 0;
    HWND window = CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window) return 0;
    UpdateCommandState(window, 0);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return RunMessageLoop(window, LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS)));
}
