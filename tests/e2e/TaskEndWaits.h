// What the end-to-end cases of both front-ends share about a task whose tool
// runs on after its results: the lingering switches of the stand-ins, the
// Task Status dialog's timing and button, and whether the window still
// answers and paints while it waits.
#pragma once

#include "common/GuiDriver.h"

namespace taskend {

const int kEndTaskButton = 1022;
// The watchdog starts with the wait: its first tick comes after 500 ms, the
// Task Status dialog at the next, 10 s later.
const DWORD kTaskStatusMs = 15000;
const DWORD kAnswerMs = 2000;

// A stand-in's switches that keep it running after its results, and the
// screenshot taken meanwhile.
struct Lingering {
    const char* switches;
    const char* shot;
};

inline bool Answers(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &result) != 0;
}

// Whether the window and the list, invalidated whole, paint themselves again.
inline bool Repaints(HWND frame, HWND list)
{
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return kytest::gui::WaitFor(
        [&] {
            return !GetUpdateRect(frame, nullptr, FALSE) && !GetUpdateRect(list, nullptr, FALSE);
        },
        kAnswerMs);
}

} // namespace taskend
