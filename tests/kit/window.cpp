// Operations on a window of another process: texts, buttons, commands, keys, dialogs.
#include "kit.h"
#include <algorithm>

namespace kit {
namespace {

constexpr UINT kSendTimeoutMs = 5000;

BOOL CALLBACK CollectButton(HWND hwnd, LPARAM lp)
{
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, _countof(cls));
    if (_wcsicmp(cls, L"Button") == 0 && IsWindowVisible(hwnd))
        reinterpret_cast<std::vector<int>*>(lp)->push_back(GetDlgCtrlID(hwnd));
    return TRUE;
}

void Need(const Window& w, const char* what)
{
    if (!w.Exists())
        throw Failure(L"window gone before " + std::wstring(what, what + strlen(what)));
}

}  // namespace

bool Window::Exists() const
{
    return hwnd_ && IsWindow(hwnd_);
}

DWORD Window::Pid() const
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd_, &pid);
    return pid;
}

std::wstring Window::ClassName() const
{
    wchar_t cls[256] = {};
    GetClassNameW(hwnd_, cls, _countof(cls));
    return cls;
}

std::wstring Window::Text() const
{
    Need(*this, "Text");
    LRESULT len = Send(WM_GETTEXTLENGTH);
    std::wstring text(static_cast<size_t>(len) + 1, L'\0');
    LRESULT got = Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::min<size_t>(static_cast<size_t>(got), wcslen(text.c_str())));
    return text;
}

void Window::SetText(const std::wstring& text) const
{
    Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int Window::Id() const { return GetDlgCtrlID(hwnd_); }
bool Window::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
bool Window::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

Window Window::Item(int id) const
{
    Need(*this, "Item");
    HWND item = GetDlgItem(hwnd_, id);
    if (!item)
        throw Failure(L"no control " + std::to_wstring(id) + L" in " + Describe());
    return Window(item);
}

bool Window::HasItem(int id) const
{
    return GetDlgItem(hwnd_, id) != nullptr;
}

std::vector<std::wstring> Window::ComboTexts() const
{
    std::vector<std::wstring> texts;
    for (LRESULT i = 0, count = Send(CB_GETCOUNT); i < count; ++i) {
        LRESULT len = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(i));
        if (len < 0) throw Failure(L"no item " + std::to_wstring(i) + L" in " + Describe());
        std::wstring text(static_cast<size_t>(len) + 1, L'\0');
        Send(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(wcslen(text.c_str()));
        texts.push_back(text);
    }
    return texts;
}

bool Window::Checked() const
{
    return Send(BM_GETCHECK) == BST_CHECKED;
}

void Window::SetChecked(bool checked) const
{
    if (Checked() == checked)
        return;
    Click();
    if (!WaitUntil([&] { return Checked() == checked; }))
        throw Failure(L"clicking " + Describe() + L" did not " +
                      (checked ? L"check" : L"uncheck") + L" it");
    // A radio button checks itself before it unchecks the others of its group: the click
    // is whole once they are unchecked, and only then does a later SetChecked read them true.
    if (!checked || (GetWindowLongW(hwnd_, GWL_STYLE) & BS_TYPEMASK) != BS_AUTORADIOBUTTON)
        return;
    HWND parent = GetParent(hwnd_);
    HWND other = hwnd_;
    for (int i = 0; i < 64 && (other = GetNextDlgGroupItem(parent, other, FALSE)) && other != hwnd_; ++i) {
        Window radio(other);
        if ((GetWindowLongW(other, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
            !WaitUntil([&] { return !radio.Checked(); }))
            throw Failure(L"checking " + Describe() + L" left " + radio.Describe() + L" checked");
    }
}

void Window::Click() const
{
    Post(BM_CLICK);
}

void Window::PostCommand(int id, int code) const
{
    Post(WM_COMMAND, MAKEWPARAM(id, code), 0);
}

void Window::SendCommand(int id, int code) const
{
    Send(WM_COMMAND, MAKEWPARAM(id, code), 0);
}

LRESULT Window::Send(UINT msg, WPARAM wp, LPARAM lp) const
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd_, msg, wp, lp, SMTO_NORMAL, kSendTimeoutMs, &result))
        throw Failure(L"message " + std::to_wstring(msg) + L" to " + Describe() +
                      L" did not return (a modal dialog may be open: post instead)");
    return static_cast<LRESULT>(result);
}

void Window::Post(UINT msg, WPARAM wp, LPARAM lp) const
{
    if (!PostMessageW(hwnd_, msg, wp, lp))
        throw Failure(L"cannot post " + std::to_wstring(msg) + L" to " + Describe());
}

void Window::Close() const
{
    Post(WM_CLOSE);
}

