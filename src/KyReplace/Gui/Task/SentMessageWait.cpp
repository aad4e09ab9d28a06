// Waiting on handles while serving sent messages.
#include "KyReplace/Gui/Task/SentMessageWait.h"

#include "KyStd/Core/Errors.h"

namespace Kyvant {

DWORD WaitServingSentMessages(const HANDLE* handles, DWORD count)
{
    for (;;) {
        const DWORD result =
            MsgWaitForMultipleObjects(count, handles, FALSE, INFINITE, QS_SENDMESSAGE);
        if (result < WAIT_OBJECT_0 + count)
            return result - WAIT_OBJECT_0;
        if (result >= WAIT_ABANDONED_0 && result < WAIT_ABANDONED_0 + count)
            return result - WAIT_ABANDONED_0;
        if (result != WAIT_OBJECT_0 + count)
            throw os_error();
        // Peeking serves the sent messages; nothing is taken from the queue.
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

} // namespace Kyvant
