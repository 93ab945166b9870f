// The print tool's presence is asked on a thread of its own, so a share that never answers
// cannot hold the editor's window.
#include "file_presence_check.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

TEST(FilePresenceCheck, ProbesOffTheCallersThreadOneAtATime)
{
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE reported = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::atomic<DWORD> probeThread{0};
    std::atomic<int> answer{-1};
    const std::wstring share = L"\\\\server\\share\\PPM.exe";
    FilePresenceCheck check([&](const std::wstring& path) {
        probeThread = GetCurrentThreadId();
        WaitForSingleObject(release, INFINITE);   // the network's time-out
        return path == share;
    });
    auto report = [&](bool exists) { answer = exists ? 1 : 0, SetEvent(reported); };
    DWORD before = GetTickCount();
    EXPECT_TRUE(check.Start(share, report));
    EXPECT_FALSE(check.Start(L"other", report)) << "no second thread while the first hangs";
    EXPECT_LT(GetTickCount() - before, 2000u) << "the caller did not wait for the probe";
    SetEvent(release);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(reported, 5000));
    EXPECT_EQ(1, answer.load());
    EXPECT_NE(GetCurrentThreadId(), probeThread.load());

    // Once the answer is in, the next probe starts.
    DWORD deadline = GetTickCount() + 5000;
    while (!check.Start(L"other", report) && GetTickCount() < deadline) Sleep(10);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(reported, 5000));
    EXPECT_EQ(0, answer.load());
    CloseHandle(release);
    CloseHandle(reported);
}
