// Tests of folder-change watching: keys, merged watches, delivery, ending watches, pausing.
#include "KyStd/Files/FileChangeManager.h"
#include "ShellTestUtil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using namespace Kyvant;
using ShellTest::TempFolder;
using Win32::ChangeHandler;
using Win32::FileChangeManager;

namespace {

const DWORD kFilter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE;
const DWORD kArrives = 5000; // Wine delivers notifications asynchronously
const DWORD kHeld = 700;     // how long a held or ended watch must stay silent

struct Created {
    std::string folder;
    bool subtree;
    DWORD filter;
};

// Records what the manager asks of it. With fake handles nothing on disk is
// watched: each watch gets an event that is never set.
class Recorder : public ChangeHandler {
public:
    explicit Recorder(bool answer = true, bool fake = false) : answer_(answer), fake_(fake) {}
    ~Recorder() override
    {
        CloseHandle(called_);
        CloseHandle(armed_);
    }
    HANDLE CreateNotificationHandle(const char* folder, bool subtree, DWORD filter) override
    {
        HANDLE h = fake_ ? CreateEventA(nullptr, TRUE, FALSE, nullptr)
                         : ChangeHandler::CreateNotificationHandle(folder, subtree, filter);
        std::lock_guard<std::mutex> hold(mutex);
        created.push_back({folder, subtree, filter});
        SetEvent(armed_);
        return h;
    }
    void OnMerged(ChangeHandler* other) override
    {
        std::lock_guard<std::mutex> hold(mutex);
        merged.push_back(other);
    }
    void Reserved() override { ++reservedCalls; }
    bool OnChange(const ky_F& folder, Win32::DriveHandlerDef&) override
    {
        std::lock_guard<std::mutex> hold(mutex);
        folders.push_back(folder.c_str());
        thread = GetCurrentThreadId();
        priority = GetThreadPriority(GetCurrentThread());
        ++calls;
        SetEvent(called_);
        return answer_;
    }
    bool Armed() const { return WaitForSingleObject(armed_, kArrives) == WAIT_OBJECT_0; }
    bool Called(DWORD ms = kArrives) const
    {
        return WaitForSingleObject(called_, ms) == WAIT_OBJECT_0;
    }

