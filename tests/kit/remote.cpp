// Reading controls whose messages need memory in the target: status bar, toolbar, list view, menus.
#include "kit.h"
#include "probe.h"
#include <commctrl.h>

namespace kit {
namespace {

class TargetProcess {
public:
    explicit TargetProcess(DWORD pid)
        : h_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                             PROCESS_QUERY_INFORMATION | SYNCHRONIZE,
                         FALSE, pid))
    {
        if (!h_)
            throw Failure(L"cannot open process " + std::to_wstring(pid));
    }
    ~TargetProcess() { CloseHandle(h_); }
    TargetProcess(const TargetProcess&) = delete;
    TargetProcess& operator=(const TargetProcess&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

// A block of memory inside the target, freed when it goes out of scope.
class RemoteBlock {
public:
    RemoteBlock(const TargetProcess& p, size_t size) : p_(p), size_(size)
    {
        addr_ = VirtualAllocEx(p_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE,
                               PAGE_READWRITE);
        if (!addr_)
            throw Failure(L"VirtualAllocEx failed");
    }
    ~RemoteBlock() { VirtualFreeEx(p_.get(), addr_, 0, MEM_RELEASE); }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;
    void* addr() const { return addr_; }
    void Write(const void* data, size_t size) const
    {
        SIZE_T done = 0;
        if (size > size_ || !WriteProcessMemory(p_.get(), addr_, data, size, &done))
            throw Failure(L"WriteProcessMemory failed");
    }
    void Read(void* data, size_t size) const
    {
        SIZE_T done = 0;
        if (size > size_ || !ReadProcessMemory(p_.get(), addr_, data, size, &done))
            throw Failure(L"ReadProcessMemory failed");
    }

private:
    const TargetProcess& p_;
    size_t size_;
    void* addr_;
};

// Loaded here too: the hook is set from this copy and Wine loads the same file there.
HMODULE LocalProbe()
{
    static HMODULE probe = LoadLibraryW(ProgramPath(L"kit_probe.dll").c_str());
    if (!probe)
        throw Failure(L"cannot load " + ProgramPath(L"kit_probe.dll"));
    return probe;
}

// Runs the request in the probe inside the window's program. It runs in a hook on the
// program's own thread: a thread created in the program from outside can interrupt it
// while it holds a lock and hang it for good.
ProbeRequest ServeInProgram(const Window& window, const ProbeRequest& request)
{
    static HANDLE shared = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              sizeof(ProbeRequest), PROBE_SHARED_BLOCK_NAME);
    static const UINT probeMessage = RegisterWindowMessageW(PROBE_MESSAGE_NAME);
    if (!shared)
        throw Failure(L"cannot create the probe's shared block");
    auto* req = static_cast<ProbeRequest*>(
        MapViewOfFile(shared, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProbeRequest)));
    if (!req)
        throw Failure(L"cannot map the probe's shared block");
    *req = request;
    req->window = window.hwnd();
    req->served = 0;

    auto proc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(LocalProbe(), "ProbeCallWndProc")));
    DWORD thread = GetWindowThreadProcessId(window.hwnd(), nullptr);
    HHOOK hook = proc && thread ? SetWindowsHookExW(WH_CALLWNDPROC, proc, LocalProbe(), thread) : nullptr;
    if (!hook) {
        UnmapViewOfFile(req);
        throw Failure(L"cannot hook " + window.Describe());
    }
    DWORD_PTR ignored = 0;
    bool answered = SendMessageTimeoutW(window.hwnd(), probeMessage, 0, 0, SMTO_NORMAL, 5000, &ignored) != 0;
    UnhookWindowsHookEx(hook);

    ProbeRequest result = *req;
    UnmapViewOfFile(req);
    if (!answered || !result.served)
        throw Failure(L"the probe did not answer for " + window.Describe());
    return result;
}

}  // namespace

std::wstring Window::StatusText(int part) const
{
    LRESULT len = Send(SB_GETTEXTLENGTHW, part);
    size_t chars = LOWORD(len) + 1;
    TargetProcess p(Pid());
    RemoteBlock buf(p, chars * sizeof(wchar_t));
    Send(SB_GETTEXTW, part, reinterpret_cast<LPARAM>(buf.addr()));
    std::wstring text(chars, L'\0');
    buf.Read(text.data(), chars * sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), chars));
    return text;
}

bool Window::ToolbarHasButton(int commandId) const
{
    return Send(TB_COMMANDTOINDEX, commandId) >= 0;
}

