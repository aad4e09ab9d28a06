// Kyvant::UserEx::NestedLoop: the message loop a window runs while it waits (for a process, an
// event, a job's end), with what the waits differ in as options. Header only: it is compiled into
// each program that uses it and is no part of the library's exports.
#pragma once

#include "KyGui/Helpers/UserEx.h"
#include "KyStd/Core/Errors.h"

#include <afxwin.h>
#include <windows.h>

namespace Kyvant {
namespace UserEx {

// How much of the queue a nested loop serves in a round.
enum class Serving {
    // Only messages other threads send are served (by the wait itself); posted messages and input
    // stay queued and the application gets no idle time.
    kSentOnly,
    // Every queued message, then the application's idle passes until it has no more idle work.
    kQueueThenIdle,
    // One queued message or, with the queue empty, one idle pass; the count of idle passes runs on
    // from round to round until the application has no more idle work or a message comes.
    kOneStep,
};

// What a WM_QUIT waiting for the outer loop does to a nested loop's sleep.
enum class QuitWaiting {
    kKeepsAwake, // it counts as a queued message: the loop only polls and never sleeps
    // It is no message to serve: the loop goes on to its message wait as though the queue were
    // empty (new input that the waiting quit keeps the serving from, a paint say, can end that
    // wait at once with the message index).
    kLetsSleep,
};

struct NestedLoopOptions {
    Serving serving;
    // Input aimed at this window or its children is dropped; null: all input.
    HWND busyWindow;
    QuitWaiting quit;
    // A message another thread sent after the queue was served makes the loop poll instead of
    // sleeping.
    bool sentKeepsAwake;
};

// A message is queued; a WM_QUIT counts only with kKeepsAwake. Peeking serves the sent messages.
inline bool QueuedMessageWaiting(QuitWaiting quit)
{
    MSG msg;
    return ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) &&
           (quit == QuitWaiting::kKeepsAwake || msg.message != WM_QUIT);
}

// Another thread's sent message waits to be served.
inline bool SentMessageWaiting()
{
    return (HIWORD(::GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) != 0;
}

class NestedLoop {
public:
    explicit NestedLoop(const NestedLoopOptions& options) : m_options(options), m_idleCount(0) {}

    // One round: serves what the options say, then, when no more is to be served, polls the
    // handles if a message waits, else sleeps until one of them is signalled, a message comes or
    // the time-out ends. Gives the wait's result as WaitForMultipleObjects or
    // MsgWaitForMultipleObjects do (WAIT_TIMEOUT from a poll that found nothing signalled).
    // Without handles and time-out the sleep is WaitMessage's. A round that serves the whole queue
    // sleeps after it: a loop whose task may end in a served message looks at the task between
    // Serve and Sleep, or serves one step a round.
    DWORD Round(const HANDLE* handles, DWORD count, DWORD timeoutMs = INFINITE)
    {
        if (Serve())
            return Poll(handles, count);
        return Sleep(handles, count, timeoutMs);
    }

    // Rounds until one of the handles is signalled (or abandoned): its index, the lowest when
    // several are. A failed wait throws os_error.
    DWORD WaitForAny(const HANDLE* handles, DWORD count)
    {
        for (;;) {
            const DWORD result = Round(handles, count);
            if (result - WAIT_OBJECT_0 < count)
                return result - WAIT_OBJECT_0;
            if (result - WAIT_ABANDONED_0 < count)
                return result - WAIT_ABANDONED_0;
            if (result == WAIT_FAILED)
                throw os_error();
        }
    }

    // The serving part of a round, for a loop that looks at its task between serving and sleeping;
    // true when the round ends here (kOneStep took a step).
    bool Serve()
    {
        switch (m_options.serving) {
        case Serving::kSentOnly:
            return false;
        case Serving::kQueueThenIdle:
            ServeQueueThenIdle();
            return false;
        case Serving::kOneStep:
            return ServeOneStep();
        }
        return false;
    }

    // The sleeping part of a round (see Round).
    DWORD Sleep(const HANDLE* handles, DWORD count, DWORD timeoutMs = INFINITE)
    {
        if (m_options.serving == Serving::kSentOnly)
            return SleepServingSentMessages(handles, count, timeoutMs);
        if (QueuedMessageWaiting(m_options.quit) ||
            (m_options.sentKeepsAwake && SentMessageWaiting()))
            return Poll(handles, count);
        if (count == 0 && timeoutMs == INFINITE)
            return ::WaitMessage() ? WAIT_OBJECT_0 : WAIT_FAILED;
        return ::MsgWaitForMultipleObjects(count, handles, FALSE, timeoutMs, QS_ALLINPUT);
    }

private:
    static DWORD Poll(const HANDLE* handles, DWORD count)
    {
        return count == 0 ? WAIT_TIMEOUT : ::WaitForMultipleObjects(count, handles, FALSE, 0);
    }

    static void IdleFully()
    {
        CWinApp* app = AfxGetApp();
        for (LONG count = 0; app && app->OnIdle(count); ++count) {
        }
    }

    void ServeQueueThenIdle()
    {
        while (PumpMessagesDiscardingInputMessages(m_options.busyWindow)) {
        }
        IdleFully();
    }

    bool ServeOneStep()
    {
        if (PumpMessagesDiscardingInputMessages(m_options.busyWindow)) {
            m_idleCount = 0;
            return true;
        }
        CWinApp* app = AfxGetApp();
        if (app && app->OnIdle(m_idleCount++))
            return true;
        m_idleCount = 0;
        return false;
    }

    // Peeking serves the sent messages; nothing is taken from the queue.
    static DWORD SleepServingSentMessages(const HANDLE* handles, DWORD count, DWORD timeoutMs)
    {
        const DWORD result =
            ::MsgWaitForMultipleObjects(count, handles, FALSE, timeoutMs, QS_SENDMESSAGE);
        if (result == WAIT_OBJECT_0 + count) {
            MSG msg;
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        return result;
    }

    NestedLoopOptions m_options;
    LONG m_idleCount;
};

// Waits without time-out until one of the handles is signalled, serving only the messages other
// threads and processes send to this thread's windows (a reader thread blocked in its SendMessage,
// a console tool asking its progress window); posted messages and input stay queued. Gives the
// handle's index; a failed wait throws os_error.
inline DWORD WaitServingSentMessages(const HANDLE* handles, DWORD count)
{
    return NestedLoop({Serving::kSentOnly, nullptr, QuitWaiting::kLetsSleep, false})
        .WaitForAny(handles, count);
}

inline DWORD WaitServingSentMessages(HANDLE handle)
{
    return WaitServingSentMessages(&handle, 1);
}

} // namespace UserEx
} // namespace Kyvant
