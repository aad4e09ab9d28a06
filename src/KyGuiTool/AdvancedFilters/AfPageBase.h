// AfPageBase: what the pages of the Advanced Filters sheet share: the filters
// they edit, the master check box with its plain or starred tab caption, the
// enabling of the controls by the master and by the page's dependent-control
// table, pickers shown blank while disabled, spins that put their lower bound
// into an empty field, context help, and the sibling query after OK.
#pragma once

#include "KyConTool/Filters/AdvancedFilters.h"
#include "KyGuiTool/KyGuiToolExport.h"

#include <afxdlgs.h>

#include <exception>
#include <vector>

class KYGUITOOL_API AfPageBase : public CPropertyPage {
    DECLARE_DYNAMIC(AfPageBase)
public:
    using Filters = Kyvant::AdvancedFiltration::Filters;

    // One row of the dependent-control table: while its check box or radio
    // button is on (and the master is), the controls first..last are enabled.
    struct Dependent {
        int control;
        int first;
        int last;
    };

    // The page's controls as the enabling rules see them: the master governs
    // first..last; on, it enables first..lastByMaster, and the table the rest.
    struct Layout {
        int master;
        int first;
        int last;
        int lastByMaster;
        const Dependent* dependents;
        int dependentCount;
    };

    // The controls that have help, each with its help id: its control id
    // times 65536 plus the page's template id.
    struct HelpControls {
        const int* ids;
        int count;
    };

    // The caption ids: plain and starred (while the master is on).
    struct Captions {
        UINT plain;
        UINT starred;
    };

    Filters& GetFilters() const { return m_filters; }
    UINT GetCaptionId() const { return m_captionId; }
    // Pairs of control and help ids, ended by a zero pair.
    const DWORD* GetHelpIds() const { return m_helpIds.data(); }
    const Layout& GetLayout() const { return m_layout; }

    // Shows the current caption on this page's tab of the sheet.
    void PutCaptionOnTab(CPropertySheet& sheet);

    // The page's OK, then the query to every page of the sheet (the
    // Indexing Service page records its query on it).
    void OnOK() override;

protected:
    // on: whether the page's filter holds a condition (the starred caption
    // shows from the start).
    AfPageBase(Filters& filters, UINT templateId, const HelpControls& help,
               const Captions& captions, bool on, const Layout& layout);

    // The page's controls from its filter, then the enabling rules; a
    // standard exception is shown with its text.
    BOOL OnInitDialog() override;
    // Saving only: the controls into the page's filter. A standard exception
    // is shown with its text and fails the exchange like a validation.
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    virtual void InitControls() = 0;
    virtual void SaveControls(CDataExchange& dx) = 0;
    // Enabling beyond the table, run after it (the master's state given).
    virtual void ApplyExtraEnabling(bool masterOn);

    // The master and table rules over all of the page's controls.
    void ApplyEnabling();
    bool IsMasterOn() const { return IsChecked(m_layout.master); }
    bool IsChecked(int id) const;
    void SetChecked(int id, bool on);
    void EnableControl(int id, bool enable);
    // Fills a drop-down list with the '\n'-separated entries of a string
    // resource and selects one.
    void FillCombo(int id, UINT entriesId, int selected);
    int ComboIndex(int id) const;
    // Whether the user changed a control since the page was initialised.
    bool ChangedByUser() const { return m_changedByUser; }

    // Shows the string and fails the exchange with the focus on the control
    // (an edit's text selected).
    [[noreturn]] void Fail(CDataExchange& dx, int control, UINT messageId);
    [[noreturn]] void Fail(CDataExchange& dx, const std::exception& e);

    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    DECLARE_MESSAGE_MAP()

private:
    void OnMasterClicked();
    bool IsDependentControl(int id) const;
    // The spin's buddy is empty: it gets the lower bound, and the arrow is refused.
    bool FillEmptyBuddy(HWND spin);

    Filters& m_filters;
    std::vector<DWORD> m_helpIds;
    Captions m_captions;
    UINT m_captionId;
    Layout m_layout;
    bool m_initialising;
    bool m_changedByUser;
};
