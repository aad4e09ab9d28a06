// The worker thread of one drive: waits on the stop and wake events and on
// the change notifications of the drive's folders, and calls the handlers.
// Handlers and notification handles are created and called without the
// drive's lock held, so a handler may use the manager.
#include "KyStd/Core/Errors.h"
#include "KyStd/Files/FileChangeDrive.h"
#include "KyStd/Files/FileNameChars.h"

#include <vector>

namespace Kyvant {
namespace Win32 {

namespace {

// True when path lies below folder (a key ending in a separator).
bool Inside(const ky_F& path, const ky_F& folder)
{
    if (path.length() <= folder.length())
        return false;
    for (unsigned i = 0; i < folder.length(); ++i) {
        if (!FileCharEq(path[i], folder[i]))
            return false;
    }
    return true;
}

struct Slot {
    ky_F folder;
    ChangeNotification handle;
};

// A watch that still needs its notification handle.
struct Need {
    ky_F folder;
    ChangeHandler* handler;
    bool subtree;
    DWORD filter;
    ChangeNotification made;
};

class Worker {
public:
    explicit Worker(DriveHandlerDef& drive) : d_(drive) {}

    // Returns when the drive is stopped or has no watch left; the running
    // flag is cleared under the same lock that saw the reason.
    void Run()
    {
        if (WaitForSingleObject(d_.stop.get(), 0) == WAIT_OBJECT_0)
            return Finish();
        for (;;) {
            MakeHandles();
            std::vector<ky_F> pending;
            bool paused;
            {
                CritSecLock hold(d_.lock);
                if (d_.rebuild || HandlesMissing())
                    continue; // the list changed while handles were made
                if (d_.folders.empty()) {
                    d_.running = false;
                    return;
                }
                BuildWait();
                paused = d_.paused;
                if (!paused)
                    TakePending(pending);
            }
            if (paused) {
                HANDLE events[2] = {d_.stop.get(), d_.wake.get()};
                DWORD r = WaitForMultipleObjects(2, events, FALSE, INFINITE);
                if (r == WAIT_OBJECT_0)
                    return Finish();
                if (r == WAIT_FAILED)
                    throw os_error();
                continue;
            }
            for (const ky_F& folder : pending)
                Deliver(folder, nullptr, false);
            if (!pending.empty())
                continue;

            DWORD r = WaitForMultipleObjects(count_, wait_, FALSE, INFINITE);
            if (r == WAIT_OBJECT_0)
                return Finish();
            if (r == WAIT_FAILED)
                throw os_error();
            if (r >= WAIT_OBJECT_0 + 2 && r < WAIT_OBJECT_0 + count_) {
                const Slot slot = slots_[r - WAIT_OBJECT_0 - 2];
                Deliver(slot.folder, slot.handle.get(), true);
            }
            // The wake event, or anything else: look at the drive again.
        }
    }

    // Ends after a failure: the drive watches nothing any more.
    void Fail()
    {
        CritSecLock hold(d_.lock);
        d_.folders.clear();
        d_.running = false;
    }

private:
    void Finish()
    {
        CritSecLock hold(d_.lock);
        d_.running = false;
    }

    bool HandlesMissing() const
    {
        for (auto it = d_.folders.begin(); it != d_.folders.end(); ++it) {
            if (it->second.handle.empty())
                return true;
        }
        return false;
    }

    // Gives every watch without one its notification handle. A folder that
    // cannot be watched loses its own watch only.
    void MakeHandles()
    {
        std::vector<Need> needs;
        {
            CritSecLock hold(d_.lock);
            d_.rebuild = false;
            for (auto it = d_.folders.begin(); it != d_.folders.end(); ++it) {
                const HandlerDef& def = it->second;
                if (def.handle.empty())
                    needs.push_back({it->first, def.handler, def.subtree, def.filter, {}});
            }
        }
        for (Need& n : needs) {
            HANDLE h = nullptr;
            try {
                h = n.handler->CreateNotificationHandle(n.folder.c_str(), n.subtree, n.filter);
            } catch (...) {
                h = nullptr;
            }
            if (h != nullptr && h != INVALID_HANDLE_VALUE)
                n.made.attach(h);
        }
        CritSecLock hold(d_.lock);
        for (Need& n : needs) {
            auto it = d_.folders.find(n.folder);
            if (it == d_.folders.end())
                continue;
            HandlerDef& def = it->second;
            // Only for the watch the handle was made for; a watch changed
            // meanwhile gets its own handle on the next round.
            if (!def.handle.empty() || def.handler != n.handler || def.subtree != n.subtree ||
                def.filter != n.filter)
                continue;
            if (n.made.empty())
                d_.folders.erase(it);
            else
                def.handle = n.made;
        }
    }

