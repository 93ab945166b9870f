// Threads that read and draw skins away from a window's thread. Each lives in a COM apartment
// of its own with the imaging component loaded and an image cache, for as long as it runs; jobs
// wait in one queue. A job is asked to stop through its cancel flag, and the threads are waited
// for a bounded time at the end: one still busy then is left to end with the process.
#pragma once
#include "skin_image.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class SkinWorkers {
public:
    // Runs on one of the threads. It should return soon once cancel is true, which it may
    // already be when the job starts.
    using Job = std::function<void(SkinImageCache& cache, const std::atomic<bool>& cancel)>;

    SkinWorkers() = default;
    ~SkinWorkers();   // asks the threads to stop, without waiting
    SkinWorkers(const SkinWorkers&) = delete;
    SkinWorkers& operator=(const SkinWorkers&) = delete;

    // False when no thread could be started.
    bool Start(int threads, size_t cacheBytes);
    bool Started() const { return !threads_.empty(); }
    void Queue(Job job);
    // Every job queued so far, running or waiting, is asked to stop. Waiting ones still run,
    // their flag set from the start: every job queued runs once.
    void CancelAll();
    // Every job is asked to stop and those waiting are dropped; Stop then waits at most
    // milliseconds for the threads, false when one was still busy.
    void AskToStop();
    bool Stop(unsigned long milliseconds);

    struct State;

private:
    std::shared_ptr<State> state_;
    std::vector<HANDLE> threads_;
};
