// The library's three instances of StorageMapUI: mask sets, path plans and
// replace plans.
#include "KyGuiTool/Storage/StorageMapUI.h"

#include "KyGuiTool/Storage/StorageMapTransferImpl.h"

namespace Kyvant {

template class StorageMapUI<MaskDB>;
template class StorageMapUI<PathPlanDB>;
template class StorageMapUI<ReplacePlanDB>;

} // namespace Kyvant
