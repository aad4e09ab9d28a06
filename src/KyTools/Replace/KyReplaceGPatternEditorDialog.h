// KyReplaceGPatternEditorDialog: the resizable "Replace Rule Editor", which
// shows one rule of a copy of the grid's rules at a time, with multi-line
// Find and Replace texts, and adds and deletes rules. After OK the caller
// takes the edited rules and the current index.
#pragma once

#include "KyDB/Named/ReplaceRule.h"
#include "KyGui/Layout/SimpleLayoutManager.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"
#include "KyTools/KyToolsExport.h"

#include <afxwin.h>

class KyReplaceGPatternListBox;

class KYTOOLS_API KyReplaceGPatternEditorDialog : public CDialog {
public:
    // The rule editor shows first the grid's selected rule (the first one
    // when none is selected); its placement is kept under the key.
    KyReplaceGPatternEditorDialog(KyReplaceGPatternListBox& grid, const Kyvant::RegKey& key,
                                  CWnd* parent = nullptr);
    ~KyReplaceGPatternEditorDialog() override;

    const Kyvant::ReplaceRuleVector& GetRules() const { return m_rules; }
    unsigned GetCurrentIndex() const { return m_index; }

    // The placement's subkey under the key (spelled as stored).
    static const char kPlacementSubkey[];
    static const unsigned kRuleControlCount = 11;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg void OnRuleNumberChange();
    afx_msg void OnNewRule();
    afx_msg void OnDeleteRule();
    afx_msg void OnHelpButton();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // The rule at the index, or a rule that is not enabled, with empty texts
    // and every option off, past the end; into the exchanged values.
    void LoadRule(unsigned index);
    void ShowRule(unsigned index);
    // The shown rule replaces the one at the current index (none past the end).
    void StoreShownRule();
    // Delete only while there are rules; the rule controls all together
    // when the list turns empty or not empty.
    void UpdateControlStates(CWnd* focusAfterDelete);
    void FillRuleNumbers();
    // The combo's entries from the index on show their numbers again.
    void RenumberFrom(unsigned index);
    void SetUpLayout();
    void RestorePlacement();

    Kyvant::RegKey m_key;
    unsigned m_index;
    bool m_inSelChange;
    bool m_ruleControlsEnabled;
    Kyvant::ReplaceRuleVector m_rules;
    Kyvant::SimpleLayoutManager m_layout;
    CSize m_initialSize;
    CWnd* m_ruleControls[kRuleControlCount];
    CComboBox m_ruleNumbers;
    CButton m_new;
    CButton m_delete;
    CEdit m_find;
    CEdit m_replace;
    CStatic m_replaceLabel;
    CButton m_checks[kRuleControlCount - 2];
    int m_ignoreCase;
    int m_dotMatchesNL;
    int m_regEx;
    int m_wholeWords;
    int m_confirm;
    Kyvant::ky_S m_findText;
    Kyvant::ky_S m_replaceText;
    int m_active;
    int m_legibleRegEx;
    int m_eval;
    int m_doubleQuote;
};
