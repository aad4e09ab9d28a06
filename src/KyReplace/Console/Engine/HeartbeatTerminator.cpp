// The walk's terminator: a heartbeat to the engine, the wait for the file-check mutex, a stop.
#include "KyReplace/Console/Engine/HeartbeatTerminator.h"

#include "KyReplace/Console/App/SilentExit.h"
#include "KyReplace/Console/FrontEnd/MutexHold.h"
#include "KyReplace/Console/FrontEnd/ReplaceNamedObjects.h"

namespace Kyvant {

void HeartbeatTerminator::CheckTerminate()
{
    out_.HeartbeatStart();
    MutexHold hold(objects_.fileCheckMutex);
    hold.Wait();
    if (WaitForSingleObject(objects_.doQuit.get(), 0) == WAIT_OBJECT_0)
        throw SilentExit();
    out_.HeartbeatEnd();
}

} // namespace Kyvant
