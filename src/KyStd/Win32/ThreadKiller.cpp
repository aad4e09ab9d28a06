// Stopping a group of threads: the stop event set, then waits in batches until all have ended.
#include "KyStd/Win32/ThreadKiller.h"

#include "KyStd/Core/Errors.h"

#include <map>
#include <vector>

namespace Kyvant {
namespace Win32 {

// Registered threads, one entry per handle.
struct ThreadKiller::Threads {
    std::map<HANDLE, Thread> byHandle;
};

namespace {

void WaitForBatch(const std::vector<HANDLE>& batch)
{
    if (batch.empty())
        return;
    DWORD count = static_cast<DWORD>(batch.size());
    if (WaitForMultipleObjects(count, batch.data(), TRUE, INFINITE) == WAIT_FAILED)
        throw os_error();
}

} // namespace

ThreadKiller::ThreadKiller(const Event& stop) : stop_(stop), threads_(new Threads) {}

ThreadKiller::~ThreadKiller()
{
    try {
        Kill();
    } catch (...) {
    }
}

void ThreadKiller::Insert(const Thread& thread)
{
    threads_->byHandle.emplace(thread.get(), thread);
}

void ThreadKiller::Erase(const Thread& thread)
{
    threads_->byHandle.erase(thread.get());
}

void ThreadKiller::Kill()
{
    stop_.Set();
    std::vector<HANDLE> batch;
    batch.reserve(MAXIMUM_WAIT_OBJECTS);
    for (const auto& entry : threads_->byHandle) {
        DWORD code = 0;
        if (!GetExitCodeThread(entry.first, &code) || code != STILL_ACTIVE)
            continue;
        batch.push_back(entry.first);
        if (batch.size() == MAXIMUM_WAIT_OBJECTS) {
            WaitForBatch(batch);
            batch.clear();
        }
    }
    WaitForBatch(batch);
    stop_.Reset();
    threads_->byHandle.clear();
}

} // namespace Win32
} // namespace Kyvant
