// The replaceable post of the task-end message.
#include "FinderLink/Task/TaskEndPost.h"

namespace Kyvant {
namespace FinderLink {

namespace {

TaskEndPostFunction g_post = nullptr;

} // namespace

TaskEndPostFunction SetTaskEndPost(TaskEndPostFunction post)
{
    const TaskEndPostFunction old = g_post;
    g_post = post;
    return old;
}

BOOL PostTaskEnd(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return g_post ? g_post(window, message, wParam, lParam)
                  : PostMessageA(window, message, wParam, lParam);
}

} // namespace FinderLink
} // namespace Kyvant
