// The editor's entry sequence, main window and message loop.
#include "main_window.h"

#include "command_line.h"
#include "command_rules.h"
#include "command_state.h"
#include "commands.h"
#include "control_classes.h"
#include "document_commands.h"
#include "document_files.h"
#include "editor.h"
#include "file_paths.h"
#include "find_replace.h"
#include "menu_help.h"
#include "message_box.h"
#include "os_checks.h"
#include "program_folder.h"
#include "resource.h"
#include "screen_dpi.h"
#include "status_bar.h"
#include "suspend.h"
#include "template_folder.h"
#include "toolbar_tips.h"

#include <commctrl.h>
#include <cwchar>
#include <initializer_list>
#include <string>

namespace {

const wchar_t kClassName[] = L"Quillpad";
const wchar_t kCaption[] = L"Quillmere";
const UINT kTimerPeriod = 1000;
// The document's font: 16 pixels high at 96 DPI.
const int kEditFontPoints = 12;

struct ToolbarButton {
    int image;      // -1: separator
    int command;
};

const ToolbarButton kToolbarButtons[] = {
    {0, IDM_FILE_NEW},  {1, IDM_FILE_OPEN}, {2, IDM_FILE_SAVE}, {3, IDM_FILE_PRINT}, {-1, 0},
    {4, IDM_EDIT_CUT},  {5, IDM_EDIT_COPY}, {6, IDM_EDIT_PASTE}, {-1, 0},
    {7, IDM_INSERT_TAG_MENU}, {-1, 0},
    {8, IDM_TOOLS_RUN}, {9, IDM_PACKAGING}, {-1, 0},
    {10, IDM_HELP_CONTENTS},
};
const int kToolbarButtonCount = _countof(kToolbarButtons);

// The Editor of the main window or of its edit control: none before WM_NCCREATE.
Editor* EditorOf(HWND window)
{
    return reinterpret_cast<Editor*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void ReleaseWindowResources(Editor* editor)
{
    if (editor->editFont) DeleteObject(editor->editFont);
    editor->editFont = nullptr;
    if (editor->toolbarImages) ImageList_Destroy(editor->toolbarImages);
    editor->toolbarImages = nullptr;
}

void LayOutChildren(const EditorWindow& children, HWND window, int width, int height)
{
    int edges[2] = {width / 2, width};
    SendMessageW(children.status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
    SendMessageW(children.status, WM_SIZE, 0, MAKELPARAM(width, height));
    SendMessageW(children.toolbar, WM_SIZE, 0, MAKELPARAM(width, height));

    RECT toolbar, status, client;
    GetClientRect(children.toolbar, &toolbar);
    GetClientRect(children.status, &status);
    GetClientRect(window, &client);
    int top = toolbar.bottom + ScaleForDpi(2, ScreenDpi(window));
    MoveWindow(children.edit, 0, top, client.right, height - status.bottom - top, TRUE);
}

// The main window itself becomes editor->window.main only once CreateWindowEx returns.
LRESULT OnCreate(Editor* editor, HWND window, const CREATESTRUCTW* create)
{
    EditorWindow& children = editor->window;
    children.instance = create->hInstance;
    SetTimer(window, IDT_MAIN_TIMER, kTimerPeriod, nullptr);
    RegisterControlClasses(ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES);
    children.edit = CreateEditControl(window, children.instance, &editor->editFont);
    children.toolbar = CreateMainToolbar(window, children.instance, &editor->toolbarImages);
    children.status = CreateMainStatusBar(window, children.instance);
    SetWindowLongPtrW(children.edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(editor));
    editor->originalEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(children.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditSubclassProc)));
    SetStatusText(children, StatusPartMessage, L"Quillmere へようこそ！");
    SetStatusText(children, StatusPartPath, nullptr);
    UpdateEditCommandState(children, GetMenu(window));
    editor->findReplaceMessage = RegisterWindowMessageW(FINDMSGSTRINGW);
    RECT client;
    GetClientRect(window, &client);
    LayOutChildren(children, window, client.right, client.bottom);
    return 0;
}

// Closing and suspending both end here, so the window's resources go here.
LRESULT OnDestroy(Editor* editor, HWND window)
{
    KillTimer(window, IDT_MAIN_TIMER);
    ReleaseWindowResources(editor);
    PostQuitMessage(0);
    return 0;
}

LRESULT OnClose(Editor* editor, HWND window)
{
    if (PassSaveGate(editor)) DestroyWindow(window);
    return 0;
}

LRESULT OnQueryEndSession(Editor* editor)
{
    return PassSaveGate(editor) ? TRUE : FALSE;
}

LRESULT OnEndSession(Editor* editor, HWND window, bool ending)
{
    if (ending) {
        KillTimer(window, IDT_MAIN_TIMER);
        ReleaseWindowResources(editor);
    }
    return 0;
}

// Start-up checks that may end the program before its window is shown; false: end now.
bool PassStartupChecks(Editor* editor)
{
    HWND window = editor->window.main;
    EditorSettings& settings = editor->settings;
    if (!LocaleAllowsStart(IsWindowUnicode(window) != FALSE, GetACP())) {
        ShowMessage(window, L"Non-Japanese version of Windows environment cannot start.", kCaption, MB_ICONWARNING);
        return false;
    }
    settings = LoadEditorSettings();
    if (IsRunningUnderWow64() && settings.NoX64RunningWarning == 0) {
        int answer = ShowMessage(window,
            L"64 ビット (x64) 環境であることが検出されました。\n\n"
            L"Quillmere は Windows 98/Me/2000 および Windows XP/Vista の各 32 ビット (x86) 版を前提に設計されており、"
            L"x64 環境では動作しないか、動作しても使用できない機能がある可能性があります。\n\n"
            L"このまま Quillmere を起動してもよろしいですか？",
            kCaption, MB_YESNO | MB_ICONERROR | MB_DEFBUTTON2);
        if (answer == IDNO) return false;
    }
    if (OsVersionSupported() != 1) {
        ShowMessage(window, L"Windows 95/NT4 以前の環境では起動できません。", kCaption, MB_ICONWARNING);
        return false;
    }
    if (settings.TemplateFolderName[0] && !EnsureTemplateFolder(settings.TemplateFolderName))
        ShowMessage(window, L"雛形フォルダの作成に失敗しました。", kCaption, MB_ICONERROR);
    return true;
}

void GrayStartupCommands(const Editor& editor)
{
    const EditorWindow& window = editor.window;
    HMENU menu = GetMenu(window.main);
    EnableMenuCommand(menu, IDM_FILE_PRINT_PREVIEW, false);
    SetCommandEnabled(window, menu, IDM_FILE_PRINT, false);
    SetCommandEnabled(window, menu, IDM_TOOLS_RUN, false);
    if (!editor.settings.WMPSDKManualPath[0]) EnableMenuCommand(menu, IDM_HELP_SDK_MANUAL, false);
}

// A restored document keeps its own path and name; without one it is a new document.
void RestoreSuspendedDocument(Editor* editor)
{
    EditorDocument& document = editor->document;
    document.path[0] = L'\0';
    if (!ResumeDocument(editor->window, &document, editor->settings)) return;
    CopyToBuffer(document.path, MAX_PATH, editor->settings.FileNameFullPath);
    CopyToBuffer(document.title, MAX_PATH, editor->settings.FileName);
    ShowDocumentName(*editor);
    SetStatusText(editor->window, StatusPartMessage, L"書きかけ終了データを復元しました。");
    SetStatusText(editor->window, StatusPartPath, document.path);
}

void OpenStartupDocument(Editor* editor, const std::wstring& file)
{
    if (file.empty()) {
        if (editor->settings.SleepModeFlag == 1) RestoreSuspendedDocument(editor);
        return;
    }
    if (editor->settings.SleepModeFlag == 1) {
        int answer = ShowMessage(editor->window.main,
            L"前回、書きかけ終了していることが検出されました。ここでファイルを開くと書きかけ終了時のデータが読み込まれず、"
            L"開こうとしたファイルが読み込まれます。\nここでファイルを開いても書きかけ終了時のデータが消失することはありません。\n\n"
            L"ファイルを開きますか？",
            kCaption, MB_YESNO | MB_ICONWARNING);
        if (answer == IDNO) {
            RestoreSuspendedDocument(editor);
            return;
        }
    }
    // A failed open leaves the new document's empty path, so a later Save cannot overwrite that file.
    OpenFileAsDocument(editor, file);
}

// The named file as a full path of any length, taken before the template folder moves the
// current directory, so the file opened (and later saved) is the one the user named; one
// too long for the document is refused by name when it is opened.
std::wstring StartupFileOf(const wchar_t* commandLine)
{
    std::wstring argument;
    if (!FirstCommandLineArgument(commandLine, &argument)) return std::wstring();
    std::wstring full = FullPath(argument);
    return full.empty() ? argument : full;
}

// Libraries of older versions, deleted beside the program: never in whatever folder the
// editor was started from.
void DeleteObsoleteLibraries()
{
    std::wstring folder = OwnProgramFolder();
    if (folder.empty()) return;
    for (const wchar_t* name : {L"Brindle.dll", L"Merrowtext.dll"}) DeleteFileW((folder + name).c_str());
}

int RunMessageLoop(HWND main, HACCEL accelerators)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Keys for an active modeless dialog go to it, not to the main window's accelerators.
        HWND active = GetActiveWindow();
        if (active && active != main && IsDialogMessageW(active, &message)) continue;
        if (TranslateAcceleratorW(main, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

ATOM RegisterMainClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
    int smallIcon = GetSystemMetrics(SM_CXSMICON);
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, smallIcon, smallIcon, 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
}

HWND CreateEditControl(HWND parent, HINSTANCE instance, HFONT* font)
{
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
            ES_NOHIDESEL | ES_WANTRETURN,
        0, 0, 0, 0, parent, reinterpret_cast<HMENU>(IDC_MAIN_EDIT), instance, nullptr);
    if (!edit) return nullptr;
    *font = CreateFontW(FontCellHeight(kEditFontPoints, ScreenDpi(parent)), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, 0, L"ＭＳ ゴシック");
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(*font), TRUE);
    // The 9x edit control holds 64 KB at most; 0 lets the NT control use its largest limit.
    SendMessageW(edit, EM_LIMITTEXT, GetOsFamily() != 0 ? 65536 : 0, 0);
    return edit;
}

