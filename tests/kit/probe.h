// The request block the kit shares with kit_probe.dll inside a program under test.
#pragma once
#include <windows.h>

enum ProbeKind : LONG { ProbeReadMenu = 0, ProbeDropFiles = 1 };

struct ProbeRequest {
    LONG kind;          // in: ProbeKind
    HWND window;        // in: whose menu (GetMenu), or where the files are dropped
    UINT commandId;     // in, menu
    LONG found;         // out, menu: 1 when an item with the id exists, in any popup depth
    UINT state;         // out, menu: MFS_* of the item
    wchar_t label[256]; // out, menu: the item's text, NUL-terminated
    wchar_t paths[4096];// in, drop: the paths, each NUL-terminated, then one more NUL
    LONG served;        // out: 1 once the probe has answered
};

// The kit puts the request into this shared block, hooks the window's thread with
// ProbeCallWndProc and sends the window the registered message: the probe then serves it
// on the program's own thread, between two of its messages, where nothing is locked.
#define PROBE_SHARED_BLOCK_NAME L"QuillmereKitProbeRequest"
#define PROBE_MESSAGE_NAME L"QuillmereKitProbeMenu"

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeCallWndProc(int code, WPARAM wParam, LPARAM lParam);
