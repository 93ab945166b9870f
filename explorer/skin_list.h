// The skin list: the list view, the entries one listing finds, their order and the views.
#pragma once
#include <windows.h>

enum SkinColumn { ColumnName, ColumnSize, ColumnDate, ColumnCount };
// What an entry of the list is; EntryNone for no item.
enum EntryKind { EntryNone, EntryParent, EntryFolder, EntryPackage };

// The two image lists and the list view in the details view with its three columns.
HWND CreateSkinList(HWND parent);
// Takes the image lists back from the list view and destroys them.
void ReleaseSkinListImages();

// Makes the folder the current directory (a folder that cannot be entered leaves the
// previous one) and lists its subfolders, the way up unless it is the skins folder, and
// then its packages, in the order the file system gives them.
void FillSkinList(const wchar_t* folder);
// Flips the column's direction and sorts the list by that column's text (a SkinColumn).
void SortSkinList(int column);
// LVS_ICON, LVS_LIST or LVS_REPORT.
void SetSkinListView(DWORD view);

// Column 0 of the item; the buffer stays as it is when there is no such item.
void ReadEntryName(int item, wchar_t* buffer, int capacity);
int SelectedEntryCount();
int EntryCount();
// The entry the open and rename commands act on: the one selected entry, else the
// selection mark; -1 for none.
int ActedOnEntry();
// Told by the listing that made the entry, not by its text, which a folder may share.
EntryKind KindOfEntry(int item);

// The list view's sort comparison: item parameters index the listing's own texts.
int CALLBACK CompareListItems(LPARAM first, LPARAM second, LPARAM column);
