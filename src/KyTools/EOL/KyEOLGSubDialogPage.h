// KyEOLGSubDialogPage: the EOL tool's option page: which line ends the files
// have and which they get, kept in the registry and in task files.
#pragma once

#include "KyGuiTool/Pages/KySubDialogPage.h"
#include "KyStd/Containers/Map.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"
#include "KyTools/KyToolsExport.h"

#include <afxwin.h>

class KYTOOLS_API KyEOLGSubDialogPage : public KySubDialogPage {
    DECLARE_DYNAMIC(KyEOLGSubDialogPage)
public:
    // One radio button of a group: the mode value that the registry and task
    // files keep, the button and the console program's option.
    struct OptionDetails {
        int mode;
        int controlId;
        Kyvant::ky_S argument;
    };
    using Options = Kyvant::ky_map<int, OptionDetails>;
    using ReverseMap = Kyvant::ky_map<int, int>;

    // The input mode value of "All of the above".
    static const int kAllInputModes = 1000;

    KyEOLGSubDialogPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                        const Kyvant::RegKey& settings);
    ~KyEOLGSubDialogPage() override;

    void UpdateArgv(const ArgSink& argv) override;
    void SaveState() override;
    bool AllowOK() override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnFinishLoad(bool ok) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnControlClicked(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    void AddOption(Options& options, ReverseMap& reverse, int index, int mode, int controlId,
                   const char* argument);
    // The radio index of a stored mode value; index 0 for a value not in the map.
    static int IndexOfMode(const ReverseMap& reverse, int mode);
    const OptionDetails& Input() const;
    const OptionDetails& Output() const;

    Kyvant::RegKey m_settings;
    Options m_inputOptions;
    Options m_outputOptions;
    ReverseMap m_inputModes;
    ReverseMap m_outputModes;
    CButton m_firstOutput;
    int m_verbose;
    int m_inputIndex;
    int m_outputIndex;
};
