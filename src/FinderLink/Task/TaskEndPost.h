// How the results reader posts the task-end message to the frame: through
// PostMessageA, replaceable so that tests can refuse the post.
#pragma once

#include <windows.h>

namespace Kyvant {
namespace FinderLink {

using TaskEndPostFunction = BOOL(WINAPI*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Installs a replacement (null: PostMessageA again) and returns the one it
// replaces. Set it while no task runs: the readers call it from their thread.
TaskEndPostFunction SetTaskEndPost(TaskEndPostFunction post);
BOOL PostTaskEnd(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace FinderLink
} // namespace Kyvant