HWND CreateMainToolbar(HWND parent, HINSTANCE instance, HIMAGELIST* images)
{
    TBBUTTON buttons[kToolbarButtonCount] = {};
    for (int index = 0; index < kToolbarButtonCount; ++index) {
        bool separator = kToolbarButtons[index].image < 0;
        buttons[index].iBitmap = separator ? 0 : kToolbarButtons[index].image;
        buttons[index].idCommand = kToolbarButtons[index].command;
        buttons[index].fsState = TBSTATE_ENABLED;
        buttons[index].fsStyle = separator ? TBSTYLE_SEP : TBSTYLE_BUTTON;
    }
    HWND toolbar = CreateToolbarEx(parent, WS_CHILD | WS_VISIBLE, IDC_MAIN_TOOLBAR, 0, nullptr, 0, buttons,
                                   kToolbarButtonCount, 0, 0, 0, 0, sizeof(TBBUTTON));
    if (!toolbar) return nullptr;
    SetWindowLongPtrW(toolbar, GWL_STYLE, GetWindowLongPtrW(toolbar, GWL_STYLE) | TBSTYLE_FLAT);

    ToolbarArt art = ToolbarArtForThisSystem();
    if (art != ToolbarArtNone) {
        int size = ToolbarImageSize(ScreenDpi(parent));
        int bitmap = art == ToolbarArtClassic ? (size == 24 ? IDB_TOOLBAR_CLASSIC_24 : IDB_TOOLBAR_CLASSIC)
                                              : (size == 24 ? IDB_TOOLBAR_24 : IDB_TOOLBAR);
        *images = ImageList_LoadImageW(instance, MAKEINTRESOURCEW(bitmap), size, 9, CLR_DEFAULT, IMAGE_BITMAP,
                                       LR_CREATEDIBSECTION);
        SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(*images));
    }
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    AddToolbarTooltips(parent, toolbar, instance, kToolbarButtons, IDS_TOOLTIP_FIRST);
    return toolbar;
}

