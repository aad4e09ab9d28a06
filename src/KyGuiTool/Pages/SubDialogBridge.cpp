// Kyvant::SubDialogBridge and Kyvant::AppBridge: the default operations.
#include "KyGuiTool/Pages/SubDialogBridge.h"

#include "KyGuiTool/TaskFiles/ToolDocReport.h"

namespace Kyvant {

AppBridge::~AppBridge() = default;

void AppBridge::WriteReport(ToolDoc::Report& report)
{
    report.Clear();
}

void AppBridge::OnOK() {}

SubDialogBridge::SubDialogBridge(CWnd& window, const rc_ptr<AppBridge>& appBridge, int actualId,
                                 int proxyId)
    : m_window(window), m_appBridge(appBridge), m_actualId(actualId), m_proxyId(proxyId)
{
}

SubDialogBridge::~SubDialogBridge() = default;

void SubDialogBridge::WriteReport(ToolDoc::Report& report)
{
    report.Clear();
}

void SubDialogBridge::DocOnNew() {}

void SubDialogBridge::DocOnFinishNew() {}

void SubDialogBridge::DocOnStartLoad(const ky_F&) {}

void SubDialogBridge::DocOnFinishLoad(bool) {}

void SubDialogBridge::DocOnStartSave(const ky_F&) {}

void SubDialogBridge::DocOnFinishSave(bool) {}

void SubDialogBridge::DocSetModified()
{
    if (m_appBridge)
        m_appBridge->DocSetModified();
}

} // namespace Kyvant
