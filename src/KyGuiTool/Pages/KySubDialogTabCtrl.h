// KySubDialogTabCtrl: a tab control over sub-dialog pages that is itself a
// sub-dialog bridge: it forwards to its active page, remembers that page in
// the registry and in task files, and makes page windows on first use.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/Pages/KySubDialogPage.h"
#include "KyGuiTool/Pages/SubDialogBridge.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <afxcmn.h>

#include <memory>
#include <vector>

class KYGUITOOL_API KySubDialogTabCtrl : public CTabCtrl, public Kyvant::SubDialogBridge {
    DECLARE_DYNAMIC(KySubDialogTabCtrl)
public:
    // The value of the state key that names the active page.
    static const char kPageGuidValue[];

    // An empty state key keeps no page in the registry or in task files; a
    // negative default index means the first page.
    KySubDialogTabCtrl(int actualId, int proxyId, const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                       const Kyvant::RegKey& stateKey, int pageGuidRecordType, int defaultPage);
    ~KySubDialogTabCtrl() override;

    // Appends a page; its window is made when it is first shown. Pages stay
    // the caller's and must outlive the control's window.
    void AddPage(KySubDialogPage* page, const Kyvant::ky_BSB<char>& caption);
    void AddPage(KySubDialogPage* page, const char* caption);

    unsigned GetPageCount() const { return static_cast<unsigned>(m_pages.size()); }
    int GetActivePageIndex() const { return m_activeIndex; }
    KySubDialogPage* GetActivePagePtr() const { return m_activePage; }
    KySubDialogPage& GetActivePage() const;
    // Bad indexes raise std::invalid_argument, null pages std::runtime_error.
    KySubDialogPage& GetPage(unsigned index) const;
    KySubDialogPage* GetPagePtr(unsigned index) const;
    // The tab's text as the control shows it; empty when it cannot say.
    Kyvant::ky_S GetPageCaption(unsigned index) const;
    Kyvant::ky_S GetActivePageCaption() const;

    // Shows the page; with ask the active page may refuse to be left. The
    // GUID form compares without regard to case.
    void SetActivePage(unsigned index, bool focus, bool ask);
    void SetActivePage(const Kyvant::ky_I& guid, bool focus, bool ask);
    // The following and the preceding page, wrapping around.
    void NextPage();
    void PrevPage();

    // The bridge, forwarded to the active page.
    bool CreateGUI(CWnd& parent, const CRect& rect) override;
    void WriteReport(Kyvant::ToolDoc::Report& report) override;
    void UpdateArgv(const ArgSink& argv) override;
    void SaveState() override;
    bool AllowOK() override;
    bool AllowCancel() override;
    int UpdateData(int save) override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnFinishNew() override;
    void DocOnStartLoad(const Kyvant::ky_F& file) override;
    void DocOnFinishLoad(bool ok) override;
    void DocOnStartSave(const Kyvant::ky_F& file) override;
    void DocOnFinishSave(bool ok) override;

    // Stores the active page's GUID under "PageGUID" of the state key.
    virtual void SaveStatePageGUID();
    // The key that remembers the active page; empty when none does.
    const Kyvant::RegKey& GetStateKey() const { return m_stateKey; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnSelChanging(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnSelChange(NMHDR* pNotify, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    friend class KySubDialogPage;

    struct Entry {
        KySubDialogPage* page;
        Kyvant::ky_S caption;
    };
    // What a task-file load has done so far.
    struct LoadContext {
        Kyvant::ky_F file;
        KySubDialogPage* started;
        bool pageMissing;
    };

    void CreatePages();
    void ShowFirstPage(unsigned index);
    void CreatePageWindow(KySubDialogPage& page, bool place);
    CRect DisplayArea();
    void ActivatePage(unsigned index, bool focus);
    void CorrectDefaultButtons(CWnd& page);
    void CorrectFocus(CWnd& page, bool focus);
    bool ParentIsDialogLike() const;
    int IndexOf(const KySubDialogPage* page) const;
    void LoadPageRecord(const Kyvant::ToolDoc::RecHeader& header, const void* payload);

    int m_activeIndex;
    KySubDialogPage* m_activePage;
    std::vector<Entry> m_pages;
    Kyvant::RegKey m_stateKey;
    int m_pageGuidRecordType;
    int m_defaultPage;
    std::unique_ptr<LoadContext> m_load;
};
