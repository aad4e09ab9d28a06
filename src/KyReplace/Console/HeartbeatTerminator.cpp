#include "HeartbeatTerminator.h"

#include "MutexHold.h"
#include "ReplaceNamedObjects.h"
#include "SilentExit.h"

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
