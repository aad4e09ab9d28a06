// PathPlanIndexingServiceSubDialog: the "Indexing Service" page of the
// path-plan pages. The tool takes its files from the Indexing Service: the
// catalogs checked in the tree, optionally narrowed by a content query in
// one of four modes, sorted as chosen, and filtered by the page's masks,
// exceptions and advanced filters.
#pragma once

#include "KyGui/Adapters/KyComboBox.h"
#include "KyGui/Buttons/KyButtonEditorInvoker.h"
#include "KyGui/Layout/SimpleLayoutManager.h"
#include "KyGuiTool/IndexingServicePage/KyCatalogTreeCtrl.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogBase.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

class KYGUITOOL_API PathPlanIndexingServiceSubDialog : public KyPathPlanSubDialogBase {
    DECLARE_DYNAMIC(PathPlanIndexingServiceSubDialog)
public:
    static const unsigned kMaxQueryLength = 4096;
    // Registry values under the page's keys.
    static const char kCatalogsList[];
    static const char kQueryValue[];
    static const char kModeValue[];
    static const char kSortByValue[];
    static const char kSortDirectionValue[];

    enum Record : int {
        CatalogsRecord = 350,
        QueryRecord = 351,
        QueryTypeRecord = 352,
        SortOrderRecord = 353,
        SortDirectionRecord = 354,
    };

    explicit PathPlanIndexingServiceSubDialog(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge);
    ~PathPlanIndexingServiceSubDialog() override;

    // Without the search parameters the page gives no query, sort or forcing
    // arguments and keeps no query history, only the catalogs and filters.
    void UseSearchParameters(bool use) { m_useSearchParameters = use; }

    KyCatalogTreeCtrl& GetCatalogTree() { return m_catalogs; }

    BOOL OnInitDialog() override;

    using KyPathPlanSubDialogBase::SaveState;
    void SaveState() override;
    void SaveState(Kyvant::RegKey& key) override;
    void RestoreState(Kyvant::RegKey& key) override;
    // The base's filters; with the search parameters the Indexing Service
    // forced, the query and the sort order; then each checked computer with
    // each of its checked catalogs, every catalog searched on its own.
    void UpdateArgv(const ArgSink& argv) override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnFinishNew() override;
    void DocOnFinishLoad(bool ok) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInvokeAlternateEditor(UINT id) override;

    afx_msg void OnQueryEditChange();
    afx_msg void OnQuerySelChange();
    afx_msg void OnOptionChange();
    afx_msg LRESULT OnCatalogCheckChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void ResetSearchParameters();
    // A query type, sort order or direction outside its combo's entries
    // takes its default.
    void KeepSearchParametersInRange();
    void FillDropLists();
    void FillQueryHistory();
    void SetUpLayout();
    // The query and the three combos shown as the values stand.
    void ShowSearchParameters();
    // "Mode:" and its combo serve only a query.
    void UpdateMode();
    bool EditQuery();
    void SetCatalogs(const Kyvant::ky_BSB<char>& joined);

    bool m_useSearchParameters;
    bool m_querySelecting;
    bool m_laidOut;
    Kyvant::SimpleLayoutManager m_layout;

    KyCatalogTreeCtrl m_catalogs;
    KyButtonEditorInvoker m_queryButton;
    KyComboBox m_queryCombo;
    CWnd m_modeLabel;
    CComboBox m_modeCombo;
    CComboBox m_sortCombo;
    CComboBox m_orderCombo;

    Kyvant::ky_S m_query;
    int m_queryType;
    int m_sortOrder;
    int m_sortDirection;
};
