// KyFindGTabCtrl: the Find tool's option pages, one tab per pattern kind
// (Plain Text, Grep, Egrep, Fgrep, Perl); only the page shown contributes
// arguments and task-file records. It keeps the binary-mode flag of the
// page that was shown when the settings were accepted.
#pragma once

#include "KyGuiTool/Pages/KySubDialogTabCtrl.h"
#include "KyStd/Registry/RegKey.h"
#include "KyTools/Find/FindRecords.h"
#include "KyTools/KyToolsExport.h"

#include <memory>
#include <vector>

class KYTOOLS_API KyFindGTabCtrl : public KySubDialogTabCtrl {
    DECLARE_DYNAMIC(KyFindGTabCtrl)
public:
    // The tab control's own id, the host's placeholder it replaces, and the
    // record type of the active page's GUID.
    static const int kActualId = 25062;
    static const int kProxyId = 32005;
    static const int kPageGuidRecord = Kyvant::FindRecords::PageGuid;

    // Each page keeps its settings under a subkey of the settings key.
    KyFindGTabCtrl(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, const Kyvant::RegKey& settings);
    ~KyFindGTabCtrl() override;

    bool GetBinaryMode() const { return m_binaryMode; }
    void SetBinaryMode(bool binaryMode) { m_binaryMode = binaryMode; }

private:
    bool m_binaryMode;
    std::vector<std::unique_ptr<KySubDialogPage>> m_ownedPages;
};
