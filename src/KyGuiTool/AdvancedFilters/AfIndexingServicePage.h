// AfIndexingServicePage: the "Indexing Service" page of the Advanced Filters
// sheet: a content query with its mode, the query history, and the large
// editor for long queries.
#pragma once

#include "KyGui/Buttons/KyButtonEditorInvoker.h"
#include "KyGuiTool/AdvancedFilters/AfPageBase.h"

class KYGUITOOL_API AfIndexingServicePage : public AfPageBase {
    DECLARE_DYNAMIC(AfIndexingServicePage)
public:
    // The longest query the page takes.
    static const unsigned kMaxQueryLength = 4096;

    explicit AfIndexingServicePage(Filters& filters);

    // Whether the filters hold a query.
    static bool IsOn(const Filters& filters);

protected:
    void InitControls() override;
    void SaveControls(CDataExchange& dx) override;
    // "Mode:" and its combo: enabled while the master is on and the query
    // combo has text, or an entry of its list is being selected.
    void ApplyExtraEnabling(bool masterOn) override;

    afx_msg void OnQueryEditChange();
    afx_msg void OnQuerySelChange();
    afx_msg LRESULT OnInvokeEditor(WPARAM wParam, LPARAM lParam);
    // The sheet's OK: the query goes to the head of the query history.
    afx_msg LRESULT OnQuerySiblings(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    Kyvant::ky_S QueryText() const;
    void EditQuery();

    KyButtonEditorInvoker m_queryButton;
    bool m_querySelecting;
};