HWND CreateMainStatusBar(HWND parent, HINSTANCE instance)
{
    // 0x0010 is the size-grip bit of the scroll-bar styles, kept as the bar always had it.
    return CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | 0x0010, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(IDC_MAIN_STATUS), instance, nullptr);
}

LRESULT CALLBACK EditSubclassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    Editor* editor = EditorOf(edit);
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        // Read before the control moves the caret: key down shows the old line, key up the new.
        LRESULT line = CallWindowProcW(editor->originalEditProc, edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0);
        wchar_t text[32];
        swprintf(text, _countof(text), L"Line : %01d", static_cast<int>(line) + 1);
        SetStatusText(editor->window, StatusPartMessage, text);
        UpdateEditCommandState(editor->window, GetMenu(editor->window.main));
        break;
    }
    }
    return CallWindowProcW(editor->originalEditProc, edit, message, wParam, lParam);
}

// Messages before WM_NCCREATE, with no Editor yet, take the default path.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    Editor* editor = EditorOf(window);
    if (!editor) return DefWindowProcW(window, message, wParam, lParam);
    const EditorWindow& children = editor->window;
    // A registered message matches no case below: after its handler it takes the default path.
    if (editor->findReplaceMessage && message == editor->findReplaceMessage)
        HandleFindReplaceMessage(children, &editor->search, reinterpret_cast<const FINDREPLACEW*>(lParam));

    switch (message) {
    case WM_CREATE:
        return OnCreate(editor, window, reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_SIZE:
        LayOutChildren(children, window, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ACTIVATE:
        // Only on our own activation: taking the focus back as a dialog activates would
        // make the main window active again and leave no key for the dialog.
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(children.edit);
        return 0;
    case WM_COMMAND:
        DispatchCommand(editor, LOWORD(wParam));
        return 0;
    case WM_ENABLE:
        // A dialog that disabled the window has ended, maybe after it changed the document.
        if (wParam) UpdateEditCommandState(children, GetMenu(window));
        break;
    case WM_MENUSELECT:
        SetStatusText(children, StatusPartMessage, MenuHelpText(LOWORD(wParam)));
        return 0;
    case WM_EXITMENULOOP:
        SetStatusText(children, StatusPartMessage, L"レディ");
        return 0;
    case WM_TIMER:
        CheckPrintToolInBackground(children, editor->settings);
        return 0;
    case WM_APP_PRINT_TOOL_CHECKED:
        UpdatePrintCommandState(children, wParam != 0);
        return 0;
    case WM_DROPFILES:
        OpenDroppedFiles(editor, reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_CLOSE:
        return OnClose(editor, window);
    case WM_QUERYENDSESSION:
        return OnQueryEndSession(editor);
    case WM_ENDSESSION:
        return OnEndSession(editor, window, wParam != FALSE);
    case WM_DESTROY:
        return OnDestroy(editor, window);
    }
    UpdateFindCommandState(children);
    return DefWindowProcW(window, message, wParam, lParam);
}

int RunEditor(HINSTANCE instance, const wchar_t* commandLine, int showCommand)
{
    // A drive without media (a card reader, the print tool's path) fails quietly instead
    // of asking the user from deep inside a file call.
    SetErrorMode(SetErrorMode(SEM_FAILCRITICALERRORS) | SEM_FAILCRITICALERRORS);
    if (!RegisterMainClass(instance)) return 0;
    // Owned here, it outlives the window and the message loop.
    Editor editor;
    HWND window = CreateWindowExW(WS_EX_ACCEPTFILES, kClassName, DocumentWindowTitle(L"").c_str(), WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                  instance, &editor);
    if (!window) return 0;
    editor.window.main = window;

    std::wstring startupFile = StartupFileOf(commandLine);
    DeleteObsoleteLibraries();
    if (!PassStartupChecks(&editor)) return 0;

    GrayStartupCommands(editor);
    OpenStartupDocument(&editor, startupFile);

    ShowWindow(window, showCommand);
    UpdateWindow(window);
    editor.window.instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    HACCEL accelerators = LoadAcceleratorsW(editor.window.instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    return RunMessageLoop(window, accelerators);
}
