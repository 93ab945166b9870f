// Asking whether a file exists without waiting for the answer.
#include "file_presence_check.h"

#include "file_info.h"

#include <system_error>
#include <thread>

FilePresenceCheck::FilePresenceCheck(Probe probe)
    : probe_(probe ? std::move(probe) : [](const std::wstring& path) { return FileExists(path.c_str()); }),
      running_(std::make_shared<std::atomic<bool>>(false))
{
}

bool FilePresenceCheck::Start(const std::wstring& path, Report report)
{
    if (running_->exchange(true)) return false;
    std::shared_ptr<std::atomic<bool>> running = running_;
    try {
        std::thread([probe = probe_, path, report = std::move(report), running] {
            // Reported before the next probe may start, so answers arrive in order.
            report(probe(path));
            running->store(false);
        }).detach();
    } catch (const std::system_error&) {
        running_->store(false);
        return false;
    }
    return true;
}
