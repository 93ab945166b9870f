// One run of Zipwright: a skin folder into a package, logged.
#include "pack_skin.h"

#include "file_paths.h"
#include "zip_archive.h"
#include "zip_paths.h"
#include "zip_pipeline.h"
#include "zip_scan.h"

#include <windows.h>

namespace {

// The path as the user would write it, without the \\?\ prefix.
std::wstring DisplayPath(const std::wstring& path)
{
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\\\" + path.substr(8);
    if (path.compare(0, 4, L"\\\\?\\") == 0) return path.substr(4);
    return path;
}

PackResult WritePackage(const std::wstring& output, const std::vector<SourceFile>& files, PackLog* log,
                        std::wstring* failedPath)
{
    Archive archive;
    PackResult result = OpenArchive(output, &archive);
    if (result != PackWritten) {
        *failedPath = output;
        return result;
    }
    try {
        result = PackFiles(&archive, files, failedPath);
        LogEntries(log, archive.entries);
        if (result == PackWritten) result = FinishArchive(&archive);
        if (result == PackWritten)
            LogLine(log, std::to_wstring(archive.entries.size()) + L" entries, " + std::to_wstring(archive.end) +
                             L" bytes");
    } catch (...) {
        // No memory left for the entry list or the central directory.
        result = PackUnwritableOutput;
    }
    if (result != PackWritten) {
        if (failedPath->empty()) *failedPath = output;
        AbandonArchive(&archive);
    }
    return result;
}

}  // namespace

PackResult PackSkinFolder(const std::wstring& folder, const std::wstring& output, PackLog* log)
{
    LogLine(log, L"folder: " + folder);
    LogLine(log, L"output: " + output);
    std::wstring root, package, failedPath;
    if (!ResolvePath(folder.c_str(), &root) || !IsFolder(root)) return PackFolderMissing;
    if (!ResolveOutputPath(output.c_str(), &package)) return PackUnwritableOutput;
    std::vector<SourceFile> files;
    PackResult result = ListSkinFolder(root, package, &files, &failedPath);
    if (result == PackWritten && !HasSkinDefinition(files)) result = PackNoSkinDefinition;
    if (result == PackWritten) result = WritePackage(package, files, log, &failedPath);
    if (!failedPath.empty()) LogLine(log, L"at: " + DisplayPath(failedPath));
    return result;
}
