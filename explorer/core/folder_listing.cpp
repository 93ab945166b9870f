// One listing of a folder for the skin list: its subfolders, the way up, then its packages.
#include "folder_listing.h"

#include "file_paths.h"
#include "setup_file.h"

#include <windows.h>

#include <cwchar>

namespace {

std::wstring DateText(const FILETIME& written)
{
    FILETIME local;
    SYSTEMTIME time;
    if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &time)) return std::wstring();
    wchar_t text[32];
    swprintf(text, _countof(text), L"%04d/%02d/%02d %02d:%02d", time.wYear, time.wMonth, time.wDay, time.wHour,
             time.wMinute);
    return text;
}

std::wstring SizeText(const WIN32_FIND_DATAW& found)
{
    return std::to_wstring((static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow);
}

void AddFolderEntry(const std::wstring& folder, const std::wstring& skinsRoot, const WIN32_FIND_DATAW& found,
                    FolderListing* listing)
{
    // A name whose attributes cannot be read answers all bits set, and so counts as a folder.
    if (!(GetFileAttributesW(JoinPath(folder, found.cFileName).c_str()) & FILE_ATTRIBUTE_DIRECTORY)) return;
    if (wcscmp(found.cFileName, L".") == 0) return;
    if (wcscmp(found.cFileName, L"..") != 0) {
        listing->entries.push_back({{found.cFileName, L"", DateText(found.ftLastWriteTime)}, EntryFolder});
        return;
    }
    listing->metParent = true;
    // The skins folder is as far up as the list leads.
    if (folder != skinsRoot) listing->entries.push_back({{L"", L"", L""}, EntryParent});
}

bool ListFolders(const std::wstring& folder, const std::wstring& skinsRoot, FolderListing* listing)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(JoinPath(folder, L"*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    do AddFolderEntry(folder, skinsRoot, found, listing);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
}

void ListPackages(const std::wstring& folder, FolderListing* listing)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(JoinPath(folder, L"*.wmz").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        // The folder pass has listed folders; a short name's match is some other file.
        if (IsPackage(found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0))
            listing->entries.push_back(
                {{found.cFileName, SizeText(found), DateText(found.ftLastWriteTime)}, EntryPackage});
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

FolderListing ListSkinFolder(const std::wstring& folder, const std::wstring& skinsRoot)
{
    FolderListing listing;
    listing.started = ListFolders(folder, skinsRoot, &listing);
    if (listing.started) ListPackages(folder, &listing);
    return listing;
}

std::wstring FolderPath(const std::wstring& path)
{
    std::wstring full = FullPath(path);
    while (full.size() > 3 && IsPathSeparator(full.back())) full.pop_back();
    return full;
}
