// UI tests at the screen's DPI (ctest runs them at 96 and at 144): the programs get version 6
// of the common controls, their fonts, pictures and sizes grow with the DPI, and every
// dialog's texts fit their controls.
#include "kit.h"
#include "editor/resource.h"
#include "setupmaker/resource.h"
// Fennick numbers these of its resources as it does, differently from the editor and Setwright.
#undef IDB_TOOLBAR
#undef IDB_TOOLBAR_24
#undef IDR_ACCELERATORS
#undef IDD_ABOUT_EN
#include "explorer/resource.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

const wchar_t* const kPrograms[] = {L"Quillpad.exe", L"Fennick.exe", L"Setwright.exe", L"Migrato.exe"};
// Under winsxs, after the flavour's processor name (x86_ or amd64_).
const wchar_t kCommonControls6[] = L"_microsoft.windows.common-controls_6595b64144ccf1df_6.0.";

// The editor's and Fennick's children share their ids.
enum {
    kEdit = IDC_MAIN_EDIT, kList = IDC_SKIN_LIST, kToolbar = IDC_MAIN_TOOLBAR, kSetwrightDialog = IDD_SETUP_MAKER_JP,
};

int Scaled(int pixelsAt96) { return MulDiv(pixelsAt96, kit::ScreenDpi(), 96); }
// The toolbars' pictures: the 16-pixel strips, and from 144 DPI on the 24-pixel ones.
int PictureSize() { return kit::ScreenDpi() >= 144 ? 24 : 16; }

bool UsesCommonControls6(const kit::App& app)
{
    std::wstring path = app.ModulePath(L"comctl32.dll");
    CharLowerBuffW(path.data(), static_cast<DWORD>(path.size()));
    return path.find(L"\\winsxs\\") != std::wstring::npos && path.find(kCommonControls6) != std::wstring::npos;
}

// The side of a toolbar's pictures: its buttons less their padding.
void ExpectToolbarPictures(const kit::Window& toolbar)
{
    LRESULT button = toolbar.Send(TB_GETBUTTONSIZE), padding = toolbar.Send(TB_GETPADDING);
    EXPECT_EQ(PictureSize(), LOWORD(button) - LOWORD(padding));
    EXPECT_EQ(PictureSize(), HIWORD(button) - HIWORD(padding));
}

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

BOOL CALLBACK CollectDialogId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids)
{
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<WORD>*>(ids)->push_back(LOWORD(name));
    return TRUE;
}

// A program's dialogs made in this process at this DPI, under the program's own manifest so
// that they get the controls the program gets.
class ProgramDialogs {
public:
    explicit ProgramDialogs(const std::wstring& exe) : path_(kit::ProgramPath(exe))
    {
        ACTCTXW request = {};
        request.cbSize = sizeof(request);
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = path_.c_str();
        request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
        context_ = CreateActCtxW(&request);
        if (context_ == INVALID_HANDLE_VALUE || !ActivateActCtx(context_, &cookie_))
            throw kit::Failure(L"no manifest in " + path_);
        INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        module_ = LoadLibraryExW(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (!module_) throw kit::Failure(L"cannot read " + path_);
    }
    ~ProgramDialogs()
    {
        if (module_) FreeLibrary(module_);
        DeactivateActCtx(0, cookie_);
        ReleaseActCtx(context_);
    }
    std::vector<WORD> Ids() const
    {
        std::vector<WORD> ids;
        EnumResourceNamesW(module_, RT_DIALOG, CollectDialogId, reinterpret_cast<LONG_PTR>(&ids));
        return ids;
    }
    // Hidden, with a procedure that does nothing; the caller destroys it.
    HWND Make(WORD id) const
    {
        HWND dialog = CreateDialogParamW(module_, MAKEINTRESOURCEW(id), nullptr, InertDialogProc, 0);
        if (!dialog) throw kit::Failure(path_ + L": dialog " + std::to_wstring(id) + L" cannot be made");
        return dialog;
    }

private:
    std::wstring path_;
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
    HMODULE module_ = nullptr;
};

// The width a list view of Fennick's gives a column to show the header text whole.
int HeaderWidth(const wchar_t* text)
{
    ProgramDialogs controls(L"Fennick.exe");
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(text);
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    // A last column would be stretched to the list's width instead.
    SendMessageW(list, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
    int width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0));
    DestroyWindow(list);
    return width;
}

