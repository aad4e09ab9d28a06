// Tests of named events, mutexes and semaphores, counted mutex locks, and the thread killer.
#include "ChildProgram.h"
#include "KyStd/Processes/Process.h"
#include "KyStd/Win32/MutexLock.h"
#include "KyStd/Win32/SharedMemory.h"
#include "KyStd/Win32/SyncObjects.h"
#include "KyStd/Win32/Thread.h"
#include "KyStd/Win32/ThreadKiller.h"

#include <gtest/gtest.h>
#include <process.h>

#include <functional>
#include <memory>
#include <vector>

using namespace Kyvant;
using namespace Kyvant::Win32;

namespace {

using Holder = std::shared_ptr<void>;

// One kind of named kernel object; openNoThrow is empty for a kind without
// the no-throw open, else it tells whether the object was found.
struct NamedKind {
    const char* kind;
    std::function<Holder(const char*)> create;
    std::function<Holder(const char*)> open;
    std::function<bool(const char*)> openNoThrow;
};

unsigned long ErrorCodeOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const os_error& e) {
        return e.code();
    }
    return 0;
}

} // namespace

TEST(NamedObjects, CreateIsExclusiveAndLeavesNothingOpenOnFailure)
{
    const NamedKind kinds[] = {
        {"event", [](const char* n) { return Holder(std::make_shared<Event>(true, n)); },
         [](const char* n) { return Holder(std::make_shared<Event>(KyOpen, n)); },
         [](const char* n) { return !Event(std::nothrow, KyOpen, n).empty(); }},
        {"mutex", [](const char* n) { return Holder(std::make_shared<Mutex>(n)); },
         [](const char* n) { return Holder(std::make_shared<Mutex>(KyOpen, n)); },
         [](const char* n) { return !Mutex(std::nothrow, KyOpen, n).empty(); }},
        {"semaphore", [](const char* n) { return Holder(std::make_shared<Semaphore>(0, 5, n)); },
         [](const char* n) { return Holder(std::make_shared<Semaphore>(KyOpen, n)); },
         [](const char* n) { return !Semaphore(std::nothrow, KyOpen, n).empty(); }},
        {"mapping",
         [](const char* n) { return Holder(std::make_shared<SharedMemory>(KyCreate, 100u, n)); },
         [](const char* n) { return Holder(std::make_shared<SharedMemory>(n)); }, nullptr},
    };
    for (const NamedKind& k : kinds) {
        SCOPED_TRACE(k.kind);
        std::string name = KyTest::UniqueName(std::string("excl_") + k.kind);
        const char* n = name.c_str();

        // A stale error code must not fail a good create.
        SetLastError(ERROR_ACCESS_DENIED);
        Holder first = k.create(n);
        EXPECT_EQ(ErrorCodeOf([&] { k.create(n); }), ERROR_ALREADY_EXISTS);
        EXPECT_TRUE(k.open(n));
        if (k.openNoThrow) {
            EXPECT_TRUE(k.openNoThrow(n));
        }

        // Had the failed create kept a handle, the name would still exist.
        first.reset();
        EXPECT_EQ(ErrorCodeOf([&] { k.open(n); }), ERROR_FILE_NOT_FOUND);
        if (k.openNoThrow) {
            EXPECT_FALSE(k.openNoThrow(n));
        }
        EXPECT_TRUE(k.create(n));
    }
}

TEST(NamedObjects, ChildOpensAndSetsTheParentsEvent)
{
    std::string name = KyTest::UniqueName("child_event");
    Event ev(true, name.c_str());
    const char* argv[] = {"os_child.exe", "setevent", name.c_str(), nullptr};
    CRT::Process child;
    child.Spawn(_P_NOWAIT, "os_child.exe", argv);
    ASSERT_EQ(WaitForSingleObject(ev.get(), 20000), WAIT_OBJECT_0);
    child.Wait();
    DWORD code = 99;
    child.GetExitCode(code);
    EXPECT_EQ(code, 0u);
}

namespace {

unsigned __stdcall TryMutex(void* mutex)
{
    return WaitForSingleObject(static_cast<HANDLE>(mutex), 0);
}

DWORD TryInOtherThread(const Mutex& mutex)
{
    Thread t;
    t.Create(TryMutex, mutex.get()).Wait();
    DWORD code = 99;
    t.GetExitCode(code);
    return code;
}

} // namespace

TEST(MutexLockTest, ReleasesEachCountedAcquisition)
{
    Mutex mutex(static_cast<const char*>(nullptr));
    {
        MutexLock lock(mutex);
        EXPECT_EQ(lock.Acquire(), WAIT_OBJECT_0);
        EXPECT_EQ(lock.Acquire(0), WAIT_OBJECT_0);
        EXPECT_EQ(TryInOtherThread(mutex), static_cast<DWORD>(WAIT_TIMEOUT));
    }
    EXPECT_EQ(TryInOtherThread(mutex), WAIT_OBJECT_0);
}

namespace {

unsigned __stdcall ReturnAtOnce(void*)
{
    return 0;
}

volatile LONG g_ended = 0;

unsigned __stdcall WaitForStop(void* stop)
{
    WaitForSingleObject(static_cast<HANDLE>(stop), INFINITE);
    Sleep(1);
    InterlockedIncrement(&g_ended);
    return 0;
}

} // namespace

TEST(ThreadKillerTest, WaitsForMoreThanOneBatchOfLiveThreadsAndSkipsEndedOnes)
{
    g_ended = 0;
    Event stop(true);
    ThreadKiller killer(stop);
    std::vector<Thread> threads(130);
    for (Thread& t : threads) {
        t.Create(WaitForStop, stop.get());
        killer.Insert(t);
    }
    for (int i = 0; i < 3; ++i) {
        Thread done;
        done.Create(ReturnAtOnce).Wait();
        killer.Insert(done);
    }
    killer.Kill();
    EXPECT_EQ(g_ended, 130);
    for (const Thread& t : threads) {
        DWORD code = 0;
        t.GetExitCode(code);
        ASSERT_NE(code, STILL_ACTIVE);
    }
    EXPECT_EQ(WaitForSingleObject(stop.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}
