// One listing of a folder for the skin list: its subfolders, the way up, then its packages.
#pragma once
#include <string>
#include <vector>

enum SkinColumn { ColumnName, ColumnSize, ColumnDate, ColumnCount };
// What an entry of the list is; EntryNone for no item.
enum EntryKind { EntryNone, EntryParent, EntryFolder, EntryPackage };

struct ListedEntry {
    std::wstring column[ColumnCount];   // the parent entry's name is left to the list
    EntryKind kind;
};

struct FolderListing {
    bool started = false;     // false when the folder could not be enumerated
    bool metParent = false;   // it has a ".." entry, so it is no drive's root
    std::vector<ListedEntry> entries;
};

// The folder (a full path) as the file system gives its entries: subfolders, the way up
// unless the folder is the skins folder, then packages.
FolderListing ListSkinFolder(const std::wstring& folder, const std::wstring& skinsRoot);

// The folder a path names once made full, without a trailing backslash unless it is a root.
std::wstring FolderPath(const std::wstring& path);
