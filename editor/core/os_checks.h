// What the editor asks of the system before it starts.
#pragma once
#include <windows.h>

// 1 supported, 0 too old (Windows 95, NT 4 and older), -1 another platform.
int ClassifyOsVersion(DWORD platformId, DWORD majorVersion, DWORD minorVersion);
int OsVersionSupported();

// 1 for the Windows 9x platform, 0 for NT, -1 otherwise.
int ClassifyOsFamily(DWORD platformId);
int GetOsFamily();

// True only for a 32-bit process on 64-bit Windows.
bool IsRunningUnderWow64();

// The editor runs with a Unicode main window or on the Japanese ANSI code page.
bool LocaleAllowsStart(bool mainWindowIsUnicode, UINT ansiCodePage);

// Which toolbar strip fits the system: the classic one up to Windows 2000, the newer one
// from Windows XP on, none on NT 4 and older.
enum ToolbarArt { ToolbarArtNone, ToolbarArtClassic, ToolbarArtModern };
ToolbarArt ChooseToolbarArt(DWORD platformId, DWORD majorVersion, DWORD minorVersion);
ToolbarArt ToolbarArtForThisSystem();

// The platform (VER_PLATFORM_WIN32_*) and major version of the running system.
void QueryPlatformVersion(DWORD* platformId, DWORD* majorVersion);
