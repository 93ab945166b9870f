// The skin list: the list view, the entries one listing finds, their order and the views.
#include "skin_list.h"

#include "fennick.h"
#include "file_paths.h"
#include "language.h"
#include "list_order.h"
#include "resource.h"
#include "screen_dpi.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

enum { ImageSkin, ImageFolder };

const wchar_t kParentJapanese[] = L"(1 つ上のフォルダへ)";
const wchar_t kParentEnglish[] = L"(Up to Folder)";

struct ColumnLayout {
    const wchar_t* japanese;
    const wchar_t* english;
    int format;
    int width;
};

const ColumnLayout kColumns[ColumnCount] = {
    {L"ファイル名", L"Filename", LVCFMT_LEFT, 300},
    {L"サイズ (バイト)", L"Size (Byte(s))", LVCFMT_RIGHT, 100},
    {L"更新日時", L"Date Modified", LVCFMT_LEFT, 150},
};

// Every entry's texts and kind, indexed by its item parameter: the sort reads them here
// instead of searching the list view for each item it compares.
std::vector<ListedEntry> g_entries;
std::wstring g_listedFolder;
HWND g_hwndList = nullptr;
// The skins folder, above which the list never goes; empty when there is none.
std::wstring g_skinsRoot;
// The folder on screen, as the last listing that met a ".." entry found it.
wchar_t g_currentFolder[MAX_PATH] = L"";
// Per column (name, size, date).
SortDirection g_sortDirection[ColumnCount] = {SortNone, SortNone, SortNone};

HIMAGELIST g_smallIcons = nullptr;
HIMAGELIST g_largeIcons = nullptr;

UINT IconColourDepth(HWND parent)
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionExW(&version);
    bool windows2000 = version.dwMajorVersion == 5 && version.dwMinorVersion == 0;
    return !IsWindowUnicode(parent) || windows2000 ? ILC_COLOR16 : ILC_COLOR32;
}

HIMAGELIST MakeIconList(int size, UINT depth)
{
    HIMAGELIST list = ImageList_Create(size, size, ILC_MASK | depth, 2, 2);
    if (!list) return nullptr;
    for (int icon : {IDI_SKIN, IDI_FOLDER}) {
        HICON handle = static_cast<HICON>(LoadImageW(g_hInstance, MAKEINTRESOURCEW(icon), IMAGE_ICON, size, size, 0));
        if (!handle) continue;
        ImageList_AddIcon(list, handle);
        DestroyIcon(handle);
    }
    return list;
}

// The header draws its text between two margins; a narrower column would cut the text
// (the Japanese size header in the fonts Wine and Windows give it).
int HeaderTextWidth(HWND list, const wchar_t* text)
{
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    int margin = static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
    return static_cast<int>(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text))) + 2 * margin;
}

void AddColumns(HWND list)
{
    bool japanese = IsJapaneseUi();
    int dpi = ScreenDpi(list);
    for (int index = 0; index < ColumnCount; ++index) {
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = kColumns[index].format;
        column.pszText = const_cast<wchar_t*>(japanese ? kColumns[index].japanese : kColumns[index].english);
        column.cx = std::max(ScaleForDpi(kColumns[index].width, dpi), HeaderTextWidth(list, column.pszText));
        column.iSubItem = index;
        SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
    }
}

void SetSubItemText(int item, int column, const std::wstring& text)
{
    if (text.empty()) return;
    LVITEMW subItem = {};
    subItem.iSubItem = column;
    subItem.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(g_hwndList, LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&subItem));
}

// The item's index and parameter are both its place in the listing.
void AddEntry(ListedEntry listed)
{
    if (listed.kind == EntryParent) listed.column[ColumnName] = IsJapaneseUi() ? kParentJapanese : kParentEnglish;
    int sequence = static_cast<int>(g_entries.size());
    g_entries.push_back(std::move(listed));
    const ListedEntry& entry = g_entries.back();
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = sequence;
    item.pszText = const_cast<wchar_t*>(entry.column[ColumnName].c_str());
    item.iImage = entry.kind == EntryPackage ? ImageSkin : ImageFolder;
    item.lParam = sequence;
    int index = static_cast<int>(SendMessageW(g_hwndList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    SetSubItemText(index, ColumnSize, entry.column[ColumnSize]);
    SetSubItemText(index, ColumnDate, entry.column[ColumnDate]);
}

// A folder that is none leaves the one listed before, as a failed change of directory did;
// the first listing falls back on the folder the program started in.
void ChooseListedFolder(const wchar_t* folder)
{
    std::wstring full = FullFolderPath(folder);
    if (IsFolder(full)) g_listedFolder = full;
    else if (g_listedFolder.empty()) g_listedFolder = FullFolderPath(L".");
}

const wchar_t* EntryText(LPARAM entry, LPARAM column)
{
    if (entry < 0 || static_cast<size_t>(entry) >= g_entries.size() || column < 0 || column >= ColumnCount)
        return L"";
    return g_entries[entry].column[column].c_str();
}

}  // namespace

HWND CreateSkinList(HWND parent, const wchar_t* skinsRoot)
{
    g_skinsRoot = skinsRoot;
    UINT depth = IconColourDepth(parent);
    int dpi = ScreenDpi(parent);
    g_smallIcons = MakeIconList(ScaleForDpi(16, dpi), depth);
    g_largeIcons = MakeIconList(ScaleForDpi(kThumbnailSize, dpi), depth);
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 0, 0,
                                parent, reinterpret_cast<HMENU>(IDC_SKIN_LIST), g_hInstance, nullptr);
    if (!list) return nullptr;
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(g_smallIcons));
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(g_largeIcons));
    AddColumns(list);
    g_hwndList = list;
    return list;
}

