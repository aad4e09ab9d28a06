// Tests of shared ownership: the singleton registry, process singletons, handles and rc_ptr.
#include "KyStd/Core/BasicHandle.h"
#include "KyStd/Core/ProcessSingleton.h"
#include "KyStd/Core/RcPtr.h"
#include "KyStd/Core/RefCount.h"
#include "KyStd/Core/StaticDataManager.h"
#include "peer/KyStdPeer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace Kyvant;

namespace {

struct Tracked {
    static std::atomic<int> deletes;
    ~Tracked() { ++deletes; }
};
std::atomic<int> Tracked::deletes{0};

struct NeverInserted {};

} // namespace

TEST(StaticDataManager, AbsentTypeIsNullAndEraseIsNoOp)
{
    EXPECT_EQ(StaticDataManager::find(typeid(NeverInserted)), nullptr);
    StaticDataManager::erase(typeid(NeverInserted));
    EXPECT_EQ(StaticDataManager::find(typeid(NeverInserted)), nullptr);
}

TEST(StaticDataManager, InsertFindEraseRoundTrip)
{
    struct Local {};
    int object = 0;
    StaticDataManager::insert(typeid(Local), &object);
    EXPECT_EQ(StaticDataManager::find(typeid(Local)), &object);
    StaticDataManager::erase(typeid(Local));
    EXPECT_EQ(StaticDataManager::find(typeid(Local)), nullptr);
}

TEST(ProcessSingleton, OneObjectPerTypeAcrossModules)
{
    KyStdPeer::Probe* mine = &ProcessSingleton<KyStdPeer::Probe>::Get();
    EXPECT_EQ(KyStdPeer::SingletonProbe(), mine);
    mine->value = 42;
    EXPECT_EQ(KyStdPeer::SingletonProbe()->value, 42);
    EXPECT_EQ(StaticDataManager::find(typeid(KyStdPeer::Probe)) != nullptr, true);
}

TEST(KyHandle, LastOfThreeCopiesDestroysOnce)
{
    Tracked::deletes = 0;
    {
        ky_handle<Tracked> a(new RefCountedObject<Tracked>());
        {
            ky_handle<Tracked> b(a);
            ky_handle<Tracked> c;
            c = b;
            c = c; // self-assignment is harmless
            EXPECT_EQ(a.holder()->Count(), 3);
        }
        EXPECT_EQ(Tracked::deletes, 0);
        EXPECT_EQ(a.holder()->Count(), 1);
    }
    EXPECT_EQ(Tracked::deletes, 1);
}

TEST(RcPtr, LastOfThreeOwnersDeletesOnce)
{
    Tracked::deletes = 0;
    {
        rc_ptr<Tracked> a(new Tracked);
        rc_ptr<Tracked> b(a);
        {
            rc_ptr<Tracked> c;
            c = a;
            a = a;
            a = c; // already the same pointee
            EXPECT_EQ(c.get(), a.get());
            EXPECT_FALSE(a.unique());
        }
        a.release();
        EXPECT_EQ(Tracked::deletes, 0);
        EXPECT_TRUE(b.unique());
    }
    EXPECT_EQ(Tracked::deletes, 1);
}

TEST(RcPtr, ReassigningDropsThePreviousPointee)
{
    Tracked::deletes = 0;
    rc_ptr<Tracked> a(new Tracked);
    rc_ptr<Tracked> b(new Tracked);
    a = b;
    EXPECT_EQ(Tracked::deletes, 1);
    b.reset();
    EXPECT_EQ(Tracked::deletes, 1);
    a.reset();
    EXPECT_EQ(Tracked::deletes, 2);
}

TEST(RcPtr, EightThreadsCopyAndDropAcrossModules)
{
    KyStdPeer::Counted::deletes = 0;
    {
        rc_ptr<KyStdPeer::Counted> shared(new KyStdPeer::Counted);
        KyStdPeer::Keep(shared);
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t) {
            threads.emplace_back([&shared, t] {
                for (int i = 0; i < 2000; ++i) {
                    if ((i + t) % 2 == 0) {
                        rc_ptr<KyStdPeer::Counted> local(shared);
                        rc_ptr<KyStdPeer::Counted> other;
                        other = local;
                    } else {
                        KyStdPeer::CopyAndDrop(shared, 1);
                    }
                }
            });
        }
        for (auto& th : threads)
            th.join();
        EXPECT_EQ(KyStdPeer::Counted::deletes, 0);
    }
    EXPECT_EQ(KyStdPeer::Counted::deletes, 0); // the peer still holds a copy
    KyStdPeer::ReleaseKept();
    EXPECT_EQ(KyStdPeer::Counted::deletes, 1);
}

TEST(BasicHandle, LastCopyClosesTheHandle)
{
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(event, nullptr);
    DWORD flags = 0;
    {
        Win32::BasicHandle<HANDLE> a(event);
        Win32::BasicHandle<HANDLE> b(a);
        {
            Win32::BasicHandle<HANDLE> c;
            c = b;
        }
        a.close();
        EXPECT_TRUE(GetHandleInformation(event, &flags));
        EXPECT_EQ(b.get(), event);
    }
    SetLastError(0);
    EXPECT_FALSE(GetHandleInformation(event, &flags));
    Win32::BasicHandle<HANDLE> empty;
    EXPECT_TRUE(empty.empty());
}
