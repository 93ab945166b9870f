// The About box shared by the four programs.
#pragma once
#include <windows.h>

// What differs between the programs' About boxes.
struct AboutBoxConfig {
    int dialogIdJapanese;
    int dialogIdEnglish;              // 0: the Japanese dialog serves every language
    const wchar_t* tableJapanese;     // version string table read on a Japanese system
    const wchar_t* tableEnglish;      // and on any other; may equal tableJapanese
    const wchar_t* failureCaptionJapanese;
    const wchar_t* failureCaptionEnglish;
    bool cancelEndsWithOk;            // the editor ends its About box with 1 either way
};

// Opens the About box modally over owner; returns the dialog's result.
INT_PTR ShowAboutBox(HINSTANCE instance, HWND owner, const AboutBoxConfig& config);

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
