// Entry point of ui_tests: gtest, the screenshot at each test's first failure, and a
// watchdog that ends a run whose test hangs instead of letting ctest's timeout kill it blind.
#include "kit.h"
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

constexpr int kDefaultTestLimitSeconds = 120;

class ShotOnFailure : public ::testing::EmptyTestEventListener {
    void OnTestPartResult(const ::testing::TestPartResult& result) override
    {
        if (result.failed())
            kit::ShotAtFailure();
    }
};

class Watchdog : public ::testing::EmptyTestEventListener {
public:
    explicit Watchdog(int limitSeconds) : limit_(limitSeconds)
    {
        std::thread([this] { Watch(); }).detach();
    }

private:
    void OnTestStart(const ::testing::TestInfo& info) override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        name_ = std::string(info.test_suite_name()) + "." + info.name();
        started_ = GetTickCount();
        running_ = true;
    }
    void OnTestEnd(const ::testing::TestInfo&) override { running_ = false; }

    void Watch()
    {
        for (;;) {
            Sleep(1000);
            std::lock_guard<std::mutex> lock(mutex_);
            if (!running_ || GetTickCount() - started_ < static_cast<DWORD>(limit_) * 1000)
                continue;
            std::printf("\n%s has run for over %d s: ending ui_tests\n", name_.c_str(), limit_);
            try {
                kit::Screenshot(L"hung-" + std::wstring(name_.begin(), name_.end()));
                kit::ResetState();
            } catch (const std::exception& e) {
                std::printf("%s\n", e.what());
            }
            std::fflush(stdout);
            TerminateProcess(GetCurrentProcess(), 3);
        }
    }

    const int limit_;
    std::mutex mutex_;
    std::string name_;
    DWORD started_ = 0;
    std::atomic<bool> running_{false};
};

}  // namespace

int main(int argc, char** argv)
{
    // QLM_REPEAT=N runs the whole suite N times, to bring out timing faults; a
    // --gtest_repeat on the command line still has the last word.
    if (const char* repeat = std::getenv("QLM_REPEAT")) GTEST_FLAG_SET(repeat, std::atoi(repeat));
    ::testing::InitGoogleTest(&argc, argv);
    const char* limit = std::getenv("QLM_UI_TEST_LIMIT");
    auto& listeners = ::testing::UnitTest::GetInstance()->listeners();
    listeners.Append(new ShotOnFailure);
    listeners.Append(new Watchdog(limit ? std::atoi(limit) : kDefaultTestLimitSeconds));
    return RUN_ALL_TESTS();
}
