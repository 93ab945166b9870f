// kit_packager.exe: a stand-in for an outside program that a test starts through the
// product. Beside itself it records its command line (UTF-8) in "packager-command.txt",
// waits while "packager-hold" exists, and exits with the number in "packager-exit.txt".
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::wstring Beside(const wchar_t* name)
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const wchar_t* line = GetCommandLineW();
    char utf8[4096] = {};
    int length = WideCharToMultiByte(CP_UTF8, 0, line, -1, utf8, sizeof utf8, nullptr, nullptr);
    // Written aside and renamed, so a test that sees the record sees all of it.
    const std::wstring partial = Beside(L"packager-command.tmp");
    if (FILE* record = _wfopen(partial.c_str(), L"wb")) {
        fwrite(utf8, 1, length > 0 ? length - 1 : 0, record);
        fclose(record);
        MoveFileExW(partial.c_str(), Beside(L"packager-command.txt").c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    for (int i = 0; i < 1500 && GetFileAttributesW(Beside(L"packager-hold").c_str()) != INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(20);
    int code = 0;
    if (FILE* exit = _wfopen(Beside(L"packager-exit.txt").c_str(), L"rb")) {
        if (fscanf(exit, "%d", &code) != 1) code = 0;
        fclose(exit);
    }
    return code;
}
