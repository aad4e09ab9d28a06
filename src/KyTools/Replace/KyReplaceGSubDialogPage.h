// KyReplaceGSubDialogPage: the Replace tool's option page. It edits one
// replace plan (the rule grid, five option boxes and an optional prologue
// script), unnamed or stored under a name in the replace-plan database, and
// turns it into KyReplace's arguments, its registry state and its task-file
// records.
#pragma once

#include "KyDB/Named/ReplacePlan.h"
#include "KyDB/Named/ReplacePlanDB.h"
#include "KyGui/Adapters/KyComboBox.h"
#include "KyGui/Buttons/KyButtonEditorInvoker.h"
#include "KyGui/Buttons/KyButtonMenuInvoker.h"
#include "KyGuiTool/Pages/KySubDialogPage.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegMRU.h"
#include "KyStd/Strings/String.h"
#include "KyTools/KyToolsExport.h"
#include "KyTools/Replace/GridHeaderTips.h"
#include "KyTools/Replace/KyReplaceGPatternListBox.h"
#include "KyTools/Replace/ReplacePlanOptions.h"

#include <afxwin.h>

#include <memory>
#include <optional>

class ReplacePlanDbUI;

class KYTOOLS_API KyReplaceGSubDialogPage : public KySubDialogPage {
    DECLARE_DYNAMIC(KyReplaceGSubDialogPage)
public:
    // Reads the current plan from "Config" (a value that does not decode
    // gives an empty plan) and opens the prologue-script history.
    KyReplaceGSubDialogPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                            const Kyvant::RegKey& settings);
    ~KyReplaceGSubDialogPage() override;

    void UpdateArgv(const ArgSink& argv) override;
    void SaveState() override;
    bool AllowOK() override;
    bool AllowCancel() override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnFinishNew() override;
    void DocOnStartLoad(const Kyvant::ky_F& file) override;
    void DocOnFinishLoad(bool ok) override;
    void DocOnStartSave(const Kyvant::ky_F& file) override;
    void DocOnFinishSave(bool ok) override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The storage controls first, then the page.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Dirty: the plan changed, and so did the task. Not dirty: the plan is
    // clean and the names combo's text is its name.
    void SetDirty(bool dirty);
    // The plan last built for the arguments or last shown.
    const Kyvant::ReplacePlan& GetCurrentPlan() const { return m_plan; }

    static const unsigned kMaxPlanName = 128;
    static const unsigned kPrologueHistorySize = 20;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnOptionChanged(UINT id);
    afx_msg void OnPrologueClicked();
    afx_msg void OnQuickScriptClicked();
    afx_msg LRESULT OnInvokeEditor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGridChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    friend class ReplacePlanDbUI;

    // An active rule needs a Find text, and some rule must be active.
    void ValidateRules(CDataExchange& dx);
    // The grid, the exchanged values and the quick script as a plan (A off);
    // the option boxes are read from their controls when the window exists.
    Kyvant::ReplacePlan BuildPlan();
    // Every part of the plan into the controls; the plan becomes the current one.
    void ShowPlan(const Kyvant::ReplacePlan& plan);
    // The plan's non-rule parts into the exchanged values (and the boxes
    // when the window exists).
    void ShowOptions(const Kyvant::ReplacePlan& plan);
    void ShowPrologueFile();
    // No rules, options off, no prologue file or quick script; with
    // interactive, the grid takes the focus and the task is marked modified.
    void ClearContents(bool interactive);
    // The combo, the file button and the quick-script button follow the
    // Prologue Script box; the quick-script button's caption shows whether
    // there is a quick script.
    void UpdatePrologueControls();
    // A first row in edit when the grid has none.
    void StartFirstRule();
    void StopGridEditing();
    void FillPrologueHistory();
    void FocusFirstTabStop();

    void BrowsePrologueFile();
    void EditQuickScript();
    void EditRules();

    bool m_saving;
    Kyvant::RegKey m_settings;
    Kyvant::ReplacePlanDB& m_db;
    // The current plan: the one last built for the arguments (BuildPlan) or
    // last shown (ShowPlan, a new document); records and "Config" take it.
    Kyvant::ReplacePlan m_plan;
    // The one owner of the parts besides the rules while they are edited:
    // filled from a plan by ShowOptions, read back into one by BuildPlan.
    Kyvant::ReplacePlanOptions m_options;
    Kyvant::GridHeaderTips m_headerTips;
    std::unique_ptr<Kyvant::RegMRUReader<Kyvant::ky_S>> m_prologueHistory;
    std::unique_ptr<Kyvant::RegMRUWriter<Kyvant::ky_S>> m_prologueHistoryWriter;
    std::unique_ptr<ReplacePlanDbUI> m_ui;
    // Exists only while a task file loads: whether its record 5000 named a
    // stored plan.
    std::optional<bool> m_planChosenByName;
    // Set while the page fills its own controls: their notifications are not edits.
    int m_quiet;

    KyButtonMenuInvoker m_planMenu;
    CButton m_quickScriptButton;
    KyButtonEditorInvoker m_prologueBrowse;
    CButton m_prologueBox;
    CComboBox m_prologueFileCombo;
    KyComboBox m_planNames;
    CButton m_planNew;
    CButton m_planDelete;
    CButton m_planSave;
    KyButtonEditorInvoker m_ruleEditor;
    KyReplaceGPatternListBox m_grid;

    Kyvant::ky_I m_planName;
};
