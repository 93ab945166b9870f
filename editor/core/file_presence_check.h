// Asking whether a file exists without waiting for the answer: a path on an unreachable
// share holds the asking thread for the network's time-out.
#pragma once
#include <atomic>
#include <functional>
#include <memory>
#include <string>

class FilePresenceCheck {
public:
    using Probe = std::function<bool(const std::wstring& path)>;
    using Report = std::function<void(bool exists)>;

    // The probe FileExists unless a test gives another.
    explicit FilePresenceCheck(Probe probe = Probe());

    // Runs the probe on a thread of its own, which then calls report with the answer.
    // False, starting nothing, while the last probe still runs (so a hung share never
    // gathers threads) or when no thread can be made.
    bool Start(const std::wstring& path, Report report);

private:
    Probe probe_;
    // Shared with the running thread, which may outlive this object at the program's end.
    std::shared_ptr<std::atomic<bool>> running_;
};
