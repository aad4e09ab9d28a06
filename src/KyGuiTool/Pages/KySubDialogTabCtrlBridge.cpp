// KySubDialogTabCtrl as a sub-dialog bridge: forwarding to the active page,
// the remembered page in the registry and in task files, and task-file loads.
#include "KyGuiTool/Pages/KySubDialogTabCtrl.h"

#include "KyGuiTool/Pages/PagesResource.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyStd/Registry/RegValues.h"

#include <afxwin.h>

#include <exception>

void KySubDialogTabCtrl::WriteReport(Kyvant::ToolDoc::Report& report)
{
    if (m_activePage != nullptr)
        m_activePage->WriteReport(report);
}

void KySubDialogTabCtrl::UpdateArgv(const ArgSink& argv)
{
    if (m_activePage != nullptr)
        m_activePage->UpdateArgv(argv);
}

bool KySubDialogTabCtrl::AllowOK()
{
    return m_activePage == nullptr || m_activePage->AllowOK();
}

bool KySubDialogTabCtrl::AllowCancel()
{
    return m_activePage == nullptr || m_activePage->AllowCancel();
}

int KySubDialogTabCtrl::UpdateData(int save)
{
    return m_activePage != nullptr ? m_activePage->UpdateData(save) : TRUE;
}

void KySubDialogTabCtrl::DocOnNew()
{
    if (m_activePage != nullptr)
        m_activePage->DocOnNew();
}

void KySubDialogTabCtrl::DocOnFinishNew()
{
    if (m_activePage != nullptr)
        m_activePage->DocOnFinishNew();
}

void KySubDialogTabCtrl::DocOnStartSave(const Kyvant::ky_F& file)
{
    if (m_activePage != nullptr)
        m_activePage->DocOnStartSave(file);
}

void KySubDialogTabCtrl::DocOnFinishSave(bool ok)
{
    if (m_activePage != nullptr)
        m_activePage->DocOnFinishSave(ok);
}

void KySubDialogTabCtrl::SaveState()
{
    if (m_activePage == nullptr)
        return;
    m_activePage->SaveState();
    SaveStatePageGUID();
}

void KySubDialogTabCtrl::SaveStatePageGUID()
{
    if (m_stateKey.get() != nullptr && m_activePage != nullptr)
        Kyvant::WriteRegistryString(m_stateKey.get(), kPageGuidValue, m_activePage->GetGUID());
}

void KySubDialogTabCtrl::DocWriteRecords(Kyvant::ToolDoc::File& file)
{
    if (m_activePage == nullptr)
        return;
    if (m_stateKey.get() != nullptr)
        file.Write(m_pageGuidRecordType, m_activePage->GetGUID());
    m_activePage->DocWriteRecords(file);
}

// The pages hear of the load with its first record, once the record naming
// the page (if any) has been seen.
void KySubDialogTabCtrl::DocOnStartLoad(const Kyvant::ky_F& file)
{
    m_load.reset(new LoadContext{file, nullptr, false});
}

void KySubDialogTabCtrl::DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload)
{
    if (m_load == nullptr) {
        if (static_cast<int>(header.type) != m_pageGuidRecordType && m_activePage != nullptr)
            m_activePage->DocProcessRecord(header, payload);
        return;
    }
    if (m_load->pageMissing)
        return;
    const bool pageRecord = static_cast<int>(header.type) == m_pageGuidRecordType;
    if (pageRecord)
        LoadPageRecord(header, payload);
    if (m_load->started == nullptr && m_activePage != nullptr) {
        m_load->started = m_activePage;
        m_activePage->DocOnStartLoad(m_load->file);
    }
    if (!pageRecord && !m_load->pageMissing && m_activePage != nullptr)
        m_activePage->DocProcessRecord(header, payload);
}

// Shows the page that the record names; a page that cannot be shown drops the
// rest of the file's records for this control and shows the first page.
void KySubDialogTabCtrl::LoadPageRecord(const Kyvant::ToolDoc::RecHeader& header,
                                        const void* payload)
{
    try {
        const char* text = payload != nullptr ? static_cast<const char*>(payload) : "";
        const Kyvant::ky_I guid(text, payload != nullptr ? header.length : 0u);
        SetActivePage(guid, false, false);
        return;
    } catch (CException* e) {
        e->Delete();
    } catch (const std::exception&) {
    }
    m_load->pageMissing = true;
    SetActivePage(0u, false, false);
}

void KySubDialogTabCtrl::DocOnFinishLoad(bool ok)
{
    std::unique_ptr<LoadContext> load(std::move(m_load));
    if (load == nullptr)
        return;
    if (load->started != nullptr)
        load->started->DocOnFinishLoad(ok);
    if (load->pageMissing)
        AfxMessageBox(IDS_KY_PAGE_MISSING, MB_OK);
}
