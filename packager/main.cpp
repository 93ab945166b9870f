// Zipwright's entry point: "Zipwright.exe <skin folder> <output.wmz>", no window; the exit
// code tells the editor how it went.
#include "pack_log.h"
#include "pack_result.h"
#include "pack_skin.h"
#include "zip_paths.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    PackLog log;
    PackResult result = PackBadArguments;
    // Only memory can run out outside the package writing, which cleans up after itself.
    try {
        std::vector<std::wstring> arguments = SplitArguments(GetCommandLineW());
        if (arguments.size() == 2 && !arguments[0].empty() && !arguments[1].empty()) {
            result = PackUnwritableOutput;
            result = PackSkinFolder(arguments[0], arguments[1], &log);
        } else {
            LogLine(&log, L"usage: Zipwright.exe \"skin folder\" \"output.wmz\"");
        }
    } catch (...) {
    }
    try {
        LogResult(&log, result);
        WritePackLog(log);
    } catch (...) {
    }
    return result;
}
