// The log of one run, "PACKLOG.TXT" in the application-data folder, in UTF-8 with a BOM.
#include "pack_log.h"

#include "file_paths.h"

#include <windows.h>

namespace {

std::string Utf8(const std::wstring& text)
{
    int length = static_cast<int>(text.size());
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return std::string();
    std::string result(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, &result[0], bytes, nullptr, nullptr);
    return result;
}

std::string Padded(uint32_t number)
{
    std::string digits = std::to_string(number);
    return std::string(digits.size() < 10 ? 10 - digits.size() : 0, ' ') + digits;
}

const wchar_t* ResultText(PackResult result)
{
    switch (result) {
    case PackWritten: return L"package written";
    case PackBadArguments: return L"wrong arguments";
    case PackFolderMissing: return L"the skin folder does not exist";
    case PackNoSkinDefinition: return L"no .wms file at the top of the skin folder";
    case PackUnreadableFile: return L"a file cannot be read";
    case PackUnwritableOutput: return L"the output cannot be written";
    case PackTooLarge: return L"too large for a package (4 GB, 65,535 entries)";
    }
    return L"";
}

// "<application data>\Halvenor's Software\Quillmere\PACKLOG.TXT", its folders created.
bool LogPath(std::wstring* path)
{
    std::wstring folder;
    if (!VendorAppDataFolder(true, &folder)) return false;
    *path = JoinPath(folder, L"PACKLOG.TXT");
    return true;
}

}  // namespace

void LogLine(PackLog* log, const std::wstring& line)
{
    log->text += Utf8(line);
    log->text += "\r\n";
}

void LogEntries(PackLog* log, const std::vector<ZipEntry>& entries)
{
    for (const ZipEntry& entry : entries) {
        log->text += entry.method == ZipDeflated ? "deflated " : "stored   ";
        log->text += Padded(entry.size) + " -> " + Padded(entry.compressedSize) + "  " + entry.name + "\r\n";
    }
}

void LogResult(PackLog* log, PackResult result)
{
    LogLine(log, L"result: " + std::to_wstring(static_cast<int>(result)) + L" (" + ResultText(result) + L")");
}

void WritePackLog(const PackLog& log)
{
    std::wstring path;
    if (!LogPath(&path)) return;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::string text = "\xEF\xBB\xBF" + log.text;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}
