// The walk over a selection that intersects its handlers and counts its file list.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyGui/Shell/CommonRootGuids.h"
#include "KyGui/Shell/FsObj.h"
#include "KyStd/Containers/Sequencer.h"

namespace Kyvant {
namespace Shell {

// Intersects each object's type while the result is non-empty and counts
// the file list's bytes (every path and its NUL, one more NUL); false for
// an empty selection, else Finalize has been called.
KYGUI_API bool WalkSelection(const input_sequencer<FsObj>& selection, CommonRootGuids& guids,
                             unsigned& listBytes);

} // namespace Shell
} // namespace Kyvant
