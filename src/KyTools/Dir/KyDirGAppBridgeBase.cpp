// The Dir front-end's bridge interface.
#include "KyTools/Dir/KyDirGAppBridgeBase.h"

namespace Kyvant {

KyDirGAppBridgeBase::~KyDirGAppBridgeBase() {}

} // namespace Kyvant
