// Kyvant::Shell::MultiSelPropPage and DoExplorerProperties: one "General" page summing up a selection.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyGui/Shell/FsObj.h"
#include "KyStd/Containers/Sequencer.h"

#include <afxdlgs.h>
#include <afxwin.h>

namespace Kyvant {
namespace Shell {

class KYGUI_API MultiSelPropPage : public CPropertyPage {
    DECLARE_DYNAMIC(MultiSelPropPage)
public:
    explicit MultiSelPropPage(const input_sequencer<FsObj>& selection);
    ~MultiSelPropPage() override;

    // A number in decimal with the C runtime locale's thousands separator.
    static CString FormatNumber(unsigned long long value);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()

private:
    void Fill();

    const input_sequencer<FsObj>& m_selection;
    CEdit m_type;
    CEdit m_size;
    CEdit m_location;
    CStatic m_summary;
};

// A "Properties" sheet with the page; whether DoModal returned non-zero.
KYGUI_API bool DoExplorerProperties(const input_sequencer<FsObj>& selection, CWnd& parent);

} // namespace Shell
} // namespace Kyvant
