// How the readers post to the frame (the task-end message, the texts):
// through PostMessageA, replaceable so that tests can refuse posts as a full
// message queue refuses them (Windows takes 10,000 posted messages in a
// thread's queue; Wine takes any number).
#pragma once

#include <windows.h>

namespace Kyvant {
namespace FinderLink {

using FramePostFunction = BOOL(WINAPI*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Installs a replacement (null: PostMessageA again) and returns the one it
// replaces. Set it while no task runs: the readers call it from their thread.
FramePostFunction SetFramePost(FramePostFunction post);
BOOL PostToFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace FinderLink
} // namespace Kyvant
