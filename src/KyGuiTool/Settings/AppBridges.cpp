// Kyvant::ToolAppBridge and Kyvant::PathPlanAppBridge: each call passed to
// the hosting settings dialog.
#include "KyGuiTool/Settings/AppBridges.h"

#include "KyGuiTool/Settings/KyBaseDialog.h"
#include "KyGuiTool/TaskFiles/ToolDocReport.h"

namespace Kyvant {

ToolAppBridge::ToolAppBridge(KyBaseDialog& host) : m_host(host) {}

ToolAppBridge::~ToolAppBridge() = default;

void ToolAppBridge::OnOK() {}

void ToolAppBridge::DocSetModified()
{
    m_host.DocSetModified(ToolDoc::ToolSettings);
}

bool ToolAppBridge::DocFileIncludesTool()
{
    return m_host.DocFileIncludesTool();
}

bool ToolAppBridge::DocFileIncludesFileSearch()
{
    return m_host.DocFileIncludesFileSearch();
}

void ToolAppBridge::SetPathPlanLoadedFromNonDocFile() {}

PathPlanAppBridge::PathPlanAppBridge(KyBaseDialog& host) : m_host(host) {}

PathPlanAppBridge::~PathPlanAppBridge() = default;

void PathPlanAppBridge::WriteReport(ToolDoc::Report& report)
{
    if (SubDialogBridge* pages = m_host.GetPathPlanSubDialogBridge())
        pages->WriteReport(report);
    else
        AppBridge::WriteReport(report);
}

void PathPlanAppBridge::OnOK() {}

void PathPlanAppBridge::DocSetModified()
{
    m_host.DocSetModified(ToolDoc::FileSearchSettings);
}

bool PathPlanAppBridge::DocFileIncludesTool()
{
    return m_host.DocFileIncludesTool();
}

bool PathPlanAppBridge::DocFileIncludesFileSearch()
{
    return m_host.DocFileIncludesFileSearch();
}

void PathPlanAppBridge::SetPathPlanLoadedFromNonDocFile()
{
    m_host.SetPathPlanLoadedFromNonDocFile();
}

} // namespace Kyvant