void ReleaseSkinListImages()
{
    // Taken back first: a list view destroys the image lists it still holds.
    if (g_hwndList) {
        SendMessageW(g_hwndList, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
        SendMessageW(g_hwndList, LVM_SETIMAGELIST, LVSIL_NORMAL, 0);
    }
    if (g_smallIcons) ImageList_Destroy(g_smallIcons);
    if (g_largeIcons) ImageList_Destroy(g_largeIcons);
    g_smallIcons = g_largeIcons = nullptr;
}

void FillSkinList(const wchar_t* folder)
{
    // Drawn once when complete: scrolling and repainting at every insertion would cost
    // far more than the listing itself.
    SendMessageW(g_hwndList, WM_SETREDRAW, FALSE, 0);
    SendMessageW(g_hwndList, LVM_DELETEALLITEMS, 0, 0);
    g_entries.clear();
    ChooseListedFolder(folder);
    FolderListing listing = ListSkinFolder(g_listedFolder, g_skinsRoot);
    // The folder on screen is known from its ".." entry, which a drive's root lacks.
    if (listing.metParent) CopyToBuffer(g_currentFolder, _countof(g_currentFolder), g_listedFolder.c_str());
    for (ListedEntry& entry : listing.entries) AddEntry(std::move(entry));
    SendMessageW(g_hwndList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(g_hwndList, nullptr, TRUE);
}

const wchar_t* CurrentFolder()
{
    return g_currentFolder;
}

const std::wstring& ListedFolder()
{
    return g_listedFolder;
}

std::wstring EntryPath(const wchar_t* name)
{
    return JoinPath(g_listedFolder, name);
}

std::wstring SelectedPackagePath()
{
    if (SelectedEntryCount() != 1) return std::wstring();
    const int item = ActedOnEntry();
    if (KindOfEntry(item) != EntryPackage) return std::wstring();
    wchar_t name[kEntryNameCapacity] = L"";
    ReadEntryName(item, name, _countof(name));
    return EntryPath(name);
}

void SortSkinList(int column)
{
    if (column < 0 || column >= ColumnCount) return;
    g_sortDirection[column] = g_sortDirection[column] == SortAscending ? SortDescending : SortAscending;
    SendMessageW(g_hwndList, LVM_SORTITEMS, column, reinterpret_cast<LPARAM>(CompareListItems));
    SendMessageW(g_hwndList, LVM_ARRANGE, LVA_ALIGNLEFT, 0);
}

void SetSkinListView(DWORD view)
{
    SetWindowLongPtrW(g_hwndList, GWL_STYLE, WS_CHILD | WS_VISIBLE | view);
    SendMessageW(g_hwndList, LVM_ARRANGE, LVA_ALIGNLEFT, 0);
}

void ReadEntryName(int item, wchar_t* buffer, int capacity)
{
    if (item < 0) return;
    LVITEMW request = {};
    request.iSubItem = ColumnName;
    request.pszText = buffer;
    request.cchTextMax = capacity;
    SendMessageW(g_hwndList, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&request));
}

int ActedOnEntry()
{
    // The mark stays where the last click was, even on an entry that click deselected.
    if (SelectedEntryCount() == 1)
        return static_cast<int>(SendMessageW(g_hwndList, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
    return static_cast<int>(SendMessageW(g_hwndList, LVM_GETSELECTIONMARK, 0, 0));
}

EntryKind KindOfEntry(int item)
{
    LVITEMW request = {};
    request.mask = LVIF_PARAM;
    request.iItem = item;
    if (item < 0 || !SendMessageW(g_hwndList, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request)) ||
        request.lParam < 0 || static_cast<size_t>(request.lParam) >= g_entries.size())
        return EntryNone;
    return g_entries[request.lParam].kind;
}

int NextSelectedEntry(int item)
{
    return static_cast<int>(SendMessageW(g_hwndList, LVM_GETNEXTITEM, item, LVNI_SELECTED));
}

int SelectedEntryCount()
{
    return static_cast<int>(SendMessageW(g_hwndList, LVM_GETSELECTEDCOUNT, 0, 0));
}

int EntryCount()
{
    return static_cast<int>(SendMessageW(g_hwndList, LVM_GETITEMCOUNT, 0, 0));
}

int CALLBACK CompareListItems(LPARAM first, LPARAM second, LPARAM column)
{
    SortDirection direction = column >= 0 && column < ColumnCount ? g_sortDirection[column] : SortAscending;
    return CompareInDirection(EntryText(first, column), EntryText(second, column), direction);
}
