// The folder-change manager: its drives' workers, registering and finding handlers, pausing.
#include "KyStd/Files/FileChangeManager.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Files/FileChangeDrive.h"

#include <stdexcept>
#include <vector>

namespace Kyvant {
namespace Win32 {

ChangeHandler::~ChangeHandler() {}

HANDLE ChangeHandler::CreateNotificationHandle(const char* folder, bool subtree, DWORD filter)
{
    return FindFirstChangeNotificationA(folder, subtree ? TRUE : FALSE, filter);
}

class FileChangeManager::Impl {
public:
    explicit Impl(bool startPaused) : paused_(startPaused) {}
    ~Impl()
    {
        {
            CritSecLock hold(lock_);
            for (auto it = drives_.begin(); it != drives_.end(); ++it)
                it->second->stop.Set();
        }
        // Without the manager's lock: a handler still running may use it.
        for (auto it = drives_.begin(); it != drives_.end(); ++it) {
            if (!it->second->worker.empty())
                WaitForSingleObject(it->second->worker.get(), INFINITE);
        }
        for (auto it = drives_.begin(); it != drives_.end(); ++it)
            delete it->second;
    }

    ChangeHandler* Register(const ky_F& folder, ChangeHandler* handler, DWORD filter, bool subtree)
    {
        if (!handler)
            throw std::invalid_argument("RegisterChangeHandler: no handler");
        ky_F key = FolderKey(folder);
        ky_F root = DriveRoot(key, "RegisterChangeHandler: Missing drive in: ", folder);

        ChangeHandler* result = handler;
        std::vector<MergeNotice> notices;
        {
            CritSecLock hold(lock_);
            DriveHandlerDef& drive = Drive(root);
            CritSecLock holdDrive(drive.lock);
            HandlerDef def;
            def.handler = handler;
            def.subtree = subtree;
            def.filter = filter;
            auto inserted = drive.folders.insert(FolderMap::value_type(key, def));
            if (!inserted.second)
                result = inserted.first->second.handler;
            MergeExcessWatches(drive, result, notices);
            drive.rebuild = true;
            if (drive.running)
                drive.wake.Set();
            else
                StartWorker(drive);
        }
        for (const MergeNotice& n : notices)
            n.into->OnMerged(n.from);
        return result;
    }

    ChangeHandler* Find(const ky_F& folder, ky_F& key)
    {
        key = FolderKey(folder);
        ky_F root = DriveRoot(key, "FindChangeHandler: Missing drive in: ", folder);
        CritSecLock hold(lock_);
        auto drive = drives_.find(root);
        if (drive == drives_.end())
            return nullptr;
        CritSecLock holdDrive(drive->second->lock);
        FolderMap& folders = drive->second->folders;
        auto it = folders.find(key);
        if (it == folders.end())
            return nullptr;
        key = it->first;
        return it->second.handler;
    }

    void Pause()
    {
        CritSecLock hold(lock_);
        if (paused_)
            return;
        paused_ = true;
        SetPausedEverywhere(true);
    }

    void Resume()
    {
        CritSecLock hold(lock_);
        paused_ = false;
        SetPausedEverywhere(false);
    }

private:
    static ky_F FolderKey(const ky_F& folder)
    {
        ky_F key = folder;
        key.DirSepTerminateIfNotPathCharTerminated('\\');
        return key;
    }

    static ky_F DriveRoot(const ky_F& key, const char* message, const ky_F& folder)
    {
        ky_F root = key;
        root.ToDrivePart(true);
        if (root.empty())
            ThrowRuntimeError(message, folder.c_str());
        return root;
    }

    DriveHandlerDef& Drive(const ky_F& root)
    {
        auto it = drives_.find(root);
        if (it != drives_.end())
            return *it->second;
        DriveHandlerDef* drive = new DriveHandlerDef(root, paused_);
        try {
            drives_.insert(DriveMap::value_type(root, drive));
        } catch (...) {
            delete drive;
            throw;
        }
        return *drive;
    }

    // Starts the drive's worker; called with the drive's lock held. A worker
    // that ended before is waited for first (it holds no lock by then).
    static void StartWorker(DriveHandlerDef& drive)
    {
        try {
            if (!drive.worker.empty())
                WaitForSingleObject(drive.worker.get(), INFINITE);
            drive.worker.Create(&DriveWorker, &drive, CREATE_SUSPENDED);
        } catch (...) {
            drive.folders.clear();
            throw;
        }
        try {
            drive.worker.SetPriority(THREAD_PRIORITY_LOWEST);
        } catch (...) {
            // The suspended thread sees the stop event and ends at once.
            drive.stop.Set();
            drive.worker.Resume();
            WaitForSingleObject(drive.worker.get(), INFINITE);
            drive.stop.Reset();
            drive.folders.clear();
            throw;
        }
        drive.running = true;
        drive.worker.Resume();
    }

    void SetPausedEverywhere(bool paused)
    {
        for (auto it = drives_.begin(); it != drives_.end(); ++it) {
            DriveHandlerDef& drive = *it->second;
            CritSecLock holdDrive(drive.lock);
            drive.paused = paused;
            drive.wake.Set();
        }
    }

    using DriveMap = ky_map<ky_F, DriveHandlerDef*>;

    CritSec lock_;
    bool paused_;
    DriveMap drives_;
};

FileChangeManager::FileChangeManager(bool startPaused) : impl_(new Impl(startPaused)) {}

FileChangeManager::~FileChangeManager()
{
    delete impl_;
}

ChangeHandler* FileChangeManager::RegisterChangeHandler(const ky_F& folder, ChangeHandler* handler,
                                                        DWORD filter, bool subtree)
{
    return impl_->Register(folder, handler, filter, subtree);
}

ChangeHandler* FileChangeManager::FindChangeHandler(const ky_F& folder, ky_F& key)
{
    return impl_->Find(folder, key);
}

void FileChangeManager::Pause()
{
    impl_->Pause();
}

void FileChangeManager::Resume()
{
    impl_->Resume();
}

} // namespace Win32
} // namespace Kyvant
