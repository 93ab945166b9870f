// Packing the listed files: small ones compressed in memory on worker threads, large ones
// streamed by the writing thread, all written in listing order.
#include "zip_pipeline.h"

#include "zip_deflate.h"
#include "zip_source.h"
#include "zip_stream.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Listed bytes that workers may hold between reading a file and its writing.
const uint64_t kHeldLimit = 32u << 20;
const unsigned kMostWorkers = 8;

enum JobState { JobWaiting, JobClaimed, JobReady };

// One file's way from a worker to the writer. Only the thread that claimed it touches it
// until it is ready.
struct Job {
    JobState state;
    bool large;     // listed as too large to hold: never claimed, the writer streams it
    bool streamed;  // found too large once open, or no memory to hold it: streamed too
    PackResult result;
    uint64_t held;
    uint64_t size;
    uint64_t compressedSize;
    uint32_t crc;
    uint16_t method;
    ByteBuffer payload;  // what follows the local header
};

struct Queue {
    const std::vector<SourceFile>* files;
    std::vector<Job> jobs;
    size_t nextClaim;  // jobs before it are claimed or streamed
    uint64_t held;
    bool stopping;
    std::mutex lock;
    std::condition_variable changed;
};

void SkipStreamed(Queue* queue)
{
    while (queue->nextClaim < queue->jobs.size() && queue->jobs[queue->nextClaim].large) ++queue->nextClaim;
}

// Whether a worker may go on: to claim the next job, or to end.
bool WorkerMayProceed(Queue* queue)
{
    SkipStreamed(queue);
    if (queue->stopping || queue->nextClaim == queue->jobs.size()) return true;
    uint64_t size = (*queue->files)[queue->nextClaim].size;
    return queue->held == 0 || queue->held + size <= kHeldLimit;
}

void ReadAndCompress(HANDLE source, Job* job)
{
    ByteBuffer input, output;
    size_t size = static_cast<size_t>(job->size);
    if (!AllocateBuffer(size, &input) || !AllocateBuffer(size, &output)) {
        job->streamed = true;
        return;
    }
    if (!ReadSourceExactly(source, input.data.get(), size)) {
        job->result = PackUnreadableFile;
        return;
    }
    job->crc = UpdateCrc32(0, input.data.get(), size);
    size_t compressed = 0;
    bool deflated = DeflateIfSmaller(input.data.get(), size, output.data.get(), &compressed);
    job->method = deflated ? ZipDeflated : ZipStored;
    job->compressedSize = deflated ? compressed : size;
    job->payload = std::move(deflated ? output : input);
}

void CompressJob(const SourceFile& file, Job* job)
{
    HANDLE source = OpenSourceFile(file.path);
    if (source == INVALID_HANDLE_VALUE) {
        job->result = PackUnreadableFile;
        return;
    }
    // The size of the open file counts: it may have grown since the listing.
    if (!SourceFileSize(source, &job->size))
        job->result = PackUnreadableFile;
    else if (job->size > kInMemoryLimit)
        job->streamed = true;
    else
        ReadAndCompress(source, job);
    CloseHandle(source);
}

void RunWorker(Queue* queue)
{
    for (;;) {
        size_t index = 0;
        {
            std::unique_lock<std::mutex> guard(queue->lock);
            queue->changed.wait(guard, [queue] { return WorkerMayProceed(queue); });
            if (queue->stopping || queue->nextClaim == queue->jobs.size()) return;
            index = queue->nextClaim++;
            Job& job = queue->jobs[index];
            job.state = JobClaimed;
            job.held = (*queue->files)[index].size;
            queue->held += job.held;
        }
        CompressJob((*queue->files)[index], &queue->jobs[index]);
        {
            std::lock_guard<std::mutex> guard(queue->lock);
            queue->jobs[index].state = JobReady;
        }
        queue->changed.notify_all();
    }
}

// Waits until job index is ready; when no worker has claimed it yet, the writer
// compresses it itself rather than wait.
void TakeJob(Queue* queue, size_t index)
{
    Job& job = queue->jobs[index];
    {
        std::unique_lock<std::mutex> guard(queue->lock);
        SkipStreamed(queue);
        if (queue->nextClaim != index) {
            queue->changed.wait(guard, [&job] { return job.state == JobReady; });
            return;
        }
        ++queue->nextClaim;
        job.state = JobClaimed;
    }
    CompressJob((*queue->files)[index], &job);
    job.state = JobReady;
}

void ReleaseJob(Queue* queue, size_t index)
{
    Job& job = queue->jobs[index];
    job.payload = ByteBuffer();
    {
        std::lock_guard<std::mutex> guard(queue->lock);
        queue->held -= job.held;
        job.held = 0;
    }
    queue->changed.notify_all();
}

PackResult WriteJob(Archive* archive, const SourceFile& file, const Job& job)
{
    ZipEntry entry = file.entry;
    entry.method = job.method;
    entry.crc = job.crc;
    entry.size = static_cast<uint32_t>(job.size);
    entry.compressedSize = static_cast<uint32_t>(job.compressedSize);
    return AppendEntry(archive, entry, job.payload.data.get());
}

PackResult WriteInOrder(Queue* queue, Archive* archive, StreamBuffers* buffers, std::wstring* failedPath)
{
    const std::vector<SourceFile>& files = *queue->files;
    for (size_t index = 0; index < files.size(); ++index) {
        Job& job = queue->jobs[index];
        PackResult result = PackWritten;
        if (!job.large) {
            TakeJob(queue, index);
            result = job.result;
            if (result == PackWritten && !job.streamed) result = WriteJob(archive, files[index], job);
            ReleaseJob(queue, index);
        }
        if (result == PackWritten && (job.large || job.streamed))
            result = StreamEntry(archive, files[index], buffers);
        if (result != PackWritten) {
            *failedPath = files[index].path;
            return result;
        }
    }
    return PackWritten;
}

unsigned WorkerCount()
{
    unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : (cores > kMostWorkers ? kMostWorkers : cores);
}

PackResult RunQueue(Queue* queue, Archive* archive, StreamBuffers* buffers, std::wstring* failedPath)
{
    std::vector<std::thread> workers;
    PackResult result = PackUnwritableOutput;
    try {
        // Fewer workers than asked for (or none) only cost time: the writer takes up the slack.
        try {
            for (unsigned i = WorkerCount(); i > 0; --i) workers.emplace_back(RunWorker, queue);
        } catch (...) {
        }
        result = WriteInOrder(queue, archive, buffers, failedPath);
    } catch (...) {
        // Out of memory for the list of entries: the package cannot be made.
        result = PackUnwritableOutput;
    }
    {
        std::lock_guard<std::mutex> guard(queue->lock);
        queue->stopping = true;
    }
    queue->changed.notify_all();
    for (std::thread& worker : workers) worker.join();
    return result;
}

}  // namespace

PackResult PackFiles(Archive* archive, const std::vector<SourceFile>& files, std::wstring* failedPath)
{
    StreamBuffers buffers;
    if (!AllocateStreamBuffers(&buffers)) return PackUnwritableOutput;
    Queue queue;
    queue.files = &files;
    queue.jobs.resize(files.size());
    for (size_t i = 0; i < files.size(); ++i) queue.jobs[i].large = files[i].size > kInMemoryLimit;
    queue.nextClaim = 0;
    queue.held = 0;
    queue.stopping = false;
    return RunQueue(&queue, archive, &buffers, failedPath);
}
