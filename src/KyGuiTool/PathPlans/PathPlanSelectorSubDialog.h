// PathPlanSelectorSubDialog: the "Chooser" page, a check list of the stored
// path plans. The tool works on the files of the checked plans, narrowed by
// the page's masks, exceptions and advanced filters.
#pragma once

#include "KyDB/Named/PathPlanDB.h"
#include "KyGui/CheckList/KyCheckListBox.h"
#include "KyGui/Layout/SimpleLayoutManager.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogBase.h"
#include "KyStd/Containers/List.h"
#include "KyStd/Containers/Map.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

class KYGUITOOL_API PathPlanSelectorSubDialog : public KyPathPlanSubDialogBase {
    DECLARE_DYNAMIC(PathPlanSelectorSubDialog)
public:
    using NameList = Kyvant::ky_list<Kyvant::ky_I>;
    using NameSet = Kyvant::ky_set<Kyvant::ky_I>;

    // The checked names, joined by this byte, in the registry and task files.
    static const char kNameSeparator = '\x01';
    static const char kPlanListValue[];
    // The check list is never less than this many rows high.
    static const int kMinListRows = 3;

    enum Record : int {
        PlanListRecord = 400,
    };

    explicit PathPlanSelectorSubDialog(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge);
    ~PathPlanSelectorSubDialog() override;

    // Brings the list in line with the database: gone plans leave, new ones
    // come in unchecked at their place, the others keep their checks.
    void UpdateList();
    // Checks exactly the named plans (case ignored); names without a plan
    // are reported in one message.
    void CheckNames(const Kyvant::ky_BSB<char>& joinedNames);
    void CheckNames(Kyvant::RegKey& key);
    void CheckNames(NameSet& names);

    // The names collected by the last validation, in list order.
    const NameList& GetCheckedNames() const { return m_checkedNames; }

    void OnActivatePage() override;
    BOOL OnInitDialog() override;

    using KyPathPlanSubDialogBase::SaveState;
    void SaveState(Kyvant::RegKey& key) override;
    void RestoreState(Kyvant::RegKey& key) override;
    // The base's filters, then "@P" + each checked plan.
    void UpdateArgv(const ArgSink& argv) override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnFinishNew() override;
    void DocOnStartLoad(const Kyvant::ky_F& file) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnCheckAll();
    afx_msg void OnUncheckAll();
    afx_msg void OnChkChange();
    afx_msg void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void SetAllChecks(int state);
    Kyvant::ky_I EntryName(int index) const;
    Kyvant::ky_S JoinedCheckedNames() const;
    void SetUpLayout();
    void FitList();

    Kyvant::PathPlanDB& m_db;
    NameList m_checkedNames;
    int m_shownCount;
    int m_shownChecked;
    bool m_laidOut;
    Kyvant::SimpleLayoutManager m_layout;

    KyCheckListBox m_list;
    CStatic m_label;
    CButton m_checkAll;
    CButton m_checkNone;
};
