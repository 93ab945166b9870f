// Threads that read and draw skins away from a window's thread.
#include "skin_workers.h"

#include <windows.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>

struct SkinWorkers::State {
    std::mutex lock;
    std::condition_variable wake;
    std::deque<std::pair<Job, unsigned>> queue;   // with the number each was queued under
    unsigned queued = 0;
    unsigned cancelledThrough = 0;
    bool stopping = false;
    size_t cacheBytes = 0;
    // A thread's flag, and the number of the job it runs (0: none).
    std::vector<std::unique_ptr<std::atomic<bool>>> cancels;
    std::vector<unsigned> running;
};

namespace {

struct ThreadStart {
    std::shared_ptr<SkinWorkers::State> state;   // outlives the workers object if it must
    size_t index;
};

// False when the thread is to end.
bool TakeJob(SkinWorkers::State& state, size_t index, SkinWorkers::Job* job)
{
    std::unique_lock<std::mutex> hold(state.lock);
    state.running[index] = 0;
    state.wake.wait(hold, [&] { return state.stopping || !state.queue.empty(); });
    if (state.stopping) return false;
    *job = std::move(state.queue.front().first);
    const unsigned number = state.queue.front().second;
    state.queue.pop_front();
    state.running[index] = number;
    state.cancels[index]->store(number <= state.cancelledThrough);
    return true;
}

void RunJobs(SkinWorkers::State& state, size_t index)
{
    // Loaded before the first job and kept while the thread lives: each render would otherwise
    // load the imaging component again.
    SkinImageDecoder warm;
    SkinImageCache cache(state.cacheBytes);
    SkinWorkers::Job job;
    while (TakeJob(state, index, &job)) {
        // Nothing a job throws may end the program.
        try {
            job(cache, *state.cancels[index]);
        } catch (...) {
        }
        job = nullptr;
    }
}

DWORD WINAPI WorkerThread(void* parameter)
{
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    try {
        RunJobs(*start->state, start->index);
    } catch (...) {
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}

}  // namespace

SkinWorkers::~SkinWorkers()
{
    AskToStop();
    for (HANDLE thread : threads_) CloseHandle(thread);
}

bool SkinWorkers::Start(int threads, size_t cacheBytes)
{
    state_ = std::make_shared<State>();
    state_->cacheBytes = cacheBytes;
    for (int index = 0; index < threads; ++index) {
        state_->cancels.push_back(std::make_unique<std::atomic<bool>>(false));
        state_->running.push_back(0);
    }
    for (int index = 0; index < threads; ++index) {
        auto start = std::make_unique<ThreadStart>(ThreadStart{state_, static_cast<size_t>(index)});
        HANDLE thread = CreateThread(nullptr, 0, WorkerThread, start.get(), 0, nullptr);
        if (!thread) break;
        start.release();
        threads_.push_back(thread);
    }
    return Started();
}

void SkinWorkers::Queue(Job job)
{
    if (!state_) return;
    std::lock_guard<std::mutex> hold(state_->lock);
    state_->queue.emplace_back(std::move(job), ++state_->queued);
    state_->wake.notify_one();
}

void SkinWorkers::CancelAll()
{
    if (!state_) return;
    std::lock_guard<std::mutex> hold(state_->lock);
    state_->cancelledThrough = state_->queued;
    for (size_t index = 0; index < state_->running.size(); ++index)
        if (state_->running[index] != 0) state_->cancels[index]->store(true);
}

void SkinWorkers::AskToStop()
{
    if (!state_) return;
    std::lock_guard<std::mutex> hold(state_->lock);
    state_->stopping = true;
    state_->queue.clear();
    for (auto& cancel : state_->cancels) cancel->store(true);
    state_->wake.notify_all();
}

bool SkinWorkers::Stop(unsigned long milliseconds)
{
    AskToStop();
    if (threads_.empty()) return true;
    const DWORD waited = WaitForMultipleObjects(static_cast<DWORD>(threads_.size()), threads_.data(), TRUE, milliseconds);
    for (HANDLE thread : threads_) CloseHandle(thread);
    threads_.clear();
    return waited != WAIT_TIMEOUT;
}
