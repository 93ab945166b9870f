// Opening a file or program the way Explorer would, through its file type.
#include "shell_open.h"

#include <shellapi.h>

bool ShellOpen(HWND owner, const wchar_t* file, const wchar_t* parameters, const wchar_t* directory)
{
    HINSTANCE result = ShellExecuteW(owner, L"open", file, parameters, directory, SW_SHOWDEFAULT);
    return reinterpret_cast<INT_PTR>(result) > 32;
}
