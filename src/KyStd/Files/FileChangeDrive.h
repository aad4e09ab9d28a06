// The file change manager's record of one drive, shared by the manager
// (registration, pause and resume on the caller's threads) and the drive's
// worker thread. Everything in it is guarded by its lock, except the events
// and the thread handle, which are set up before the worker starts.
#pragma once

#include "KyStd/Containers/Map.h"
#include "KyStd/Core/CritSec.h"
#include "KyStd/Files/FileChangeManager.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Win32/BasicWaitableHandle.h"
#include "KyStd/Win32/SyncObjects.h"
#include "KyStd/Win32/Thread.h"

#include <windows.h>

#include <vector>

namespace Kyvant {
namespace Win32 {

struct ChangeNotificationTraits {
    static void Close(HANDLE h) { FindCloseChangeNotification(h); }
};
// A change-notification handle; copies share it, the last one closes it.
using ChangeNotification = BasicWaitableHandle<ChangeNotificationTraits>;

// One watched folder.
struct HandlerDef {
    ChangeHandler* handler = nullptr; // borrowed from the caller
    bool subtree = false;
    DWORD filter = 0;
    // Made by the worker; empty until then and after the watch changed.
    ChangeNotification handle;
    // A change seen on a handle that was replaced still waits for delivery.
    bool pending = false;
};

// Watched folders keyed by path ending in a separator, in file-name order.
using FolderMap = ky_map<ky_F, HandlerDef>;

// Places of a worker's wait: the stop event, the wake event, then folders.
constexpr unsigned kWaitPlaces = 32;
constexpr unsigned kMaxWatchesPerDrive = kWaitPlaces - 2;

class DriveHandlerDef {
public:
    DriveHandlerDef(const ky_F& driveRoot, bool startPaused)
        : root(driveRoot), stop(true), wake(false), paused(startPaused)
    {
    }
    DriveHandlerDef(const DriveHandlerDef&) = delete;
    DriveHandlerDef& operator=(const DriveHandlerDef&) = delete;

    const ky_F root;  // the drive part with its separator: 'C:\', '\\server\share\'
    const Event stop; // manual reset: the worker ends
    const Event wake; // auto reset: pause, resume, or the folder list changed
    Thread worker;
    CritSec lock;
    FolderMap folders;
    bool paused;
    bool rebuild = false; // folders changed since the worker built its wait
    bool running = false; // a worker thread serves the drive
};

// A merge of watch `from` into watch `into`, to be told to into's handler
// once the registration has released its locks.
struct MergeNotice {
    ChangeHandler* into;
    ChangeHandler* from;
};

// While the drive has more than kMaxWatchesPerDrive watches, merges its
// deepest watch into a watch of an ancestor. result follows the handler that
// serves the registered folder.
void MergeExcessWatches(DriveHandlerDef& drive, ChangeHandler*& result,
                        std::vector<MergeNotice>& notices);

// The drive's worker thread; its argument is the DriveHandlerDef.
unsigned __stdcall DriveWorker(void* drive);

} // namespace Win32
} // namespace Kyvant