bool Window::ToolbarButtonEnabled(int commandId) const
{
    if (!ToolbarHasButton(commandId))
        throw Failure(L"no toolbar button " + std::to_wstring(commandId) + L" in " + Describe());
    return Send(TB_ISBUTTONENABLED, commandId) != 0;
}

bool Window::ToolbarButtonChecked(int commandId) const
{
    if (!ToolbarHasButton(commandId))
        throw Failure(L"no toolbar button " + std::to_wstring(commandId) + L" in " + Describe());
    return Send(TB_ISBUTTONCHECKED, commandId) != 0;
}


std::wstring Window::ListItemText(int index, int column) const
{
    const int chars = 520;
    TargetProcess p(Pid());
    RemoteBlock block(p, sizeof(LVITEMW) + chars * sizeof(wchar_t));
    LVITEMW item = {};
    item.iSubItem = column;
    item.cchTextMax = chars;
    item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(block.addr()) + sizeof(LVITEMW));
    block.Write(&item, sizeof(item));
    Send(LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(block.addr()));
    std::vector<wchar_t> bytes(sizeof(LVITEMW) / sizeof(wchar_t) + chars);
    block.Read(bytes.data(), sizeof(LVITEMW) + chars * sizeof(wchar_t));
    const wchar_t* text = bytes.data() + sizeof(LVITEMW) / sizeof(wchar_t);
    return std::wstring(text, wcsnlen(text, chars));
}

std::vector<std::wstring> Window::ListColumn(int column) const
{
    std::vector<std::wstring> texts;
    int count = static_cast<int>(Send(LVM_GETITEMCOUNT));
    for (int index = 0; index < count; ++index) texts.push_back(ListItemText(index, column));
    return texts;
}

int Window::ListItemImage(int index) const
{
    TargetProcess p(Pid());
    RemoteBlock block(p, sizeof(LVITEMW));
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = index;
    block.Write(&item, sizeof(item));
    if (!Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(block.addr())))
        throw Failure(L"no list item " + std::to_wstring(index) + L" in " + Describe());
    block.Read(&item, sizeof(item));
    return item.iImage;
}

void Window::SelectListItems(const std::vector<int>& indexes) const
{
    TargetProcess p(Pid());
    RemoteBlock block(p, sizeof(LVITEMW));
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED;
    block.Write(&item, sizeof(item));
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(block.addr()));
    item.state = LVIS_SELECTED;
    block.Write(&item, sizeof(item));
    for (int index : indexes) Send(LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(block.addr()));
    if (!indexes.empty()) Send(LVM_SETSELECTIONMARK, 0, indexes.front());
}

void Window::DoubleClickListItem(int index) const
{
    TargetProcess p(Pid());
    RemoteBlock block(p, sizeof(RECT));
    RECT rect = {LVIR_LABEL, 0, 0, 0};
    block.Write(&rect, sizeof(rect));
    if (!Send(LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(block.addr())))
        throw Failure(L"no list item " + std::to_wstring(index) + L" in " + Describe());
    block.Read(&rect, sizeof(rect));
    LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    Post(WM_LBUTTONDOWN, MK_LBUTTON, at);
    Post(WM_LBUTTONUP, 0, at);
    Post(WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    Post(WM_LBUTTONUP, 0, at);
}

// Wine keeps menus per process, so the probe inside the program reads them.
MenuItem Window::Menu(int commandId) const
{
    ProbeRequest request = {};
    request.kind = ProbeReadMenu;
    request.commandId = static_cast<UINT>(commandId);
    ProbeRequest result = ServeInProgram(*this, request);
    MenuItem item;
    item.exists = result.found != 0;
    item.enabled = item.exists && !(result.state & (MFS_GRAYED | MFS_DISABLED));
    item.checked = (result.state & MFS_CHECKED) != 0;
    result.label[_countof(result.label) - 1] = L'\0';
    item.label = result.label;
    return item;
}

void Window::DropFiles(const std::vector<std::wstring>& paths) const
{
    ProbeRequest request = {};
    request.kind = ProbeDropFiles;
    size_t at = 0;
    for (const std::wstring& path : paths) {
        if (at + path.size() + 2 > _countof(request.paths))
            throw Failure(L"too many paths to drop");
        path.copy(request.paths + at, path.size());
        at += path.size() + 1;
    }
    ServeInProgram(*this, request);
}

}  // namespace kit
