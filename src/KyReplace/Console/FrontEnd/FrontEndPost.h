// Messages to the Replace front-end's window. A post that fails (the
// window's queue is full) is tried again, but only while the front-end can
// still take it: its process runs and its window exists.
#pragma once

#include "KyStd/Processes/Process.h"

#include <windows.h>

namespace Kyvant {

// The front-end's message for log lines (wParam: kind), the engine's handle
// (wParam 3) and the task-dialog request (wParam 4).
constexpr UINT kFrontEndMessage = WM_APP;

bool FrontEndPresent(HWND window, const CRT::Process& frontEnd);

// True once posted; false when the front-end went before it took the message.
bool PostToFrontEnd(HWND window, WPARAM wParam, LPARAM lParam, const CRT::Process& frontEnd);

} // namespace Kyvant
