// The replaceable window-positioning calls of DeferredWindowManager.
#include "KyGui/Layout/DeferWindowPosSeam.h"

namespace Kyvant {
namespace LayoutSeams {

namespace {
BeginDeferWindowPosFn g_beginDefer = nullptr;
DeferWindowPosFn g_defer = nullptr;
} // namespace

BeginDeferWindowPosFn SetBeginDeferWindowPos(BeginDeferWindowPosFn fn)
{
    BeginDeferWindowPosFn previous = BeginDeferWindowPos();
    g_beginDefer = fn;
    return previous;
}

DeferWindowPosFn SetDeferWindowPos(DeferWindowPosFn fn)
{
    DeferWindowPosFn previous = DeferWindowPos();
    g_defer = fn;
    return previous;
}

BeginDeferWindowPosFn BeginDeferWindowPos()
{
    return g_beginDefer != nullptr ? g_beginDefer : &::BeginDeferWindowPos;
}

DeferWindowPosFn DeferWindowPos()
{
    return g_defer != nullptr ? g_defer : &::DeferWindowPos;
}

} // namespace LayoutSeams
} // namespace Kyvant
