// A task's job: its registration, the tool's process, the readers, the
// hand-back of the dialog's answer, Stop, and the views following the
// results once the readers run.
#include "FinderLink/Task/ToolJob.h"

#include "KyGuiTool/ResultList/KyFileListViewBase.h"

namespace Kyvant {
namespace FinderLink {

ToolJob::ToolJob(TaskController& controller, const LinkProtocol& protocol,
                 TaskProcess::AnswerRecorder recordAnswer, KyFileListViewBase* listView)
    : m_registration(controller, this), m_recordAnswer(recordAnswer), m_listView(listView),
      m_process(protocol), m_readers(m_process, *this)
{
}

ToolJob::~ToolJob() {}

void ToolJob::HandBack(bool accepted)
{
    m_process.HandBack(accepted, m_recordAnswer);
}

void ToolJob::Stop()
{
    m_process.GetGoAway().Set();
}

void ToolJob::OnReadersStarted()
{
    if (m_listView != nullptr)
        m_listView->EnableMonitorTimer(true);
}

bool ToolJob::MessagesDropCR() const
{
    return true;
}

} // namespace FinderLink
} // namespace Kyvant
