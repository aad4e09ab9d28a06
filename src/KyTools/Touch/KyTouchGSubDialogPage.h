// KyTouchGSubDialogPage: the Touch tool's option page: for each of the last
// write, creation and last access times whether to set it, to "now" or to a
// given date and time, with toolbars that copy one time stamp into another;
// kept in the registry and in task files.
#pragma once

#include "KyGuiTool/Pages/KySubDialogPage.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"
#include "KyTools/KyToolsExport.h"
#include "KyTools/Touch/TouchStateRecord.h"

#include <afxcmn.h>
#include <afxwin.h>

class KYTOOLS_API KyTouchGSubDialogPage : public KySubDialogPage {
    DECLARE_DYNAMIC(KyTouchGSubDialogPage)
public:
    // The controls and task-file record of one time stamp.
    struct GroupIds {
        int dateLabel;
        int datePicker;
        int timeLabel;
        int timePicker;
        int now;
        int apply;
        int makeSource;
        int copy;
        int record;
    };

    // One time stamp's group of controls and its state.
    class KYTOOLS_API DateTime {
    public:
        DateTime(DateTime* next, KyTouchGSubDialogPage& page, const char* option,
                 const char* prefix, bool applyByDefault, const GroupIds& ids);

        DateTime* Next() const { return m_next; }
        const GroupIds& Ids() const { return m_ids; }
        bool IsApplied() const { return m_apply; }

        // Takes the pickers and the toolbar, shows the stored state.
        void Attach(CToolBarCtrl& toolbar, const Kyvant::RegKey& settings);
        void LoadState(const Kyvant::RegKey& settings);
        void StoreState(const Kyvant::RegKey& settings) const;
        Kyvant::TouchStateRecord GetState() const;
        void SetState(const Kyvant::TouchStateRecord& state);
        // Sets the apply and "Now" boxes and, with a date and time, the pickers.
        void Show();
        // Pickers blanked at the current time, not applied, "now".
        void Reset();
        // The state from the controls, as the data exchange takes it.
        void TakeStateFromControls();
        void AppendArgument(const SubDialogBridge::ArgSink& argv) const;

        void UpdateControls();
        void OnApplyClicked();
        // With Shift, "now" gives way to the current time in the pickers.
        void OnNowClicked(bool shift);
        void OnMakeSourceClicked();
        void OnCopyClicked();
        bool IsApplyChecked() const;
        bool IsNowChecked() const;
        // The make-source button is checked.
        bool IsSource() const;
        void EnableCopy(bool enable);

    private:
        void SetPickerTimes(const SYSTEMTIME& when);
        void SetPickersToNow();
        // The date picker's date with the time picker's time.
        SYSTEMTIME PickerTime() const;
        void ShowPickerTimes(bool shown);
        Kyvant::ky_I ValueName(const char* suffix) const;

        DateTime* m_next;
        KyTouchGSubDialogPage& m_page;
        CToolBarCtrl* m_toolbar;
        CDateTimeCtrl m_datePicker;
        CDateTimeCtrl m_timePicker;
        Kyvant::ky_I m_option;
        Kyvant::ky_I m_prefix;
        Kyvant::ky_I m_applyName;
        Kyvant::ky_I m_nowName;
        Kyvant::ky_I m_dateName;
        Kyvant::ky_I m_timeName;
        bool m_applyByDefault;
        bool m_apply;
        bool m_now;
        // The local date and time as entered, without zone conversion.
        FILETIME m_time;
        GroupIds m_ids;
    };

    KyTouchGSubDialogPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                          const Kyvant::RegKey& settings);
    ~KyTouchGSubDialogPage() override;

    void UpdateArgv(const ArgSink& argv) override;
    void SaveState() override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnFinishNew() override;
    void DocOnFinishLoad(bool ok) override;

    BOOL OnInitDialog() override;

    // The copy source: the first group whose make-source button is checked.
    DateTime* GetSource();
    // Each copy button enabled when its group is applied and another group
    // is the source.
    void RefreshCopySource();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnApplyClicked(UINT id);
    afx_msg void OnNowClicked(UINT id);
    afx_msg void OnFlagClicked(UINT id);
    afx_msg void OnDateTimeChange(UINT id, NMHDR* header, LRESULT* result);
    afx_msg void OnToolbarCommand(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    void CreateToolbar(CToolBarCtrl& toolbar, const GroupIds& ids, int placeholder);
    DateTime* GroupOfControl(int id, int GroupIds::*field);

    Kyvant::RegKey m_settings;
    DateTime* m_head;
    DateTime m_lastWrite;
    DateTime m_creation;
    DateTime m_lastAccess;
    CToolTipCtrl m_tips;
    CToolBarCtrl m_writeToolbar;
    CToolBarCtrl m_creationToolbar;
    CToolBarCtrl m_accessToolbar;
    CImageList m_images;
    CButton m_writeApply;
    CButton m_accessApply;
    CButton m_creationApply;
    CButton m_writeNow;
    CButton m_accessNow;
    CButton m_creationNow;
    int m_utc;
    int m_verbose;
    int m_touchFolders;
};
