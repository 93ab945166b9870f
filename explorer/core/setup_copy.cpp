// The bulk copy's plan and loop: where the packages go, and one setup file's packages copied.
#include "setup_copy.h"

#include "file_paths.h"
#include "setup_file.h"

#include <windows.h>

namespace {

enum CopyOutcome { CopySucceeded, CopyFailed, CopySkipped };

bool FileFound(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

CopyOutcome Overwrite(const std::wstring& source, const std::wstring& target)
{
    return CopyFileW(source.c_str(), target.c_str(), FALSE) ? CopySucceeded : CopyFailed;
}

CopyOutcome Answered(OverwriteAnswer answer, OverwriteMode* mode, const std::wstring& source,
                     const std::wstring& target)
{
    switch (answer) {
    case AnswerYesToAll: *mode = OverwriteAll; return Overwrite(source, target);
    case AnswerYes:      return Overwrite(source, target);
    case AnswerNoToAll:  *mode = OverwriteNone; return CopyFailed;
    default:             return CopySkipped;
    }
}

CopyOutcome CopyEntry(const std::wstring& entry, const std::wstring& setupFolder, const std::wstring& destination,
                      OverwriteMode* mode, const OverwriteQuestion& ask)
{
    if (!ResolvesInside(setupFolder, entry) || !ResolvesInside(destination, entry)) return CopyFailed;
    std::wstring source = JoinPath(setupFolder, entry);
    std::wstring target = JoinPath(destination, entry);
    if (CopyFileW(source.c_str(), target.c_str(), TRUE)) return CopySucceeded;
    // Looked for only now: one search per package would double the cost of a large copy.
    if (!FileFound(source)) return CopyFailed;
    switch (*mode) {
    case OverwriteAll:  return Overwrite(source, target);
    case OverwriteNone: return CopyFailed;
    default:            return Answered(ask(entry), mode, source, target);
    }
}

}  // namespace

std::wstring BulkCopyDestination(const std::wstring& currentDirectory, const std::wstring& skinsRoot)
{
    std::wstring root = WithoutTrailingSeparators(skinsRoot);
    std::wstring current = WithoutTrailingSeparators(currentDirectory);
    // Without the skins folder nothing confines the copy.
    if (root.empty()) return std::wstring();
    bool inside = current.size() >= root.size() && SameName(current.substr(0, root.size()), root) &&
                  (current.size() == root.size() || IsPathSeparator(current[root.size()]));
    return inside ? current : root;
}

SetupCopyResult CopySetupPackages(const std::wstring& setupPath, const std::wstring& destination,
                                  const OverwriteQuestion& ask)
{
    SetupCopyResult result;
    std::wstring full = FullPath(setupPath);
    std::vector<std::wstring> entries = ReadSetupEntries(full, &result.tooLarge);
    if (result.tooLarge) return result;
    result.entries = static_cast<int>(entries.size());
    std::wstring folder = ParentFolder(full);
    OverwriteMode mode = OverwriteAsk;
    for (const std::wstring& entry : entries) {
        switch (CopyEntry(entry, folder, destination, &mode, ask)) {
        case CopySucceeded: ++result.succeeded; break;
        case CopyFailed:    ++result.failed; break;
        case CopySkipped:   break;
        }
    }
    return result;
}
