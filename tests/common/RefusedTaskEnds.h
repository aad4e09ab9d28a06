// The Find and Dir front-ends' task-end message refused: while the object
// lives, every post of it fails (as a full message queue makes it fail),
// and the refusals are counted.
#pragma once

#include "FinderLink/Task/TaskEndPost.h"

#include <windows.h>

namespace kytest {

class RefusedTaskEnds {
public:
    RefusedTaskEnds() : m_old(Kyvant::FinderLink::SetTaskEndPost(&Refuse))
    {
        InterlockedExchange(&s_refused, 0);
    }
    ~RefusedTaskEnds() { Kyvant::FinderLink::SetTaskEndPost(m_old); }
    RefusedTaskEnds(const RefusedTaskEnds&) = delete;
    RefusedTaskEnds& operator=(const RefusedTaskEnds&) = delete;

    static LONG Count() { return InterlockedCompareExchange(&s_refused, 0, 0); }

private:
    static BOOL WINAPI Refuse(HWND, UINT, WPARAM, LPARAM)
    {
        InterlockedIncrement(&s_refused);
        return FALSE;
    }

    static inline volatile LONG s_refused = 0;
    Kyvant::FinderLink::TaskEndPostFunction m_old;
};

} // namespace kytest
