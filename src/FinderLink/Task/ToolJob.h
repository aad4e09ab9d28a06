// Kyvant::FinderLink::ToolJob: one task, one run of a front-end's console
// tool. Constructing it registers it as its controller's current job, then
// starts the tool and waits, serving messages, until the task dialog has
// ended; Go then starts the two reader threads on the tool's pipes (the
// results read by the front-end, the messages posted as texts) and releases
// the tool; the destructor joins the readers and the tool. AppToolJob keeps
// the dialog's answer in the front-end's application; what else differs
// (the protocol, how the results are read, whether the message reader drops
// CRs) the front-end's job gives.
#pragma once

#include "FinderLink/Controller/TaskController.h"
#include "FinderLink/Task/LinkProtocol.h"
#include "FinderLink/Task/TaskProcess.h"
#include "FinderLink/Task/TaskReaders.h"

#include <windows.h>

class KyFileListViewBase;

namespace Kyvant {
namespace FinderLink {

class ToolJob : public TaskJob, private ReaderClient {
public:
    ~ToolJob() override;
    ToolJob(const ToolJob&) = delete;
    ToolJob& operator=(const ToolJob&) = delete;

    // Starts the readers when the dialog was accepted and sets Go in every
    // case; true when both readers run. Errors are shown, not thrown.
    bool Go() { return m_readers.Go(); }
    // The task dialog's answer, given once; later calls are ignored. The
    // tool is released even when handing back fails (the error is thrown
    // afterwards).
    void HandBack(bool accepted);

    // TaskJob
    void Stop() override;
    bool IsDone() const override { return m_readers.IsDone(); }
    HANDLE GetStartedProcess() const override { return m_process.get(); }
    TaskReaders* GetReaders() override { return &m_readers; }

    TaskProcess& GetProcess() { return m_process; }

protected:
    // The protocol must outlive the job; recordAnswer keeps the dialog's
    // answer; listView: the view whose monitor timer follows the results
    // (null: none). Returns once the task dialog has ended; errors leave no
    // job behind.
    ToolJob(TaskController& controller, const LinkProtocol& protocol,
            TaskProcess::AnswerRecorder recordAnswer, KyFileListViewBase* listView);

private:
    // ReaderClient: DialogAccepted and ReadResults are the front-end's; the
    // message pipe is in text mode, so the C runtime has dropped the CR of a
    // CR LF already unless the front-end says otherwise.
    void OnReadersStarted() override;
    bool MessagesDropCR() const override;

    TaskController::Registration m_registration;
    TaskProcess::AnswerRecorder m_recordAnswer;
    KyFileListViewBase* m_listView;
    TaskProcess m_process;
    TaskReaders m_readers;
};

// A job whose front-end's application App (with Instance, GetDialogAccepted
// and SetDialogAccepted) keeps the task dialog's answer.
template <class App>
class AppToolJob : public ToolJob {
protected:
    AppToolJob(TaskController& controller, const LinkProtocol& protocol,
               KyFileListViewBase* listView)
        : ToolJob(controller, protocol, &RecordAnswer, listView)
    {
    }

private:
    static void RecordAnswer(bool accepted) { App::Instance().SetDialogAccepted(accepted); }
    bool DialogAccepted() const override { return App::Instance().GetDialogAccepted(); }
};

} // namespace FinderLink
} // namespace Kyvant
