// The request block the kit writes into a target process for kit_probe.dll to fill.
#pragma once
#include <windows.h>

struct ProbeMenuRequest {
    HWND window;        // in: whose menu (GetMenu)
    UINT commandId;     // in
    LONG found;         // out: 1 when an item with the id exists, in any popup depth
    UINT state;         // out: MFS_* of the item
    wchar_t label[256]; // out: the item's text, NUL-terminated
};

// Exported by kit_probe.dll; runs on a thread the kit creates in the target.
extern "C" __declspec(dllexport) DWORD WINAPI ProbeMenuItem(void* request);
