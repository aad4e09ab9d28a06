// KyPathPlanSubDialogBase: the base of every path-plan page. It owns what
// each page has: the file masks with their remembered list, the exception
// rules, the advanced filters and "Restore", which takes the settings that
// any tool (or, with Shift, this tool) last accepted on the page. Settings
// are kept twice on OK: under the tool's options key and under the shared
// "PreviousTool" key.
#pragma once

#include "KyConTool/Filters/AdvancedFilters.h"
#include "KyDB/Named/PathPlanItem.h"
#include "KyGui/Adapters/KyComboBox.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/MaskSets/KyMaskSetButton.h"
#include "KyGuiTool/Pages/KySubDialogPage.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegMRU.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

#include <memory>

class KYGUITOOL_API KyPathPlanSubDialogBase : public KySubDialogPage {
    DECLARE_DYNAMIC(KyPathPlanSubDialogBase)
public:
    using StringList = Kyvant::PathPlanItem::StringList;
    using Filters = Kyvant::AdvancedFiltration::Filters;

    static const unsigned kMaxMasksLength = 8192;
    static const unsigned kMasksHistorySize = 20;
    // The list of masks under the path-plan database's key.
    static const char kMasksHistoryList[];
    // The subkey of the shared page key that holds what any tool last used.
    static const char kPreviousToolSubkey[];
    // The values every page keeps under its keys.
    static const char kMasksValue[];
    static const char kExceptionsList[];
    static const char kAdvancedFiltersList[];

    // Task-file records of every page.
    enum Record : int {
        ExceptionRecord = 200,
        AdvancedFilterRecord = 201,
        MasksRecord = 202,
    };

    // Opens (creating them) the page's key under the tool's options, its
    // shared key under the path-plan database's key and the "PreviousTool"
    // key under that, and reads the masks history.
    KyPathPlanSubDialogBase(int templateId, const Kyvant::ky_I& guid, const DWORD* helpIds,
                            const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                            const Kyvant::ky_S& defaultMasks);
    ~KyPathPlanSubDialogBase() override;

    // With ownWithShift set and Shift held, the page key (this tool's last
    // settings); else the "PreviousTool" key (any tool's).
    Kyvant::RegKey& GetRegKeyForPreviousTool(bool ownWithShift);
    Kyvant::RegKey& GetPageKey() { return m_pageKey; }

    bool HasMasks() const { return !m_masks.empty(); }
    bool HasExceptions() const { return !m_exceptions.empty(); }
    bool HasAdvancedFilters() const { return m_filters.Active(); }
    bool HasAnyFilter() const { return HasMasks() || HasExceptions() || HasAdvancedFilters(); }
    const Kyvant::ky_S& GetMasks() const { return m_masks; }
    const StringList& GetExceptions() const { return m_exceptions; }
    const Filters& GetAdvancedFilters() const { return m_filters; }

    // "* Advanced..." while filters are active and "* Exceptions..." while
    // there are exception rules; a button's text is set only when it changes.
    void UpdateAllButtonText();
    void UpdateAdvancedButtonText();
    void UpdateExceptionsButtonText();

    // "Masks", "Exceptions" and "AdvancedFilters" under the key.
    virtual void SaveState(Kyvant::RegKey& key);
    // The same values back; missing masks give the page's default masks.
    // Filter texts that do not parse are reported and skipped.
    virtual void RestoreState(Kyvant::RegKey& key);
    // True marks the file-search part of the task modified.
    virtual void SetDirty(bool dirty);

    void WriteReport(Kyvant::ToolDoc::Report& report) override;
    // "@m" + masks, "@x" + each exception, "@a" + each filter text (the
    // empty ones left out); the pages add their file sets.
    void UpdateArgv(const ArgSink& argv) override;
    // The masks to the front of the history, then both keys.
    void SaveState() override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnStartLoad(const Kyvant::ky_F& file) override;
    void DocOnFinishLoad(bool ok) override;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // Opens the larger editor that the control asks for: the Mask Set
    // Editor (24011) or the exceptions' list editor (24013). True when it
    // changed something.
    virtual bool OnInvokeAlternateEditor(UINT id);

    afx_msg virtual void OnRestoreFromPreviousTool();
    afx_msg void OnAdvanced();
    afx_msg void OnExceptions();
    afx_msg void OnMasksChange();
    afx_msg LRESULT OnInvokeEditorMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // RestoreState without its report: the problems are added to the list.
    void RestoreFilterSettings(Kyvant::RegKey& key, Kyvant::ky_S& problems);
    // The masks text into the masks combo (its equal entry, else the text).
    void ShowMasks();
    void ClearFilterSettings();
    // While set, the page's own changes to its controls are not edits.
    bool Quiet() const { return m_quiet > 0; }

    // Counts the page's own changes to its controls for its lifetime.
    class QuietScope {
    public:
        explicit QuietScope(KyPathPlanSubDialogBase& page) : m_page(page) { ++m_page.m_quiet; }
        ~QuietScope() { --m_page.m_quiet; }
        QuietScope(const QuietScope&) = delete;
        QuietScope& operator=(const QuietScope&) = delete;

    private:
        KyPathPlanSubDialogBase& m_page;
    };

    Kyvant::ky_S m_defaultMasks;
    Kyvant::RegKey m_pageKey;
    Kyvant::RegKey m_sharedPageKey;
    Kyvant::RegKey m_previousToolKey;
    StringList m_exceptions;
    Filters m_filters;
    std::unique_ptr<Kyvant::RegMRUReader<Kyvant::ky_S>> m_masksHistory;
    std::unique_ptr<Kyvant::RegMRUWriter<Kyvant::ky_S>> m_masksHistoryWriter;
    // Exists only while a task file loads.
    std::unique_ptr<StringList> m_loadFilterTexts;

    CButton m_advanced;
    CButton m_exceptionsButton;
    CButton m_restore;
    KyComboBox m_masksCombo;
    KyMaskSetButton m_maskSet;
    Kyvant::ky_S m_masks;

private:
    void FillMasksHistory();
    bool EditExceptions();
    static void SetTextIfChanged(CWnd& window, UINT id);

    int m_quiet;
};
