// Listing a skin folder: every file below it, in package order, with its header fields.
#include "zip_scan.h"

#include "file_paths.h"
#include "zip_paths.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace {

struct Folder {
    std::wstring path;
    std::wstring relative;  // empty or ending with a backslash
};

struct Found {
    std::wstring name;
    DWORD attributes;
    uint64_t size;
    FILETIME modified;
};

bool IsDotName(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

bool FoundLess(const Found& a, const Found& b) { return PackageOrderLess(a.name, b.name); }

// The folder's files and subfolders, each sorted. An empty folder is no failure.
bool ReadFolder(const std::wstring& path, std::vector<Found>* files, std::vector<Found>* folders)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW(JoinPath(path, L"*").c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        if (IsDotName(data.cFileName)) continue;
        bool folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        // Junctions and folder links are not followed: one that points upwards never ends.
        if (folder && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) continue;
        uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        Found found = {data.cFileName, data.dwFileAttributes, size, data.ftLastWriteTime};
        (folder ? folders : files)->push_back(found);
    } while (FindNextFileW(find, &data));
    bool complete = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(find);
    std::sort(files->begin(), files->end(), FoundLess);
    std::sort(folders->begin(), folders->end(), FoundLess);
    return complete;
}

PackResult DescribeFile(const Folder& folder, const Found& found, SourceFile* file)
{
    file->size = found.size;
    ZipEntry& entry = file->entry;
    entry = ZipEntry();
    if (!EntryNameFromRelativePath(folder.relative + found.name, &entry.name, &entry.utf8Name))
        return PackUnreadableFile;
    if (file->size > kZipMaxBytes || entry.name.size() > 0xFFFF) return PackTooLarge;
    entry.modified = DosDateTimeFromFileTime(found.modified);
    entry.attributes = found.attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                                FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    return PackWritten;
}

PackResult AddFiles(const Folder& folder, const std::vector<Found>& found, const std::wstring& output,
                    std::vector<SourceFile>* files, std::wstring* failedPath)
{
    for (const Found& item : found) {
        SourceFile file;
        file.path = JoinPath(folder.path, item.name);
        if (IsOwnOutput(file.path, output)) continue;
        PackResult result = DescribeFile(folder, item, &file);
        if (result != PackWritten) {
            *failedPath = file.path;
            return result;
        }
        if (files->size() == kZipMaxEntries) {
            *failedPath = file.path;
            return PackTooLarge;
        }
        files->push_back(std::move(file));
    }
    return PackWritten;
}

}  // namespace

PackResult ListSkinFolder(const std::wstring& root, const std::wstring& output,
                          std::vector<SourceFile>* files, std::wstring* failedPath)
{
    // A stack of its own rather than recursion: the depth is bounded by the path length only.
    std::vector<Folder> pending = {{root, L""}};
    while (!pending.empty()) {
        Folder folder = std::move(pending.back());
        pending.pop_back();
        std::vector<Found> found, subfolders;
        if (!ReadFolder(folder.path, &found, &subfolders)) {
            *failedPath = folder.path;
            return PackUnreadableFile;
        }
        PackResult result = AddFiles(folder, found, output, files, failedPath);
        if (result != PackWritten) return result;
        for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it)
            pending.push_back({JoinPath(folder.path, it->name), folder.relative + it->name + L"\\"});
    }
    return PackWritten;
}

bool HasSkinDefinition(const std::vector<SourceFile>& files)
{
    for (const SourceFile& file : files)
        if (IsSkinDefinitionName(file.entry.name)) return true;
    return false;
}
