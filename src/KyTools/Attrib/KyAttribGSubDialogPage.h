// KyAttribGSubDialogPage: the Attrib tool's option page: seven file
// attributes each set, cleared or left alone, with the folder and verbose
// switches, kept in the registry and in task files.
#pragma once

#include "KyGuiTool/Pages/KySubDialogPage.h"
#include "KyStd/Containers/Map.h"
#include "KyStd/Registry/RegKey.h"
#include "KyTools/KyToolsExport.h"

#include <afxwin.h>

class KYTOOLS_API KyAttribGSubDialogPage : public KySubDialogPage {
    DECLARE_DYNAMIC(KyAttribGSubDialogPage)
public:
    // What happens to an attribute; also its radio button's index in its row.
    enum State { Set = 0, Clear = 1, LeaveAlone = 2 };

    // One attribute: its option letter, the registry value of its state, the
    // page's field that holds the state and its row's first radio button.
    struct Attrib {
        Kyvant::RegKey key;
        char letter;
        const char* valueName;
        int* state;
        int firstRadio;
    };

    // Without a settings key every attribute is left alone and both switches
    // are off.
    KyAttribGSubDialogPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                           const Kyvant::RegKey& settings);
    ~KyAttribGSubDialogPage() override;

    void UpdateArgv(const ArgSink& argv) override;
    void SaveState() override;
    bool AllowOK() override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnControlClicked(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    // Rows that the running system cannot act on: disabled, shown and kept at
    // Leave alone.
    void DisableUnsupportedRows();
    void DisableRow(int record, int label);
    bool IsRowDisabled(int record) const;
    bool AllLeftAlone() const;

    Kyvant::RegKey m_settings;
    Kyvant::ky_map<int, Attrib> m_attribs;
    CStatic m_notIndexedLabel;
    CStatic m_encryptedLabel;
    CStatic m_compressedLabel;
    int m_archive;
    int m_hidden;
    int m_readOnly;
    int m_system;
    int m_verbose;
    int m_doFolders;
    int m_compressed;
    int m_encrypted;
    int m_notIndexed;
    // Bit (record - first record) for each disabled row.
    unsigned m_disabledRows;
};
