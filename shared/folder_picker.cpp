// The shell's folder browser, limited to folders with a file-system path.
#include "folder_picker.h"

#include "message_box.h"

bool PickFolder(HWND owner, const wchar_t* title, BFFCALLBACK callback, wchar_t (&path)[MAX_PATH])
{
    BROWSEINFOW browse = {};
    browse.hwndOwner = owner;
    browse.lpszTitle = title;
    browse.ulFlags = BIF_VALIDATE;
    browse.lpfn = callback;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&browse);
    if (!item) return false;
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) {
        CoTaskMemFree(item);
        return false;
    }
    path[0] = L'\0';
    SHGetPathFromIDListW(item, path);
    allocator->Free(item);
    allocator->Release();
    return true;
}

int HandleFolderPickerMessage(HWND browser, UINT message, LPARAM lParam, const wchar_t* refusal,
                              const wchar_t* caption)
{
    switch (message) {
    case BFFM_SELCHANGED: {
        wchar_t path[MAX_PATH] = L"";
        bool hasPath = SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path) && path[0];
        SendMessageW(browser, BFFM_ENABLEOK, 0, hasPath ? TRUE : FALSE);
        return 0;
    }
    case BFFM_VALIDATEFAILEDW:
        ShowMessage(browser, refusal, caption, MB_ICONWARNING);
        return 1;
    }
    return 0;
}
