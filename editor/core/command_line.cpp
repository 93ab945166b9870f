// The file named on the editor's command line.
#include "command_line.h"

#include <windows.h>
#include <shellapi.h>

bool FirstCommandLineArgument(const wchar_t* rawCommandLine, std::wstring* argument)
{
    argument->clear();
    if (!rawCommandLine) return false;
    // A stand-in program name, so the line parses as arguments whatever it starts with.
    std::wstring line = L"Quillpad.exe ";
    line += rawCommandLine;
    int count = 0;
    wchar_t** args = CommandLineToArgvW(line.c_str(), &count);
    if (!args) return false;
    if (count >= 2) argument->assign(args[1]);
    LocalFree(args);
    return !argument->empty();
}
