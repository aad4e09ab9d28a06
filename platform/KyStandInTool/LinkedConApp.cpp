// Choosing between the task link and the front-end's start in GUI mode.
#include "KyStandInTool/LinkedConApp.h"

namespace Kyvant {
namespace StandIn {

LinkedConApp::LinkedConApp(const ky_F& guiTarget, const ky_S& guiDisplayName,
                           const TaskProtocol& protocol)
    : KyConApp(guiTarget, guiDisplayName), m_protocol(protocol)
{
}

LinkedConApp::~LinkedConApp() {}

bool LinkedConApp::RunGuiTarget(const char* const* argv)
{
    if (!TaskLink::Requested(m_protocol))
        return KyConApp::RunGuiTarget(argv);
    m_link.reset(new TaskLink(m_protocol, TaskLinkSwitches::FromEnvironment()));
    if (!m_link->AskForTask() || !m_link->WaitForGo())
        return false;
    guiMode_ = false;
    guiFlag_ = false;
    m_link->Connect();
    WriteTestResults(m_link->GetSwitches());
    return true;
}

void LinkedConApp::EndTask()
{
    if (m_link)
        m_link->Linger();
}

void LinkedConApp::WriteTestResults(const TaskLinkSwitches&) {}

void LinkedConApp::HoldLastResult()
{
    if (m_link)
        m_link->HoldLastResult();
}

} // namespace StandIn
} // namespace Kyvant
