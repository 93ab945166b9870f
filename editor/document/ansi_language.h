// The code page used for ANSI files in a Unicode window, and dialog 139 that chooses it.
#pragma once
#include <windows.h>

struct AnsiCodePage {
    const wchar_t* name;
    UINT codePage;      // 0 for "Auto": the process's own, taken at start
};

extern const AnsiCodePage g_ansiCodePages[7];
extern int g_ansiLanguageIndex;

// Shows dialog 139 when the system's code page is not 932; false when it was cancelled.
bool ChooseAnsiLanguage(HWND owner);

// The code page of the current choice.
UINT ChosenAnsiCodePage();
