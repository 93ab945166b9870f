// A program's own path and folder, where the programs and help files shipped with it lie.
#include "program_folder.h"

#include <windows.h>

std::wstring FolderOfProgram(const std::wstring& programPath)
{
    size_t slash = programPath.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : programPath.substr(0, slash + 1);
}

std::wstring OwnProgramPath()
{
    wchar_t path[MAX_PATH] = L"";
    DWORD length = GetModuleFileNameW(nullptr, path, _countof(path));
    return length > 0 && length < _countof(path) ? std::wstring(path) : std::wstring();
}

std::wstring OwnProgramFolder()
{
    return FolderOfProgram(OwnProgramPath());
}
