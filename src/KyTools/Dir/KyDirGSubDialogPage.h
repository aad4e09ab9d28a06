// KyDirGSubDialogPage: the Dir tool's option page: where the listing goes (a
// list file, appended to or overwritten), how names are written (full paths,
// quoted, folders included) and, where the system has the Indexing Service,
// a query with its mode and sort order. It turns them into KyDir's
// arguments, its registry state and its task-file records, and leaves OK to
// the Dir front-end.
#pragma once

#include "KyGui/Buttons/KyButtonEditorInvoker.h"
#include "KyGuiTool/Pages/KySubDialogPage.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegMRU.h"
#include "KyStd/Strings/String.h"
#include "KyTools/KyToolsExport.h"

#include <afxwin.h>

#include <memory>

namespace Kyvant {
class KyDirGAppBridgeBase;
}

class KYTOOLS_API KyDirGSubDialogPage : public KySubDialogPage {
    DECLARE_DYNAMIC(KyDirGSubDialogPage)
public:
    // The most list files the history keeps, and its name under the key.
    static const unsigned kListFileHistorySize = 20;
    static const char kListFileHistory[];
    // The registry values of the two texts, read when the dialog opens.
    static const char kListFileValue[];
    static const char kQueryValue[];
    // The longest list file and query the page takes.
    static const unsigned kMaxListFileLength = 1024;
    static const unsigned kMaxQueryLength = 4096;

    // Reads the stored settings (the Indexing Service's only where the system
    // has it) and tells the host that no list file is named yet.
    KyDirGSubDialogPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                        const Kyvant::RegKey& settings);
    ~KyDirGSubDialogPage() override;

    void UpdateArgv(const ArgSink& argv) override;
    void SaveState() override;
    bool AllowOK() override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnFinishNew() override;
    void DocOnFinishLoad(bool ok) override;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnListFileEditChange();
    afx_msg void OnListFileSelChange();
    afx_msg void OnIndexingServiceClicked();
    afx_msg void OnQueryEditChange();
    afx_msg void OnQuerySelChange();
    afx_msg void OnOptionChanged(UINT id);
    afx_msg LRESULT OnInvokeEditor(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The query is used only where the system has the service, even when a
    // task file from another system asks for it.
    bool UsesIndexingService() const;
    void ResetToDefaults();
    void ReadSettings();
    void WriteSettings();
    void FillDropLists();
    void InitListFileControls();
    void InitIndexingServiceControls();
    // Hides the Indexing Service's controls and closes the gap they leave.
    void RemoveIndexingServiceControls();

    // The enabling rules.
    void UpdateAppend();
    void UpdateMode();
    void EnableIndexingServiceControls(bool enable);

    void BrowseListFile();
    void EditQuery();

    Kyvant::RegKey m_settings;
    std::unique_ptr<Kyvant::RegMRUReader<Kyvant::ky_S>> m_listFiles;
    std::unique_ptr<Kyvant::RegMRUWriter<Kyvant::ky_S>> m_listFileWriter;
    // Set only while a selection change of the combo is handled.
    bool m_listFileSelecting;
    bool m_querySelecting;
    bool m_indexingServiceAvailable;
    Kyvant::KyDirGAppBridgeBase* m_host; // null when the host is no Dir front-end

    CWnd m_modeLabel;
    KyButtonEditorInvoker m_queryButton;
    CComboBox m_modeCombo;
    CWnd m_listingCaption;
    CButton m_useIndexingServiceBox;
    CComboBox m_queryCombo;
    CComboBox m_sortCombo;
    CComboBox m_orderCombo;
    KyButtonEditorInvoker m_listFileButton;
    CButton m_appendBox;
    CComboBox m_listFileCombo;

    Kyvant::ky_S m_listFile;
    int m_quoteNames;
    int m_appendToFile;
    int m_fullPaths;
    int m_includeFolders;
    int m_sortDirection;
    int m_sortColumn;
    Kyvant::ky_S m_query;
    int m_useIndexingService;
    int m_queryMode;
};
