// The request block the kit shares with kit_probe.dll inside a program under test.
#pragma once
#include <windows.h>

struct ProbeMenuRequest {
    HWND window;        // in: whose menu (GetMenu)
    UINT commandId;     // in
    LONG found;         // out: 1 when an item with the id exists, in any popup depth
    UINT state;         // out: MFS_* of the item
    wchar_t label[256]; // out: the item's text, NUL-terminated
    LONG served;        // out: 1 once the probe has answered
};

// The kit puts the request into this shared block, hooks the window's thread with
// ProbeCallWndProc and sends the window the registered message: the probe then reads the
// menu on the program's own thread, between two of its messages, where nothing is locked.
#define PROBE_SHARED_BLOCK_NAME L"QuillmereKitProbeRequest"
#define PROBE_MESSAGE_NAME L"QuillmereKitProbeMenu"

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeCallWndProc(int code, WPARAM wParam, LPARAM lParam);

// Fills the request from the window's menu.
extern "C" __declspec(dllexport) DWORD WINAPI ProbeMenuItem(void* request);
