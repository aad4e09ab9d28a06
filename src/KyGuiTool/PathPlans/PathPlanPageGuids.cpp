// The path-plan pages' GUID texts, built when the library starts.
#include "KyGuiTool/PathPlans/PathPlanPageGuids.h"

namespace Kyvant {
namespace PageGuids {
namespace PathPlan {

const ky_I Editor("{CDBAD24D-4EB8-11d2-AF21-00E0291D2688}");
const ky_I Chooser("{CDBAD24C-4EB8-11d2-AF21-00E0291D2688}");
const ky_I VcChooser("{0397541E-9A2A-11d2-AFD4-00E0291D2688}");
const ky_I VsNetChooser("{2DF4926C-E61A-11d3-B29C-00E0291D2688}");
const ky_I IndexingService("{2DF4925C-E61A-11d3-B29C-00E0291D2688}");

} // namespace PathPlan
} // namespace PageGuids
} // namespace Kyvant
