// kit::UiTest: every UI test starts from the known state, in the locale its suite names.
#include "kit.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kit {
namespace {

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

bool IsWow64()
{
    using Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process")));
    BOOL wow = FALSE;
    return fn && fn(GetCurrentProcess(), &wow) && wow;
}

std::wstring Widen(const char* text)
{
    return std::wstring(text, text + std::strlen(text));
}

// The shot of the running test, kept only if the test fails: a thrown Failure takes
// it before the stack unwinds and closes the programs.
std::wstring& CurrentShot()
{
    static std::wstring path;
    return path;
}
bool g_shotTaken = false;

}  // namespace

void ShotAtFailure()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    if (!info || g_shotTaken)
        return;
    g_shotTaken = true;
    // The runs at 96 and 144 DPI fail apart and run at once: their shots must not meet.
    std::wstring dpi = ScreenDpi() == 96 ? L"" : L"-" + std::to_wstring(ScreenDpi()) + L"dpi";
    try {
        CurrentShot() = SaveScreen(L"failed-" + Widen(info->test_suite_name()) + L"." +
                                   Widen(info->name()) + dpi);
    } catch (const Failure&) {
    }
}

void UiTest::SetUp()
{
    g_shotTaken = false;
    CurrentShot().clear();
    const char* suite = ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
    // ctest runs ui_tests once per locale and prefix and picks suites by these prefixes.
    UINT wantAcp = StartsWith(suite, "English") ? 1252 : 932;
    ASSERT_EQ(GetACP(), wantAcp) << "suite " << suite << " runs in the wrong locale";
    ASSERT_EQ(IsWow64(), StartsWith(suite, "Wow64")) << "suite " << suite
                                                       << " runs in the wrong prefix";
    if (const char* dpi = std::getenv("QLM_DPI")) {
        ASSERT_EQ(std::atoi(dpi), ScreenDpi()) << "the prefix runs at the wrong DPI";
    }
    ResetState();
}

void UiTest::TearDown()
{
    UnmountSmallDisks();
    UnmapDrives();
    if (CurrentShot().empty())
        return;
    if (HasFailure())
        std::printf("screenshot at failure: %s\n", Utf8(UnixPath(CurrentShot())).c_str());
    else
        DeleteFileW(CurrentShot().c_str());
}

}  // namespace kit
