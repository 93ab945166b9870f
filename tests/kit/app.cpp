// Starting a program, finding its top-level windows and waiting for them.
#include "kit.h"
#include <psapi.h>
#include <algorithm>
#include <set>

namespace kit {
namespace {

struct Collect {
    DWORD pid;
    std::vector<Window>* out;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp)
{
    auto* c = reinterpret_cast<Collect*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == c->pid && IsWindowVisible(hwnd))
        c->out->push_back(Window(hwnd));
    return TRUE;
}

bool Matches(const Window& w, const std::wstring& cls, const std::wstring& title)
{
    // A window listed a moment ago may be gone by now: it matches nothing.
    try {
        return (cls.empty() || w.ClassName() == cls) && (title.empty() || w.Text() == title);
    } catch (const Failure&) {
        if (w.Exists()) throw;
        return false;
    }
}

std::wstring ExitText(const App& app)
{
    DWORD code = 0;
    GetExitCodeProcess(app.Handle(), &code);
    return app.Name() + L" exited with code " + std::to_wstring(code);
}

// The unexpected box is answered with the button that refuses least: Cancel, No, OK.
void Dismiss(const Dialog& box)
{
    std::vector<int> buttons = box.Buttons();
    for (int id : {IDCANCEL, IDNO, IDOK}) {
        if (std::find(buttons.begin(), buttons.end(), id) != buttons.end()) {
            try {
                box.Answer(id, Ms(3000));
                return;
            } catch (const Failure&) {
            }
        }
    }
    box.Close();
}

std::wstring Wanted(const std::wstring& cls, const std::wstring& title)
{
    return L"window class \"" + cls + L"\" title \"" + title + L"\"";
}

}  // namespace

App::App(const std::wstring& exeName, const std::wstring& args, const std::wstring& workDir)
    : name_(exeName)
{
    std::wstring path = ProgramPath(exeName);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        throw Failure(L"no program " + path);
    std::wstring cmd = L"\"" + path + L"\"";
    if (!args.empty())
        cmd += L" " + args;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(path.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &si, &pi))
        throw Failure(L"cannot start " + cmd + L" (error " + std::to_wstring(GetLastError()) +
                      L")");
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    pid_ = pi.dwProcessId;
}

App::~App()
{
    Kill();
}

App::App(App&& other) noexcept
    : name_(std::move(other.name_)), process_(other.process_), pid_(other.pid_)
{
    other.process_ = nullptr;
}

App& App::operator=(App&& other) noexcept
{
    if (this != &other) {
        Kill();
        name_ = std::move(other.name_);
        process_ = other.process_;
        pid_ = other.pid_;
        other.process_ = nullptr;
    }
    return *this;
}

void App::Kill()
{
    if (!process_)
        return;
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

std::wstring App::ModulePath(const std::wstring& dllName) const
{
    HMODULE modules[512];
    DWORD bytes = 0;
    if (!EnumProcessModules(process_, modules, sizeof modules, &bytes))
        throw Failure(L"cannot list the modules of " + name_);
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
        wchar_t path[MAX_PATH] = {};
        if (!GetModuleFileNameExW(process_, modules[i], path, MAX_PATH))
            continue;
        const wchar_t* name = wcsrchr(path, L'\\');
        if (_wcsicmp(name ? name + 1 : path, dllName.c_str()) == 0)
            return path;
    }
    return L"";
}

bool App::Running() const
{
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::vector<Window> App::TopWindows() const
{
    std::vector<Window> out;
    Collect c{pid_, &out};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&c));
    return out;
}

Window App::Find(const std::wstring& cls, const std::wstring& title) const
{
    for (const Window& w : TopWindows())
        if (Matches(w, cls, title))
            return w;
    return Window();
}

Window App::WaitWindow(const std::wstring& cls, const std::wstring& title, Ms timeout) const
{
    std::set<HWND> before;
    for (const Window& w : TopWindows())
        before.insert(w.hwnd());
    Window found;
    Dialog stray;
    bool exited = false;
    WaitUntil(
        [&] {
            for (const Window& w : TopWindows()) {
                if (Matches(w, cls, title)) {
                    found = w;
                    return true;
                }
                if (!before.count(w.hwnd()) && w.ClassName() == L"#32770") {
                    stray = Dialog(w.hwnd());
                    return true;
                }
            }
            exited = !Running();
            return exited;
        },
        timeout);
    if (found)
        return found;
    if (stray) {
        std::wstring what = L"unexpected box \"" + stray.Caption() + L"\": \"" +
                            stray.Message() + L"\" from " + name_ + L" while waiting for " +
                            Wanted(cls, title);
        ShotAtFailure();
        Dismiss(stray);
        throw Failure(what);
    }
    if (exited)
        throw Failure(ExitText(*this) + L" while waiting for " + Wanted(cls, title));
    throw Failure(L"timed out waiting for " + Wanted(cls, title) + L" of " + name_);
}

Dialog App::WaitDialog(const std::wstring& caption, Ms timeout) const
{
    return Dialog(WaitWindow(L"#32770", caption, timeout).hwnd());
}

void App::WaitGone(const std::wstring& cls, const std::wstring& title, Ms timeout) const
{
    if (!WaitUntil([&] { return !Find(cls, title); }, timeout))
        throw Failure(Wanted(cls, title) + L" of " + name_ + L" did not go away");
}

DWORD App::WaitExit(Ms timeout) const
{
    if (WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        std::wstring open;
        for (const Window& w : TopWindows())
            open += L" " + w.Describe();
        throw Failure(name_ + L" did not exit; open windows:" + (open.empty() ? L" none" : open));
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

}  // namespace kit
