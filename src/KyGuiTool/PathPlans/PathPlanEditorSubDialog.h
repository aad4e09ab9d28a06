// PathPlanEditorSubDialog: the first path-plan page. The user writes path
// rules, a folder depth, masks, exceptions and advanced filters, and may
// keep the whole as a named path plan through the storage controls. It is
// also the page that takes a selection made in Explorer as its rules.
#pragma once

#include "KyDB/Named/PathPlanDB.h"
#include "KyGui/Adapters/KyComboBox.h"
#include "KyGui/Buttons/KyButtonEditorInvoker.h"
#include "KyGui/Buttons/KyButtonMenuInvoker.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/PathLists/KyPathListBox.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogBase.h"
#include "KyGuiTool/Storage/StorageMapUI.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

#include <memory>

class KYGUITOOL_API PathPlanEditorSubDialog : public KyPathPlanSubDialogBase {
    DECLARE_DYNAMIC(PathPlanEditorSubDialog)
public:
    // The storage controls over the path-plan database: the page's contents
    // stored as a plan and shown from one.
    class KYGUITOOL_API PathPlanDbUI : public Kyvant::StorageMapUI<Kyvant::PathPlanDB> {
    public:
        // The page's controls must exist; the names combo is filled here.
        explicit PathPlanDbUI(PathPlanEditorSubDialog& page);
        ~PathPlanDbUI() override;

        // The export files' header line.
        static const char kExportHeader[];

        void ClearContents() override;
        void AfterNew() override;
        void StopEditing() override;
        void LoadItem(const Kyvant::ky_I& name) override;
        bool ValidateControls() override;
        InsertResult StoreItem(const Kyvant::ky_I& name) override;
        void OnSaved(const Kyvant::ky_I& oldName, const Kyvant::ky_I& newName) override;
        void OnDeleted(const Kyvant::ky_I& name, bool wasCurrent) override;
        void OnRenamed(const Kyvant::ky_I& oldName, const Kyvant::ky_I& newName) override;
        void OnCleared(const Kyvant::ky_I& oldName, bool clearContents) override;

    private:
        PathPlanEditorSubDialog& m_page;
    };

    static const unsigned kMaxPlanNameLength = 128;
    static const unsigned kMaxDepthLength = 40;
    // Rules longer than this in all are not kept in the registry.
    static const unsigned long kMaxStoredRulesLength = 8192;
    // The values the page keeps besides the base's.
    static const char kPlanValue[];
    static const char kPathsList[];
    static const char kDepthValue[];

    enum Record : int {
        PlanNameRecord = 250,
        PathRuleRecord = 251,
        DepthRecord = 252,
    };

    // The hand-off key path is under HKCU; null or empty: none.
    PathPlanEditorSubDialog(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                            const char* handoffKeyPath);
    ~PathPlanEditorSubDialog() override;

    // The page took a selection from Explorer when it started.
    bool InitializedFromTimeLimitedRegKey() const { return m_fromExplorer; }

    // The depth shown: "Infinite" for the infinite depth, else the number's
    // entry or its text. An empty text shows none; an unreadable one raises
    // "Bad folder depth number: " + text.
    void SetMaxRecDepthWindowText(int depth);
    void SetMaxRecDepthWindowText(const Kyvant::ky_BSB<char>& text);

    // A rule that searches a folder: it ends in a path character and is no
    // literal, exception or sectioned rule.
    static bool IsFolderSearch(const Kyvant::ky_BSB<char>& rule);

    const StringList& GetRules() const { return m_rules; }
    const Kyvant::ky_I& GetPlanName() const { return m_planName; }
    const Kyvant::ky_S& GetDepth() const { return m_depth; }
    PathPlanDbUI* GetStorageUI() const { return m_ui.get(); }

    // The base's dirty mark, then the plan's.
    void SetDirty(bool dirty) override;
    // The plan's save question; false keeps the page shown.
    bool OnDeactivatePage() override;
    bool AllowOK() override;
    bool AllowCancel() override;
    // The storage controls first, then the page.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnInitDialog() override;

    using KyPathPlanSubDialogBase::SaveState;
    void SaveState(Kyvant::RegKey& key) override;
    void RestoreState(Kyvant::RegKey& key) override;
    // A named plan: "@P" + name. Else the depth, the base's filters and the rules.
    void UpdateArgv(const ArgSink& argv) override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnFinishNew() override;
    void DocOnStartLoad(const Kyvant::ky_F& file) override;
    void DocOnFinishLoad(bool ok) override;
    void DocOnFinishSave(bool ok) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInvokeAlternateEditor(UINT id) override;
    void OnRestoreFromPreviousTool() override;

    afx_msg void OnControlChange();
    afx_msg LRESULT OnPathListItemModified(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    friend class PathPlanDbUI;

    // What a task-file load has read so far.
    struct LoadContext {
        bool planFound = false;
        StringList rules;
    };

    void TakeExplorerSelection();
    void ValidateRules(CDataExchange& dx);
    void FillDepths();
    void LayOut();
    // The rules into the list box (replacing its rows), the first selected.
    void ShowRules();
    void SelectFirstRule();
    void StopRuleEditing();
    StringList ListedRules();
    // No rules, no depth.
    void ClearRulesAndDepth();
    // The plan's parts into the page.
    void ShowPlan(const Kyvant::PathPlanItem& plan);
    // The depth shown as written when it does not read (the check on OK
    // then refuses it); the problem is added to the list.
    void ShowDepthTolerantly(const Kyvant::ky_BSB<char>& text, Kyvant::ky_S& problems);
    bool EditRules();
    Kyvant::PathPlanItem BuildItem() const;

    Kyvant::PathPlanDB& m_db;
    bool m_saveState;
    bool m_fromExplorer;
    StringList m_rules;
    Kyvant::ky_S m_handoffKeyPath;
    std::unique_ptr<PathPlanDbUI> m_ui;
    std::unique_ptr<LoadContext> m_load;

    KyButtonMenuInvoker m_planMenu;
    KyComboBox m_planNames;
    CButton m_planSave;
    CButton m_planDelete;
    CButton m_planNew;
    KyButtonEditorInvoker m_rulesEditor;
    KyPathListBox m_ruleList;
    CStatic m_depthLabel;
    CComboBox m_depthCombo;

    Kyvant::ky_I m_planName;
    Kyvant::ky_S m_depth;
};
