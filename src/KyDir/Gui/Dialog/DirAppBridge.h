// DirAppBridge: what the Dir page asks of the Dir front-end's task dialog:
// the tool page's bridge to the dialog, whether a list file is named, and
// whether OK may go on when both the page and the file-search side use the
// Indexing Service.
#pragma once

#include "KyGuiTool/Settings/AppBridges.h"
#include "KyTools/Dir/KyDirGAppBridgeBase.h"

class DirAppBridge : public Kyvant::KyDirGAppBridgeBase, public Kyvant::ToolAppBridge {
public:
    explicit DirAppBridge(KyBaseDialog& host);
    ~DirAppBridge() override;

    // Kept in the application for the empty listing's text.
    void OnListFileNamed(bool named) override;
    // True while the settings are incomplete or the file-search side does
    // not show its Indexing Service page; otherwise, when the page uses its
    // own query, question 110 decides.
    bool QueryAllowOK(bool useIndexingService) override;
};
