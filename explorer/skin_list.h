// The skin list: the list view, the entries one listing finds, their order and the views.
#pragma once
#include <windows.h>

#include "folder_listing.h"

#include <string>

// Column-0 texts are read into buffers of this many characters.
const int kEntryNameCapacity = 520;
// The large-icon view's picture size at 96 DPI: room for a thumbnail of a skin.
const int kThumbnailSize = 64;

// The two image lists and the list view in the details view with its three columns, never
// listing above the skins folder (empty: none).
HWND CreateSkinList(HWND parent, const wchar_t* skinsRoot);
// Takes the image lists back from the list view and destroys them.
void ReleaseSkinListImages();

// Lists the folder (one that is no folder leaves the previous one): its subfolders, the way
// up unless it is the skins folder, then its packages, in the order the file system gives them.
void FillSkinList(const wchar_t* folder);
// The folder on screen, as the last listing that met a ".." entry found it.
const wchar_t* CurrentFolder();
// The folder listed, a full path; the entries' names are relative to it.
const std::wstring& ListedFolder();
std::wstring EntryPath(const wchar_t* name);
// The full path of the one selected entry when it is a package, else "".
std::wstring SelectedPackagePath();
// Flips the column's direction and sorts the list by that column's text (a SkinColumn).
void SortSkinList(int column);
// LVS_ICON, LVS_LIST or LVS_REPORT.
void SetSkinListView(DWORD view);

// Column 0 of the item; the buffer stays as it is when there is no such item.
void ReadEntryName(int item, wchar_t* buffer, int capacity);
int SelectedEntryCount();
// The next selected item after this one (-1: from the first); -1 when there is none.
int NextSelectedEntry(int item);
int EntryCount();
// The entry the open and rename commands act on: the one selected entry, else the
// selection mark; -1 for none.
int ActedOnEntry();
// Told by the listing that made the entry, not by its text, which a folder may share.
EntryKind KindOfEntry(int item);

// The list view's sort comparison: item parameters index the listing's own texts.
int CALLBACK CompareListItems(LPARAM first, LPARAM second, LPARAM column);
