// Times a program from its start until its edit control holds the file named on its
// command line; prints the seconds. Usage: open_file_bench.exe program window-class file
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD process;
    const wchar_t* windowClass;
    HWND found;
};

BOOL CALLBACK FindTopWindow(HWND window, LPARAM data)
{
    Search* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = L"";
    GetClassNameW(window, name, _countof(name));
    if (owner != search->process || lstrcmpiW(name, search->windowClass) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

// The edit control, once the program's window is there.
HWND FindEdit(DWORD process, const wchar_t* windowClass)
{
    Search search = {process, windowClass, nullptr};
    EnumWindows(FindTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found ? FindWindowExW(search.found, nullptr, L"Edit", nullptr) : nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4) return 1;
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\" \"" + argv[3] + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return 1;
    // The control answers only after it took the whole text: one SetWindowText.
    for (int i = 0; i < 60000; ++i) {
        HWND edit = FindEdit(process.dwProcessId, argv[2]);
        if (edit && SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0) > 0) break;
        Sleep(2);
    }
    QueryPerformanceCounter(&end);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    std::printf("%.3f\n", static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
    return 0;
}
