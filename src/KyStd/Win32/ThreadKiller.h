// Stops a group of worker threads: sets the event they watch and waits until
// every one of them has ended.
#pragma once

#include "KyStd/KyStdExport.h"
#include "KyStd/Win32/SyncObjects.h"
#include "KyStd/Win32/Thread.h"

#include <memory>

namespace Kyvant {
namespace Win32 {

class KYSTD_API ThreadKiller {
public:
    explicit ThreadKiller(const Event& stop);
    // Runs Kill; errors are swallowed.
    virtual ~ThreadKiller();
    ThreadKiller(const ThreadKiller&) = delete;
    ThreadKiller& operator=(const ThreadKiller&) = delete;

    void Insert(const Thread& thread);
    void Erase(const Thread& thread);

    // Sets the stop event, waits without time-out for every registered
    // thread that is still running (at most 64 handles per wait), then
    // resets the event and forgets all threads.
    virtual void Kill();

private:
    struct Threads;
    Event stop_;
    std::unique_ptr<Threads> threads_;
};

} // namespace Win32
} // namespace Kyvant
