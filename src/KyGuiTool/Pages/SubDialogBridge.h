// Kyvant::SubDialogBridge and Kyvant::AppBridge: what a settings dialog asks of
// each option page or page container, and what a page may ask of its host.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Core/RcPtr.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

namespace Kyvant {

namespace ToolDoc {
struct RecHeader;
class File;
class Report;
} // namespace ToolDoc

// The host's side, shared by a page and its host through rc_ptr.
class KYGUITOOL_API AppBridge {
public:
    AppBridge() = default;
    virtual ~AppBridge();
    AppBridge(const AppBridge&) = delete;
    AppBridge& operator=(const AppBridge&) = delete;

    // Clears the report.
    virtual void WriteReport(ToolDoc::Report& report);
    virtual void OnOK();
    virtual void DocSetModified() = 0;
    virtual bool DocFileIncludesTool() = 0;
    virtual bool DocFileIncludesFileSearch() = 0;
    virtual void SetPathPlanLoadedFromNonDocFile() = 0;
};

// The page's side: its window, the host's bridge and the ids the window takes
// (actual) and replaces in the host's template (proxy).
class KYGUITOOL_API SubDialogBridge {
public:
    using ArgSink = output_sequencer<ky_BSB<char>>;

    SubDialogBridge(CWnd& window, const rc_ptr<AppBridge>& appBridge, int actualId, int proxyId);
    virtual ~SubDialogBridge();
    SubDialogBridge(const SubDialogBridge&) = delete;
    SubDialogBridge& operator=(const SubDialogBridge&) = delete;

    // Clears the report.
    virtual void WriteReport(ToolDoc::Report& report);
    virtual bool CreateGUI(CWnd& parent, const CRect& rect) = 0;
    // Appends this page's console-program arguments.
    virtual void UpdateArgv(const ArgSink& argv) = 0;
    // Stores the page's settings in the registry.
    virtual void SaveState() = 0;
    virtual bool AllowOK() = 0;
    virtual bool AllowCancel() = 0;
    virtual int UpdateData(int save) = 0;
    // Takes one task-file record.
    virtual void DocProcessRecord(ToolDoc::RecHeader& header, void* payload) = 0;
    // Writes this page's task-file records.
    virtual void DocWriteRecords(ToolDoc::File& file) = 0;
    virtual void DocOnNew();
    virtual void DocOnFinishNew();
    virtual void DocOnStartLoad(const ky_F& file);
    virtual void DocOnFinishLoad(bool ok);
    virtual void DocOnStartSave(const ky_F& file);
    virtual void DocOnFinishSave(bool ok);

    // Tells the host that the document changed.
    void DocSetModified();

    CWnd& GetCWnd() const { return m_window; }
    const rc_ptr<AppBridge>& GetAppBridge() const { return m_appBridge; }
    int GetActualID() const { return m_actualId; }
    int GetProxyID() const { return m_proxyId; }

private:
    CWnd& m_window;
    rc_ptr<AppBridge> m_appBridge;
    int m_actualId;
    int m_proxyId;
};

} // namespace Kyvant
