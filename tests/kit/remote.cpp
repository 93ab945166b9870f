// Reading controls whose messages need memory in the target: status bar, toolbar, menus.
#include "kit.h"
#include "probe.h"
#include <commctrl.h>
#include <psapi.h>

namespace kit {
namespace {

class TargetProcess {
public:
    explicit TargetProcess(DWORD pid)
        : h_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                             PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | SYNCHRONIZE,
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

HMODULE RemoteModule(const TargetProcess& p, const wchar_t* name)
{
    HMODULE mods[512];
    DWORD needed = 0;
    if (!EnumProcessModules(p.get(), mods, sizeof mods, &needed))
        return nullptr;
    for (DWORD i = 0; i < needed / sizeof(HMODULE) && i < _countof(mods); ++i) {
        wchar_t base[MAX_PATH] = {};
        if (GetModuleBaseNameW(p.get(), mods[i], base, MAX_PATH) && _wcsicmp(base, name) == 0)
            return mods[i];
    }
    return nullptr;
}

DWORD RunRemoteThread(const TargetProcess& p, void* proc, void* arg)
{
    HANDLE t = CreateRemoteThread(p.get(), nullptr, 0,
                                  reinterpret_cast<LPTHREAD_START_ROUTINE>(proc), arg, 0,
                                  nullptr);
    if (!t)
        throw Failure(L"CreateRemoteThread failed (error " + std::to_wstring(GetLastError()) +
                      L")");
    DWORD rc = WaitForSingleObject(t, 5000);
    DWORD code = 0;
    GetExitCodeThread(t, &code);
    CloseHandle(t);
    if (rc != WAIT_OBJECT_0)
        throw Failure(L"remote thread did not finish");
    return code;
}

// A function of a module loaded here, at the same offset in the module loaded there.
void* RemoteProc(HMODULE localModule, HMODULE remoteModule, const char* name)
{
    auto local = reinterpret_cast<char*>(GetProcAddress(localModule, name));
    if (!local)
        throw Failure(L"missing export");
    return reinterpret_cast<char*>(remoteModule) + (local - reinterpret_cast<char*>(localModule));
}

// Loaded here too, for the offsets of its exports.
HMODULE LocalProbe()
{
    static HMODULE probe = LoadLibraryW(ProgramPath(L"kit_probe.dll").c_str());
    if (!probe)
        throw Failure(L"cannot load " + ProgramPath(L"kit_probe.dll"));
    return probe;
}

// LoadLibraryW of a loaded DLL only counts up, so calling this for every read is cheap.
HMODULE LoadProbe(const TargetProcess& p)
{
    HMODULE remoteKernel = RemoteModule(p, L"kernel32.dll");
    if (!remoteKernel)
        throw Failure(L"no kernel32.dll in the target");
    std::wstring path = ProgramPath(L"kit_probe.dll");
    size_t bytes = (path.size() + 1) * sizeof(wchar_t);
    RemoteBlock name(p, bytes);
    name.Write(path.c_str(), bytes);
    RunRemoteThread(p, RemoteProc(GetModuleHandleW(L"kernel32.dll"), remoteKernel, "LoadLibraryW"),
                    name.addr());
    HMODULE remoteProbe = RemoteModule(p, L"kit_probe.dll");
    if (!remoteProbe)
        throw Failure(L"kit_probe.dll did not load in the target");
    return remoteProbe;
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

MenuItem Window::Menu(int commandId) const
{
    TargetProcess p(Pid());
    HMODULE probe = LoadProbe(p);
    ProbeMenuRequest req = {};
    req.window = hwnd_;
    req.commandId = static_cast<UINT>(commandId);
    RemoteBlock block(p, sizeof req);
    block.Write(&req, sizeof req);
    RunRemoteThread(p, RemoteProc(LocalProbe(), probe, "ProbeMenuItem"), block.addr());
    block.Read(&req, sizeof req);
    MenuItem item;
    item.exists = req.found != 0;
    item.enabled = item.exists && !(req.state & (MFS_GRAYED | MFS_DISABLED));
    item.checked = (req.state & MFS_CHECKED) != 0;
    req.label[_countof(req.label) - 1] = L'\0';
    item.label = req.label;
    return item;
}

}  // namespace kit
