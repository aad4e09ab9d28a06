// Watching folders for changes: one worker thread per drive waits on the
// change notifications of its drive's folders and calls the folder's handler.
// One wait covers at most 30 folders per drive; beyond that, watches are
// merged into subtree watches of common ancestor folders.
#pragma once

#include "KyStd/Files/FileName.h"
#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {
namespace Win32 {

// The record of one drive: its worker, its events and its watched folders.
class DriveHandlerDef;

// What a watch calls. The caller owns the handler and keeps it alive while
// it is registered; one handler may serve folders on several drives, and is
// then called from several worker threads.
class KYSTD_API ChangeHandler {
public:
    virtual ~ChangeHandler();
    // The waitable handle that signals a change of the folder; null or
    // INVALID_HANDLE_VALUE when the folder cannot be watched. The base uses
    // FindFirstChangeNotificationA.
    virtual HANDLE CreateNotificationHandle(const char* folder, bool subtree, DWORD filter);
    // The watch of other was merged into this handler's watch.
    virtual void OnMerged(ChangeHandler* other) = 0;
    // Keeps the place of an operation that the library never calls, so the
    // virtual table keeps its layout for the handlers built against it.
    virtual void Reserved() = 0;
    // The folder changed; called on the drive's worker thread. False stops
    // watching the folder.
    virtual bool OnChange(const ky_F& folder, DriveHandlerDef& drive) = 0;
};

class KYSTD_API FileChangeManager {
public:
    // A manager created paused delivers nothing until Resume; changes that
    // happen meanwhile are delivered then.
    explicit FileChangeManager(bool startPaused);
    // Stops every worker and waits for it. Must not run on a worker thread.
    ~FileChangeManager();
    FileChangeManager(const FileChangeManager&) = delete;
    FileChangeManager& operator=(const FileChangeManager&) = delete;

    // Watches folder (which must have a drive part) for the FILE_NOTIFY_CHANGE_*
    // bits of filter. Returns the handler that now serves the folder: the
    // given one, the one already registered for the folder, or the one whose
    // watch it was merged into.
    ChangeHandler* RegisterChangeHandler(const ky_F& folder, ChangeHandler* handler, DWORD filter,
                                         bool subtree);
    // The handler watching exactly folder, or null. key becomes folder ended
    // by '\' (unless it ends in a path character), and the stored spelling
    // when found. A folder without a drive part throws std::runtime_error
    // "FindChangeHandler: Missing drive in: " followed by the folder.
    ChangeHandler* FindChangeHandler(const ky_F& folder, ky_F& key);

    // Holds delivery on every drive until Resume; changes stay pending.
    void Pause();
    void Resume();

private:
    class Impl;
    Impl* impl_;
};

} // namespace Win32
} // namespace Kyvant
