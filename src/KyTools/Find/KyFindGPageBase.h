// KyFindGPageBase: what the Find pattern pages share: their kind, their
// registry subkey, the pattern combo with its MRU list and editor button, the
// check boxes kept in the registry and in task files, and the initial
// pattern from the development environment.
#pragma once

#include "KyGui/Buttons/KyButtonEditorInvoker.h"
#include "KyGuiTool/Pages/KySubDialogPage.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegMRU.h"
#include "KyStd/Strings/String.h"
#include "KyTools/Find/KyFindGFlavor.h"
#include "KyTools/KyToolsExport.h"

#include <afxwin.h>

#include <memory>
#include <vector>

class KYTOOLS_API KyFindGPageBase : public KySubDialogPage {
    DECLARE_DYNAMIC(KyFindGPageBase)
public:
    // The most patterns the MRU list keeps.
    static const unsigned kMaxPatterns = 20;
    // The list's name under the page's subkey.
    static const char kPatternListName[];

    // Opens (creating) the subkey named by the GUID under the parent key,
    // unless the parent holds no key, and enters the GUID's kind.
    KyFindGPageBase(int templateId, const Kyvant::ky_I& guid, KyFindGFlavor flavor,
                    const DWORD* helpIds, const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                    const Kyvant::RegKey& parent);
    ~KyFindGPageBase() override;

    KyFindGFlavor GetFlavor() const { return m_flavor; }
    const Kyvant::RegKey& GetSettingsKey() const { return m_key; }
    const Kyvant::ky_S& GetPattern() const { return m_pattern; }
    bool GetBinaryMode() const { return m_binaryMode != 0; }

    // The built-in defaults: an empty pattern and each box's default.
    virtual void ResetToDefaults();
    // Appends the pattern's own arguments.
    virtual void UpdatePatternArgv(const ArgSink& argv) = 0;

    // Appends the separator of option and file arguments.
    void UpdateArgv(const ArgSink& argv) override;
    // Adds the pattern to the MRU list, stores the boxes and gives the
    // hosting tab control the binary-mode flag.
    void SaveState() override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnFinishNew() override;
    void DocOnFinishLoad(bool ok) override;

    BOOL OnInitDialog() override;

protected:
    // One check box: its registry value, control, task-file record, field
    // and built-in default.
    struct Setting {
        const char* valueName;
        int controlId;
        int recordType;
        int* field;
        int defaultValue;
    };
    // The page's boxes in the write order of their records.
    void SetSettings(const std::vector<Setting>& settings) { m_settings = settings; }

    void DoDataExchange(CDataExchange* pDX) override;
    // Opens the pattern's bigger editor.
    virtual void OpenBigEditor() = 0;
    // The combo's text, and the combo's text set or the equal entry selected.
    Kyvant::ky_S GetComboText() const;
    void SetComboText(const Kyvant::ky_S& text);

    afx_msg void OnPatternChanged();
    afx_msg void OnBoxClicked(UINT id);
    afx_msg LRESULT OnInvokeEditor(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CComboBox m_patternCombo;
    KyButtonEditorInvoker m_editorButton;
    Kyvant::ky_S m_pattern;
    int m_ignoreCase;
    int m_wholeWords;
    int m_lineNumbers;
    int m_fileNamesOnly;
    int m_binaryMode;

private:
    void ReadSettings();
    void WriteSettings();
    void OpenPatternList();
    void FillPatternCombo();

    KyFindGFlavor m_flavor;
    Kyvant::RegKey m_key;
    std::unique_ptr<Kyvant::RegMRUReader<Kyvant::ky_S>> m_patternList;
    std::unique_ptr<Kyvant::RegMRUWriter<Kyvant::ky_S>> m_patternWriter;
    std::vector<Setting> m_settings;
};
