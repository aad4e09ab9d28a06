// The Find and Dir front-ends' task-end message refused: while the object
// lives, every post of it fails (as a full message queue makes it fail),
// and the refusals are counted. The tool's texts pass.
#pragma once

#include "FinderLink/Task/FramePost.h"
#include "FinderLink/Task/TaskWords.h"

#include <windows.h>

namespace kytest {

class RefusedTaskEnds {
public:
    RefusedTaskEnds() : m_old(Kyvant::FinderLink::SetFramePost(&Refuse))
    {
        InterlockedExchange(&s_refused, 0);
    }
    ~RefusedTaskEnds() { Kyvant::FinderLink::SetFramePost(m_old); }
    RefusedTaskEnds(const RefusedTaskEnds&) = delete;
    RefusedTaskEnds& operator=(const RefusedTaskEnds&) = delete;

    static LONG Count() { return InterlockedCompareExchange(&s_refused, 0, 0); }

private:
    static BOOL WINAPI Refuse(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == Kyvant::FinderLink::kTextMessage)
            return PostMessageA(window, message, wParam, lParam);
        InterlockedIncrement(&s_refused);
        SetLastError(ERROR_NOT_ENOUGH_QUOTA);
        return FALSE;
    }

    static inline volatile LONG s_refused = 0;
    Kyvant::FinderLink::FramePostFunction m_old;
};

} // namespace kytest