// How a label, button or group box draws its text, and the width its frame or box takes
// beside it; false for controls whose text is not drawn from their window text.
bool TextLayout(HWND control, UINT* format, int* reserved)
{
    wchar_t name[32] = {};
    GetClassNameW(control, name, _countof(name));
    LONG style = GetWindowLongW(control, GWL_STYLE);
    *format = DT_EXPANDTABS;
    if (std::wstring(name) == L"Static") {
        LONG type = style & SS_TYPEMASK;
        *format |= (type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK) | (style & SS_NOPREFIX ? DT_NOPREFIX : 0);
        *reserved = 0;
        return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP;
    }
    if (std::wstring(name) != L"Button") return false;
    LONG type = style & BS_TYPEMASK;
    *format |= style & BS_MULTILINE ? DT_WORDBREAK : DT_SINGLELINE;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) *reserved = 2 * GetSystemMetrics(SM_CXEDGE) + 2;
    else if (type == BS_GROUPBOX) *reserved = Scaled(16);
    else if (type <= BS_AUTO3STATE || type == BS_AUTORADIOBUTTON) *reserved = GetSystemMetrics(SM_CXMENUCHECK) + Scaled(4);
    else return false;
    return true;
}

// Empty when the control's text fits it; otherwise what it needs against what it has.
std::wstring Clipping(HWND control)
{
    wchar_t text[512] = {};
    UINT format = 0;
    int reserved = 0;
    if (!GetWindowTextW(control, text, _countof(text)) || !TextLayout(control, &format, &reserved)) return L"";
    RECT client, needs;
    GetClientRect(control, &client);
    needs = {0, 0, client.right - reserved, 0};
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text, -1, &needs, format | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    // A group box's title is one line at its top, whatever the box's height.
    bool tall = (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX || needs.bottom <= client.bottom;
    if (needs.right + reserved <= client.right && tall) return L"";
    return L"\"" + std::wstring(text) + L"\" needs " + std::to_wstring(needs.right + reserved) + L"x" +
           std::to_wstring(needs.bottom) + L", has " + std::to_wstring(client.right) + L"x" +
           std::to_wstring(client.bottom);
}

// Japanese dialogs are shown under code page 932 and ask for MS UI Gothic; the English
// ones are checked in the English run, with the fonts an English system gives them.
bool InThisRunsLanguage(HWND dialog)
{
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    return (std::wstring(font.lfFaceName) == L"MS UI Gothic") == (GetACP() == 932);
}

void ExpectEveryDialogTextFits()
{
    for (const wchar_t* exe : kPrograms) {
        ProgramDialogs dialogs(exe);
        for (WORD id : dialogs.Ids()) {
            HWND dialog = dialogs.Make(id);
            for (HWND child = GetWindow(dialog, GW_CHILD); child && InThisRunsLanguage(dialog);
                 child = GetWindow(child, GW_HWNDNEXT)) {
                std::wstring clipped = Clipping(child);
                EXPECT_TRUE(clipped.empty()) << kit::Utf8(exe) << " dialog " << id << " control "
                                             << GetDlgCtrlID(child) << ": " << kit::Utf8(clipped);
            }
            DestroyWindow(dialog);
        }
    }
}

class ScreenDpiTest : public kit::UiTest {};

TEST_F(ScreenDpiTest, ProgramsRunWithVersion6OfTheCommonControls)
{
    for (const wchar_t* exe : kPrograms) {
        kit::App app(exe);
        kit::Window main = app.WaitWindow(L"");
        EXPECT_TRUE(UsesCommonControls6(app)) << kit::Utf8(exe);
        // Version 6 takes the 44-byte tool descriptions too: every button has its tip.
        int tips = std::wstring(exe) == L"Quillpad.exe" ? 11 : std::wstring(exe) == L"Fennick.exe" ? 6 : 0;
        if (tips) {
            kit::Window tooltips(reinterpret_cast<HWND>(main.Item(kToolbar).Send(TB_GETTOOLTIPS)));
            EXPECT_EQ(tips, tooltips.Send(TTM_GETTOOLCOUNT)) << kit::Utf8(exe);
        }
    }
    // A program without the manifest gets the old controls: the test tells them apart.
    kit::App plain(L"kit_target.exe");
    plain.WaitWindow(L"");
    EXPECT_FALSE(UsesCommonControls6(plain));
}

// Each flavour's programs have the bitness of the tests built with them: the x64 ones run
// natively on 64-bit Windows, never under WOW64.
TEST_F(ScreenDpiTest, ProgramsRunWithTheBitnessOfTheirFlavour)
{
    SYSTEM_INFO native = {};
    GetNativeSystemInfo(&native);
    bool windows64 = native.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
    for (const wchar_t* exe : kPrograms) {
        kit::App app(exe);
        app.WaitWindow(L"");
        BOOL wow64 = FALSE;
        ASSERT_TRUE(IsWow64Process(app.Handle(), &wow64));
        EXPECT_EQ(windows64 && sizeof(void*) == 4, wow64 != FALSE) << kit::Utf8(exe);
    }
}

TEST_F(ScreenDpiTest, EditorFontAndPicturesGrowWithTheDpi)
{
    kit::App app(L"Quillpad.exe");
    kit::Window main = app.WaitWindow(L"Quillpad");
    kit::Window edit = main.Item(kEdit);
    edit.SetText(L"a\r\nb");
    int lineHeight = HIWORD(edit.Send(EM_POSFROMCHAR, 3)) - HIWORD(edit.Send(EM_POSFROMCHAR, 0));
    // 16 pixels at 96 DPI; the font's rounding may take one off.
    EXPECT_NEAR(Scaled(16), lineHeight, 1) << "the document font's cell height";
    ExpectToolbarPictures(main.Item(kToolbar));
}

TEST_F(ScreenDpiTest, FennickColumnsPicturesAndMinimumSizeGrowWithTheDpi)
{
    kit::App app(L"Fennick.exe");
    kit::Window main = app.WaitWindow(L"Fennick", L"Ferncastle");
    kit::Window list = main.Item(kList);
    const int widthsAt96[] = {300, 100, 150};
    const wchar_t* const headers[] = {L"ファイル名", L"サイズ (バイト)", L"更新日時"};
    for (int column = 0; column < 3; ++column) {
        LRESULT width = list.Send(LVM_GETCOLUMNWIDTH, column);
        EXPECT_LE(Scaled(widthsAt96[column]), width) << "column " << column;
        EXPECT_LE(HeaderWidth(headers[column]), width) << "column " << column << " cuts its header";
    }
    ExpectToolbarPictures(main.Item(kToolbar));
    // A row of the details view is as high as the small icons at least.
    EXPECT_LE(Scaled(16), HIWORD(list.Send(LVM_GETITEMSPACING, TRUE)));
    SetWindowPos(main.hwnd(), nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    auto shrunk = [&] {
        RECT rect = {};
        GetWindowRect(main.hwnd(), &rect);
        return rect;
    };
    EXPECT_SOON_EQ(Scaled(640), shrunk().right - shrunk().left) << "minimum width";
    EXPECT_SOON_EQ(Scaled(400), shrunk().bottom - shrunk().top) << "minimum height";
}

// Setwright's window is its dialog template laid out at the screen's DPI, as this process lays it out.
TEST_F(ScreenDpiTest, SetwrightDialogIsItsTemplateAtThisDpi)
{
    kit::App app(L"Setwright.exe");
    kit::Dialog dialog = app.WaitDialog(L"QLMC ファイル作成ツール");
    ProgramDialogs dialogs(L"Setwright.exe");
    HWND made = dialogs.Make(kSetwrightDialog);
    RECT shown, expected;
    GetClientRect(dialog.hwnd(), &shown);
    GetClientRect(made, &expected);
    DestroyWindow(made);
    EXPECT_EQ(expected.right, shown.right);
    EXPECT_EQ(expected.bottom, shown.bottom);
}

TEST_F(ScreenDpiTest, EveryDialogTextFitsItsControl)
{
    ExpectEveryDialogTextFits();
}

class EnglishScreenDpiTest : public kit::UiTest {};

TEST_F(EnglishScreenDpiTest, EveryDialogTextFitsItsControl)
{
    ExpectEveryDialogTextFits();
}

}  // namespace
