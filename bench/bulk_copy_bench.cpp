// Times Fennick's bulk copy of one setup file, from the answer to its question to its
// result message, then a bare CopyFileW loop over the same packages (what Wine itself
// costs); prints both in seconds. Usage: bulk_copy_bench.exe Fennick.exe setup.qlmc
// source-folder target-folder
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The first message box of the process with this caption, within a minute.
HWND WaitBox(DWORD process, const wchar_t* caption)
{
    for (int i = 0; i < 12000; ++i) {
        for (HWND box = FindWindowW(L"#32770", caption); box; box = FindWindowExW(nullptr, box, L"#32770", caption)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(box, &owner);
            if (owner == process) return box;
        }
        Sleep(5);   // polling faster would load the wineserver the copy needs
    }
    return nullptr;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double CopyLoop(const std::wstring& source, const std::wstring& target)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((source + L"\\*.wmz").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            CopyFileW((source + L"\\" + found.cFileName).c_str(), (target + L"\\" + found.cFileName).c_str(), TRUE);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 5) return 1;
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\" \"" + argv[2] + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(argv[1], &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 1;
    HWND question = WaitBox(process.dwProcessId, L"Ferncastle");
    if (!question) return 1;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    PostMessageW(question, WM_COMMAND, IDYES, 0);
    HWND result = WaitBox(process.dwProcessId, GetACP() == 932 ? L"コピー完了" : L"Copy Complete");
    QueryPerformanceCounter(&end);
    if (!result) return 1;
    PostMessageW(result, WM_COMMAND, IDOK, 0);
    WaitForSingleObject(process.hProcess, 10000);
    std::printf("%.3f %.3f\n", Seconds(start, end), CopyLoop(argv[3], argv[4]));
    return 0;
}
