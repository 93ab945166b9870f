// The skin list: the list view, the entries one listing finds, their order and the views.
#pragma once
#include <windows.h>

enum SkinColumn { ColumnName, ColumnSize, ColumnDate, ColumnCount };

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
// True for the parent entry's text in either language.
bool IsParentEntryText(const wchar_t* text);

// The list view's sort comparison: item parameters index the listing's own texts.
int CALLBACK CompareListItems(LPARAM first, LPARAM second, LPARAM column);