    std::mutex mutex; // guards everything below
    std::vector<Created> created;
    std::vector<ChangeHandler*> merged;
    std::vector<std::string> folders;
    DWORD thread = 0;
    int priority = 0;
    std::atomic<int> calls{0};
    std::atomic<int> reservedCalls{0};

private:
    bool answer_, fake_;
    HANDLE called_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE armed_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
};

void Touch(const std::string& folder, const std::string& file)
{
    ShellTest::WriteFileText(folder + "\\" + file, "x");
}

// Waits for the condition; false after the time-out.
template <class F>
bool Eventually(F condition)
{
    for (DWORD waited = 0; !condition(); waited += 20) {
        if (waited >= kArrives)
            return false;
        Sleep(20);
    }
    return true;
}

bool Forgotten(FileChangeManager& m, const std::string& folder)
{
    ky_F key;
    return Eventually([&] { return !m.FindChangeHandler(folder.c_str(), key); });
}

std::string ErrorOf(std::function<void()> f)
{
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

// The slot of a virtual operation in its class's virtual table. This
// compiler follows the Itanium C++ ABI, where a pointer to a virtual member
// holds one more than the byte offset of the slot.
template <class F>
int SlotOf(F member)
{
    struct {
        std::uintptr_t pointer;
        std::ptrdiff_t adjustment;
    } held;
    static_assert(sizeof member == sizeof held, "pointer to member layout");
    std::memcpy(&held, &member, sizeof held);
    return held.pointer & 1 ? static_cast<int>((held.pointer - 1) / sizeof(void*)) : -1;
}

} // namespace

TEST(ChangeHandler, VirtualTableKeepsItsFiveOperationsInOrder)
{
    // The virtual destructor takes the first two slots (complete and deleting).
    const struct {
        const char* operation;
        int slot, expected;
    } cases[] = {
        {"CreateNotificationHandle", SlotOf(&ChangeHandler::CreateNotificationHandle), 2},
        {"OnMerged", SlotOf(&ChangeHandler::OnMerged), 3},
        {"Reserved", SlotOf(&ChangeHandler::Reserved), 4},
        {"OnChange", SlotOf(&ChangeHandler::OnChange), 5},
        {"OnChange of a derived handler", SlotOf(&Recorder::OnChange), 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, c.slot) << c.operation;
}

TEST(FileChangeManager, FindChangeHandlerNormalisesItsKey)
{
    Recorder a(true, true), b(true, true);
    FileChangeManager m(false);
    EXPECT_EQ(&a, m.RegisterChangeHandler("C:\\kyv\\a", &a, kFilter, false));
    EXPECT_EQ(&a, m.RegisterChangeHandler("c:/KYV/A/", &b, kFilter, true)) << "already watched";
    const struct {
        const char* folder;
        ChangeHandler* handler;
        const char* key;
    } cases[] = {
        {"c:/kyv/a", &a, "C:\\kyv\\a\\"},
        {"C:\\KYV\\A\\", &a, "C:\\kyv\\a\\"},
        {"c:/a", nullptr, "c:/a\\"},
        {"D:\\kyv\\a", nullptr, "D:\\kyv\\a\\"},
    };
    for (const auto& c : cases) {
        ky_F key("stale");
        EXPECT_EQ(c.handler, m.FindChangeHandler(c.folder, key)) << c.folder;
        EXPECT_STREQ(c.key, key.c_str()) << c.folder;
    }
    ky_F key;
    EXPECT_EQ("FindChangeHandler: Missing drive in: a\\b",
              ErrorOf([&] { m.FindChangeHandler("a\\b", key); }));
    EXPECT_EQ("RegisterChangeHandler: Missing drive in: rel",
              ErrorOf([&] { m.RegisterChangeHandler("rel", &a, kFilter, false); }));
    EXPECT_NE("", ErrorOf([&] { m.RegisterChangeHandler("C:\\kyv\\b", nullptr, kFilter, false); }));
}

TEST(FileChangeManager, ThirtyOneFoldersMergeIntoACommonAncestor)
{
    std::vector<std::unique_ptr<Recorder>> h;
    Recorder deep(true, true);
    FileChangeManager m(false);
    for (int i = 0; i < 30; ++i) {
        h.emplace_back(new Recorder(true, true));
        DWORD filter = i == 29 ? FILE_NOTIFY_CHANGE_FILE_NAME : FILE_NOTIFY_CHANGE_SIZE;
        std::string folder = "C:\\kyv\\a\\f" + std::to_string(10 + i);
        ASSERT_EQ(h[i].get(), m.RegisterChangeHandler(folder.c_str(), h[i].get(), filter, false));
    }
    Recorder& f39 = *h[29];
    EXPECT_EQ(&f39, m.RegisterChangeHandler("C:\\kyv\\a\\f40\\deep", &deep,
                                            FILE_NOTIFY_CHANGE_LAST_WRITE, false))
        << "the deepest watch went into f39's, which now serves the folder";
    EXPECT_EQ(std::vector<ChangeHandler*>{&deep}, f39.merged);

    ky_F key;
    EXPECT_EQ(&f39, m.FindChangeHandler("C:\\kyv\\a", key)) << "moved to the common ancestor";
    EXPECT_EQ(nullptr, m.FindChangeHandler("C:\\kyv\\a\\f39", key));
    EXPECT_EQ(nullptr, m.FindChangeHandler("C:\\kyv\\a\\f40\\deep", key));
    for (int i = 0; i < 29; ++i)
        EXPECT_EQ(h[i].get(),
                  m.FindChangeHandler(("C:\\kyv\\a\\f" + std::to_string(10 + i)).c_str(), key));

    Created made = {};
    ASSERT_TRUE(Eventually([&] {
        std::lock_guard<std::mutex> hold(f39.mutex);
        for (const Created& c : f39.created)
            if (c.folder == "C:\\kyv\\a\\")
                return made = c, true;
        return false;
    }));
    EXPECT_TRUE(made.subtree);
    EXPECT_EQ(DWORD(FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE), made.filter);
}

TEST(FileChangeManager, ChangesReachTheHandlerOnALowPriorityWorker)
{
    TempFolder tmp("kyfcm-deliver");
    std::string x = tmp.Sub("x"), y = tmp.Sub("y");
    Recorder hx, hy, hm;
    FileChangeManager m(false);
    m.RegisterChangeHandler(x.c_str(), &hx, kFilter, false);
    ASSERT_TRUE(hx.Armed());
    m.RegisterChangeHandler(y.c_str(), &hy, kFilter, false); // joins the running worker's wait
    ASSERT_TRUE(hy.Armed());
    // A folder that cannot be watched loses its own watch only.
    std::string missing = tmp.path() + "\\missing";
    m.RegisterChangeHandler(missing.c_str(), &hm, kFilter, false);
    ASSERT_TRUE(hm.Armed());
    EXPECT_TRUE(Forgotten(m, missing));
    Touch(y, "new.txt");
    ASSERT_TRUE(hy.Called());
    Touch(x, "new.txt");
    ASSERT_TRUE(hx.Called());

    for (Recorder* h : {&hx, &hy, &hm})
        EXPECT_EQ(0, h->reservedCalls);
    std::lock_guard<std::mutex> hold(hx.mutex);
    EXPECT_EQ(THREAD_PRIORITY_LOWEST, hx.priority);
    EXPECT_NE(GetCurrentThreadId(), hx.thread);
    EXPECT_STRCASEEQ((x + "\\").c_str(), hx.folders.at(0).c_str());
}

TEST(FileChangeManager, AWatchEndsWhenItsHandlerSaysSoAndTheWorkerComesBack)
{
    TempFolder tmp("kyfcm-end");
    std::string x = tmp.Sub("x"), y = tmp.Sub("y");
    Recorder once(false), later;
    FileChangeManager m(false);
    m.RegisterChangeHandler(x.c_str(), &once, kFilter, false);
    ASSERT_TRUE(once.Armed());
    Touch(x, "1.txt");
    ASSERT_TRUE(once.Called());
    ASSERT_TRUE(Forgotten(m, x));

    // The worker ended with its last watch; registering brings one back.
    m.RegisterChangeHandler(y.c_str(), &later, kFilter, false);
    ASSERT_TRUE(later.Armed());
    Touch(x, "2.txt");
    Touch(y, "2.txt");
    ASSERT_TRUE(later.Called());
    EXPECT_FALSE(once.Called(kHeld));
    EXPECT_EQ(1, once.calls);
}

TEST(FileChangeManager, RemovingAWatchTellsTheGoneFoldersInsideIt)
{
    TempFolder tmp("kyfcm-gone");
    std::string x = tmp.Sub("x"), sub = tmp.Sub("x\\sub"), keep = tmp.Sub("x\\keep");
    Recorder hx(false), hSub(false, true), hKeep(true, true); // sub's own handle never fires
    FileChangeManager m(false);
    m.RegisterChangeHandler(x.c_str(), &hx, FILE_NOTIFY_CHANGE_FILE_NAME, false);
    m.RegisterChangeHandler(sub.c_str(), &hSub, kFilter, false);
    m.RegisterChangeHandler(keep.c_str(), &hKeep, kFilter, false);
    ASSERT_TRUE(hx.Armed() && hSub.Armed() && hKeep.Armed());

    ASSERT_TRUE(RemoveDirectoryA(sub.c_str()));
    Touch(x, "new.txt");
    ASSERT_TRUE(hx.Called());
    ASSERT_TRUE(hSub.Called()) << "the gone sub-folder hears of it";
    EXPECT_STRCASEEQ((sub + "\\").c_str(), hSub.folders.at(0).c_str());
    EXPECT_TRUE(Forgotten(m, sub));
    ky_F key;
    EXPECT_EQ(&hKeep, m.FindChangeHandler(keep.c_str(), key)) << "an existing one stays";
    EXPECT_EQ(0, hKeep.calls);
}

TEST(FileChangeManager, PauseHoldsDeliveryUntilResumeAndAPausedManagerEnds)
{
    for (bool startPaused : {false, true}) {
        TempFolder tmp("kyfcm-pause");
        std::string x = tmp.Sub("x");
        Recorder h;
        auto* m = new FileChangeManager(startPaused);
        m->RegisterChangeHandler(x.c_str(), &h, kFilter, false);
        ASSERT_TRUE(h.Armed()) << startPaused;
        for (int round = 0; round < 2; ++round) {
            if (!startPaused || round > 0) {
                m->Pause();
                m->Pause();
            }
            Touch(x, "f" + std::to_string(round) + ".txt");
            EXPECT_FALSE(h.Called(kHeld)) << startPaused << " round " << round;
            m->Resume();
            EXPECT_TRUE(h.Called()) << startPaused << " round " << round;
        }
        m->Pause();
        Touch(x, "held.txt");
        HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        std::thread([m, done] {
            delete m;
            SetEvent(done);
        }).detach();
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(done, 10000)) << "destroyed while paused";
        CloseHandle(done);
        EXPECT_EQ(2, h.calls);
    }
}
