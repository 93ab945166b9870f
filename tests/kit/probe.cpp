// kit_probe.dll: loaded into a program under test to read what only its own process can.
#include "probe.h"

#include <shlobj.h>
#include <cstring>

namespace {

// Menus are user objects of their own process under Wine, so this runs inside it.
bool FindItem(HMENU menu, ProbeRequest* req, int depth)
{
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count && depth < 8; ++i) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = req->label;
        info.cch = _countof(req->label);
        if (!GetMenuItemInfoW(menu, i, TRUE, &info))
            continue;
        if (!info.hSubMenu && info.wID == req->commandId) {
            req->found = 1;
            req->state = info.fState;
            return true;
        }
        if (info.hSubMenu && FindItem(info.hSubMenu, req, depth + 1))
            return true;
    }
    req->label[0] = L'\0';
    return false;
}

void ReadMenuItem(ProbeRequest* req)
{
    req->found = 0;
    req->state = 0;
    req->label[0] = L'\0';
    HMENU menu = GetMenu(req->window);
    if (menu)
        FindItem(menu, req, 0);
}

// An HDROP is memory of the receiving process, so it is built here, as the shell would.
void DropFiles(const ProbeRequest* req)
{
    size_t chars = 0;
    while (chars + 1 < _countof(req->paths) && (req->paths[chars] || req->paths[chars + 1])) ++chars;
    chars += 2;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    if (!memory) return;
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(drop + 1, req->paths, chars * sizeof(wchar_t));
    GlobalUnlock(memory);
    if (!PostMessageW(req->window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0)) GlobalFree(memory);
}

}  // namespace

extern "C" LRESULT CALLBACK ProbeCallWndProc(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT probeMessage = RegisterWindowMessageW(PROBE_MESSAGE_NAME);
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call && call->message == probeMessage) {
        HANDLE shared = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, PROBE_SHARED_BLOCK_NAME);
        if (shared) {
            void* view = MapViewOfFile(shared, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProbeRequest));
            if (view) {
                auto* req = static_cast<ProbeRequest*>(view);
                if (req->kind == ProbeDropFiles) DropFiles(req);
                else ReadMenuItem(req);
                req->served = 1;
                UnmapViewOfFile(view);
            }
            CloseHandle(shared);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
