// Kyvant::PageGuids::PathPlan: the GUIDs of the path-plan pages, as the tab
// control compares them and as the registry and task files store them.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace PageGuids {
namespace PathPlan {

extern KYGUITOOL_API const ky_I Editor;
extern KYGUITOOL_API const ky_I Chooser;
extern KYGUITOOL_API const ky_I VcChooser;
extern KYGUITOOL_API const ky_I VsNetChooser;
extern KYGUITOOL_API const ky_I IndexingService;

} // namespace PathPlan
} // namespace PageGuids
} // namespace Kyvant
