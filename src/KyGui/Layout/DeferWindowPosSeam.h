// The window-positioning calls that DeferredWindowManager makes, replaceable for tests.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <windows.h>

namespace Kyvant {
namespace LayoutSeams {

using BeginDeferWindowPosFn = HDWP(WINAPI*)(int);
using DeferWindowPosFn = HDWP(WINAPI*)(HDWP, HWND, HWND, int, int, int, int, UINT);

// Each setter installs a replacement (null: the system's function again) and returns the one
// it replaces.
KYGUI_API BeginDeferWindowPosFn SetBeginDeferWindowPos(BeginDeferWindowPosFn fn);
KYGUI_API DeferWindowPosFn SetDeferWindowPos(DeferWindowPosFn fn);

// The functions in use.
BeginDeferWindowPosFn BeginDeferWindowPos();
DeferWindowPosFn DeferWindowPos();

} // namespace LayoutSeams
} // namespace Kyvant
