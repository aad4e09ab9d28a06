// The folder walk's terminator: each time the walk asks whether to stop,
// it writes a heartbeat to the engine and waits for the file-check mutex,
// so that a front-end asking the user holds the walk; a stop request then
// ends the feeder with SilentExit.
#pragma once

#include "KyConTool/Args/FileNameIterator.h"
#include "KyReplace/Console/Engine/FileListWriter.h"

namespace Kyvant {

class ReplaceNamedObjects;

class HeartbeatTerminator : public ky_filename_argv_iterator::Terminator {
public:
    HeartbeatTerminator(FileListWriter& out, ReplaceNamedObjects& objects)
        : out_(out), objects_(objects)
    {
    }
    void CheckTerminate() override;

private:
    FileListWriter& out_;
    ReplaceNamedObjects& objects_;
};

} // namespace Kyvant