    void BuildWait()
    {
        slots_.clear();
        wait_[0] = d_.stop.get();
        wait_[1] = d_.wake.get();
        count_ = 2;
        for (auto it = d_.folders.begin(); it != d_.folders.end() && count_ < kWaitPlaces; ++it) {
            slots_.push_back({it->first, it->second.handle});
            wait_[count_++] = it->second.handle.get();
        }
    }

    void TakePending(std::vector<ky_F>& pending)
    {
        for (auto it = d_.folders.begin(); it != d_.folders.end(); ++it) {
            if (it->second.pending) {
                it->second.pending = false;
                pending.push_back(it->first);
            }
        }
    }

    // Calls the handler of folder's watch, when the watch still has the
    // handle that signalled (any handle when expected is null). Renews the
    // notification first, so a change during the call is not lost. The watch
    // ends when the handler answers false (or throws) or cannot be renewed.
    void Deliver(const ky_F& folder, HANDLE expected, bool renew)
    {
        ChangeHandler* handler = nullptr;
        HANDLE h = nullptr;
        {
            CritSecLock hold(d_.lock);
            auto it = d_.folders.find(folder);
            if (it == d_.folders.end() || (expected && it->second.handle.get() != expected))
                return;
            handler = it->second.handler;
            h = it->second.handle.get();
        }
        bool renewed = !renew || FindNextChangeNotification(h) != FALSE;
        if (!Notify(handler, folder) || !renewed)
            RemoveWatch(folder, h);
    }

    bool Notify(ChangeHandler* handler, const ky_F& folder)
    {
        try {
            return handler->OnChange(folder, d_);
        } catch (...) {
            return false; // a failing handler ends its own watch only
        }
    }

    // Ends the watch of folder, then tells the watches inside it whose folder
    // is gone without their own handle having seen it.
    void RemoveWatch(const ky_F& folder, HANDLE h)
    {
        struct Gone {
            ky_F folder;
            ChangeHandler* handler;
            HANDLE handle;
        };
        std::vector<Gone> gone;
        {
            CritSecLock hold(d_.lock);
            auto it = d_.folders.find(folder);
            if (it == d_.folders.end() || it->second.handle.get() != h)
                return;
            const ky_F key = it->first;
            d_.folders.erase(it);
            d_.rebuild = true;
            for (auto in = d_.folders.upper_bound(key); in != d_.folders.end(); ++in) {
                const ky_F& sub = in->first;
                if (!Inside(sub, key))
                    break;
                HANDLE subHandle = in->second.handle.get();
                bool quiet = !subHandle || WaitForSingleObject(subHandle, 0) == WAIT_TIMEOUT;
                if (quiet && GetFileAttributesA(sub.c_str()) == INVALID_FILE_ATTRIBUTES)
                    gone.push_back({sub, in->second.handler, subHandle});
            }
        }
        for (const Gone& g : gone) {
            if (!Notify(g.handler, g.folder)) {
                CritSecLock hold(d_.lock);
                auto it = d_.folders.find(g.folder);
                if (it != d_.folders.end() && it->second.handle.get() == g.handle) {
                    d_.folders.erase(it);
                    d_.rebuild = true;
                }
            }
        }
    }

    DriveHandlerDef& d_;
    std::vector<Slot> slots_;
    HANDLE wait_[kWaitPlaces] = {};
    DWORD count_ = 0;
};

} // namespace

unsigned __stdcall DriveWorker(void* drive)
{
    Worker worker(*static_cast<DriveHandlerDef*>(drive));
    try {
        worker.Run();
    } catch (...) {
        worker.Fail();
    }
    return 0;
}

} // namespace Win32
} // namespace Kyvant
