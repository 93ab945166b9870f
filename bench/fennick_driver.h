// Starting the real Fennick.exe beside a bench program, its clock and the packages of a folder,
// for the benches that drive it.
#pragma once
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

// Seconds on the performance counter.
inline double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline std::wstring BesideThisProgram(const wchar_t* name)
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

// The main window once it shows, which is after the first listing; nullptr when it never does.
inline HWND StartFennick(PROCESS_INFORMATION* process)
{
    std::wstring command = L"\"" + BesideThisProgram(L"Fennick.exe") + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, process))
        return nullptr;
    for (int tries = 0; tries < 6000; ++tries) {
        HWND window = FindWindowW(L"Fennick", L"Ferncastle");
        if (window && IsWindowVisible(window)) return window;
        Sleep(10);
    }
    return nullptr;
}

// The full paths of the folder's packages, in name order.
inline std::vector<std::wstring> PackagesIn(const std::wstring& folder)
{
    std::vector<std::wstring> paths;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*.wmz").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return paths;
    do paths.push_back(folder + L"\\" + found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(paths.begin(), paths.end());
    return paths;
}
