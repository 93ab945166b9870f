// What the editor asks of the system before it starts.
#include "os_checks.h"

namespace {

OSVERSIONINFOW QueryVersion()
{
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    return info;
}

}  // namespace

int ClassifyOsVersion(DWORD platformId, DWORD majorVersion, DWORD minorVersion)
{
    switch (platformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
        return (majorVersion == 4 && minorVersion == 0) ? 0 : 1;
    case VER_PLATFORM_WIN32_NT:
        return majorVersion <= 4 ? 0 : 1;
    default:
        return -1;
    }
}

int OsVersionSupported()
{
    OSVERSIONINFOW info = QueryVersion();
    return ClassifyOsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

int ClassifyOsFamily(DWORD platformId)
{
    if (platformId == VER_PLATFORM_WIN32_WINDOWS) return 1;
    if (platformId == VER_PLATFORM_WIN32_NT) return 0;
    return -1;
}

int GetOsFamily()
{
    return ClassifyOsFamily(QueryVersion().dwPlatformId);
}

bool IsRunningUnderWow64()
{
    // Looked up at run time: older systems have no such export.
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = GetModuleHandleW(L"Kernel32.dll");
    if (!kernel) return false;
    auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
    if (!isWow64Process) return false;
    BOOL wow64 = FALSE;
    if (!isWow64Process(GetCurrentProcess(), &wow64)) return false;
    return wow64 != FALSE;
}

bool LocaleAllowsStart(bool mainWindowIsUnicode, UINT ansiCodePage)
{
    return mainWindowIsUnicode || ansiCodePage == 932;
}

ToolbarArt ChooseToolbarArt(DWORD platformId, DWORD majorVersion, DWORD minorVersion)
{
    if (platformId == VER_PLATFORM_WIN32_WINDOWS) return ToolbarArtClassic;
    if (platformId != VER_PLATFORM_WIN32_NT || majorVersion <= 4) return ToolbarArtNone;
    if (majorVersion == 5 && minorVersion == 0) return ToolbarArtClassic;
    return ToolbarArtModern;
}

ToolbarArt ToolbarArtForThisSystem()
{
    OSVERSIONINFOW info = QueryVersion();
    return ChooseToolbarArt(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

void QueryPlatformVersion(DWORD* platformId, DWORD* majorVersion)
{
    OSVERSIONINFOW info = QueryVersion();
    *platformId = info.dwPlatformId;
    *majorVersion = info.dwMajorVersion;
}
