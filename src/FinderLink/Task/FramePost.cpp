// The replaceable post of the readers' messages to the frame.
#include "FinderLink/Task/FramePost.h"

namespace Kyvant {
namespace FinderLink {

namespace {

FramePostFunction g_post = nullptr;

} // namespace

FramePostFunction SetFramePost(FramePostFunction post)
{
    const FramePostFunction old = g_post;
    g_post = post;
    return old;
}

BOOL PostToFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return g_post ? g_post(window, message, wParam, lParam)
                  : PostMessageA(window, message, wParam, lParam);
}

} // namespace FinderLink
} // namespace Kyvant
