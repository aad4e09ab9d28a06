// Kyvant::KyDirGAppBridgeBase: what the Dir page asks of the Dir front-end
// beyond any page's host: whether a list file is named, and whether OK may
// proceed.
#pragma once

#include "KyGuiTool/Pages/SubDialogBridge.h"
#include "KyTools/KyToolsExport.h"

namespace Kyvant {

class KYTOOLS_API KyDirGAppBridgeBase : public virtual AppBridge {
public:
    KyDirGAppBridgeBase() = default;
    ~KyDirGAppBridgeBase() override;

    // False when the page is built, then at every SaveState: whether the
    // listing goes to a list file.
    virtual void OnListFileNamed(bool named) = 0;
    // The page's OK check, given whether the page uses its own Indexing
    // Service query.
    virtual bool QueryAllowOK(bool useIndexingService) = 0;
};

} // namespace Kyvant