void Window::PostKey(UINT vk) const
{
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    Post(WM_KEYDOWN, vk, scan | 1);
    // The key down may already have closed the window (Esc or Enter in a menu): then the
    // key up has nothing left to reach.
    if (!PostMessageW(hwnd_, WM_KEYUP, vk, scan | 1 | 0xC0000000) && Exists())
        throw Failure(L"cannot post the key up to " + Describe());
}

void Window::Activate() const
{
    HWND root = GetAncestor(hwnd_, GA_ROOT);
    SetForegroundWindow(root);
    if (!WaitUntil([&] { return GetForegroundWindow() == root; }))
        throw Failure(L"cannot make " + Window(root).Describe() + L" the foreground window");
}

static GUITHREADINFO ThreadInfo(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

Window Window::ThreadActive() const { return Window(ThreadInfo(hwnd_).hwndActive); }
Window Window::ThreadFocus() const { return Window(ThreadInfo(hwnd_).hwndFocus); }

void Window::SendKeys(const std::vector<WORD>& chord) const
{
    Activate();
    std::vector<INPUT> inputs;
    for (WORD vk : chord) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        inputs.push_back(in);
    }
    for (auto it = chord.rbegin(); it != chord.rend(); ++it) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *it;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) !=
        inputs.size())
        throw Failure(L"SendInput failed");
}

std::wstring Window::Describe() const
{
    if (!Exists())
        return L"(no window)";
    wchar_t title[128] = {};
    // InternalGetWindowText asks nothing of the window, so a hung one can be described.
    InternalGetWindowText(hwnd_, title, _countof(title));
    return L"[" + ClassName() + L" \"" + title + L"\" id " + std::to_wstring(Id()) + L"]";
}

std::wstring Dialog::Message() const
{
    // A message box's text static; on other dialogs 0xFFFF (IDC_STATIC) is some label.
    HWND text = GetDlgItem(hwnd_, 0xFFFF);
    return text ? Window(text).Text() : std::wstring();
}

std::vector<int> Dialog::Buttons() const
{
    std::vector<int> ids;
    EnumChildWindows(hwnd_, CollectButton, reinterpret_cast<LPARAM>(&ids));
    return ids;
}

int Dialog::DefaultButton() const
{
    // Wine's message box marks its default button by style only; DM_GETDEFID stays IDOK.
    for (int id : Buttons()) {
        LONG style = GetWindowLongW(GetDlgItem(hwnd_, id), GWL_STYLE);
        if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return id;
    }
    LRESULT r = Send(DM_GETDEFID);
    return HIWORD(r) == DC_HASDEFID ? LOWORD(r) : 0;
}

void Dialog::Answer(int buttonId, Ms timeout) const
{
    Item(buttonId).Click();
    if (!WaitUntil([&] { return !Exists() || !Visible(); }, timeout))
        throw Failure(L"pressing " + std::to_wstring(buttonId) + L" did not close " +
                      Describe());
}

const char* IconName(Icon icon)
{
    switch (icon) {
    case Icon::None: return "none";
    case Icon::Error: return "error";
    case Icon::Warning: return "warning";
    case Icon::Question: return "question";
    case Icon::Information: return "information";
    }
    return "?";
}

}  // namespace kit

namespace kit {
namespace {

const int kFileNameBox = 1148;   // cmb13: the name box of the Explorer-style dialog
const int kOldFileNameBox = 1152;   // edt1: the name field of the older dialog
const int kFilterBox = 1136;     // cmb1

struct FindEdit {
    HWND found;
};

BOOL CALLBACK FindNameEdit(HWND hwnd, LPARAM lp)
{
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, _countof(cls));
    int id = GetDlgCtrlID(hwnd);
    if (_wcsicmp(cls, L"Edit") == 0 && (id == kFileNameBox || id == kOldFileNameBox)) {
        reinterpret_cast<FindEdit*>(lp)->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void ChooseInFileDialog(const Dialog& dialog, const std::wstring& fileName, int filterIndex)
{
    if (filterIndex > 0) {
        Window filter = dialog.Item(kFilterBox);
        if (filter.Send(CB_SETCURSEL, filterIndex - 1) != filterIndex - 1)
            throw Failure(L"no filter " + std::to_wstring(filterIndex) + L" in " + dialog.Describe());
        dialog.Send(WM_COMMAND, MAKEWPARAM(kFilterBox, CBN_SELENDOK), reinterpret_cast<LPARAM>(filter.hwnd()));
    }
    FindEdit edit = {nullptr};
    EnumChildWindows(dialog.hwnd(), FindNameEdit, reinterpret_cast<LPARAM>(&edit));
    if (!edit.found)
        throw Failure(L"no file name field in " + dialog.Describe());
    Window(edit.found).SetText(fileName);
    dialog.PostCommand(IDOK);
}

int FileDialogFilter(const Dialog& dialog)
{
    return static_cast<int>(dialog.Item(kFilterBox).Send(CB_GETCURSEL)) + 1;
}

}  // namespace kit
