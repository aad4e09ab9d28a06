// The result list tests' view: rows of file records over the files of a
// folder, with what the base asked of it recorded, in a frame of its own;
// and the recorders that stand in for the view's outside effects.
#pragma once

#include "KyGuiTool/FileRecords/ShFileRecItem.h"
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

#include <afxwin.h>

#include <memory>
#include <string>
#include <vector>

class TestFileListView : public KyFileListViewBase {
    DECLARE_DYNCREATE(TestFileListView)

public:
    enum Column { Name, Folder, Size, Type, Modified, Created, Attributes, Rank, ColumnCount };

    TestFileListView();
    ~TestFileListView() override;

    void SetRows(const std::string& folder, const std::vector<std::string>& names);
    const Kyvant::ShFileRec::Item& Row(int row) const { return *m_rows[row]; }

    using KyFileListViewBase::DoItemLaunch;
    using KyFileListViewBase::GetHotItem;
    using KyFileListViewBase::SetSortStateX;
    bool ClickActivated() const { return m_clickActivatedOnSelectedItem; }
    bool LabelEditing() const { return m_labelEditing; }
    std::vector<int> InitWidthArguments() const { return m_initArguments; }

    std::vector<std::string> m_heard; // the derived operations the base called
    int m_timerKills = 0;
    int m_changesWhileSelectingAll = 0;
    bool m_copyThrows = false;
    bool m_copyFailsInCom = false;

    void GetItemFileAndAttributes(Kyvant::ky_F& out, int row, DWORD& attributes) override;
    void GetItemFile(Kyvant::ky_F& out, int row) override;
    void GetItemFolder(Kyvant::ky_F& out, int row) override;
    void InitColumnWidths(int* widths, int availableWidth, int widthOfX, int widthOf0,
                          int smallIconWidth, int extra) override;
    void GetMsgWndText(Kyvant::ky_S& out) override;
    void Refresh() override;
    void CopyItems(bool copy) override;
    void ShowItemProperties() override;
    void DeleteItems() override;
    void BeginItemDrag(NMHDR* pNMHDR, LRESULT* pResult) override;
    void EndItemLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) override;
    void OnMonitorTimerKilled() override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnHeaderCommand(UINT id);
    afx_msg void OnUpdateHeaderCommand(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::unique_ptr<Kyvant::ShFileRec::Item>> m_rows;
    std::vector<int> m_initArguments;
};

// What the view did outside itself, through the replaceable functions.
struct OutsideSeen {
    struct Menu {
        std::vector<std::string> paths; // one for the single-object form
        bool single;
        POINT point;
    };
    struct Launch {
        std::string file;
        std::string parameters;
        std::string verb;
    };
    int beeps = 0;
    std::vector<Menu> menus;
    std::vector<Launch> launches;
};
OutsideSeen& Outside();

// Installs the recorders (and the common controls' version the view sees)
// for its life.
class OutsideScope {
public:
    explicit OutsideScope(DWORD comctlVersion);
    ~OutsideScope();
    OutsideScope(const OutsideScope&) = delete;
    OutsideScope& operator=(const OutsideScope&) = delete;
};

// A frame holding one test view, its first initial update done and its
// columns restored from the key; the frame deletes itself when destroyed.
CFrameWnd* OpenListFrame(Kyvant::RegKey& key, TestFileListView*& view);
