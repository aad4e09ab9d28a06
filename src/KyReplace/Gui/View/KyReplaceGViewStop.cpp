// CKyReplaceGView: the answer buttons, the stop sequence (asking, with the engine paused when no
// question waits, then stopping) and the end of a task.
#include "KyReplace/Gui/View/KyReplaceGView.h"

#include "KyGui/Helpers/NestedLoop.h"
#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Task/KyReplaceProcess.h"
#include "KyReplace/Gui/Task/ReplaceJob.h"
#include "KyReplace/Gui/Task/ReplaceMessages.h"
#include "KyReplace/Gui/View/NexusBase.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"
#include "KyReplace/Gui/View/ReplaceViewSeams.h"
#include "KyStd/Core/Errors.h"

#include <afxpriv.h>

#include <stdexcept>

using namespace Kyvant;

namespace {

const char kStopQuestion[] = "Stop this Replace Task?";
// How long a nested wait sleeps at most before it looks at the task again.
const DWORD kWaitSliceMs = 100;

// The eight buttons of the answer group, in the group's order.
const UINT kAnswerButtons[] = {
    IDC_KY_REPLACE_ANSWER_REPLACE,     IDC_KY_REPLACE_ANSWER_REPLACE_FILE,
    IDC_KY_REPLACE_ANSWER_REPLACE_ALL, IDC_KY_REPLACE_ANSWER_SKIP,
    IDC_KY_REPLACE_ANSWER_SKIP_FILE,   IDC_KY_REPLACE_ANSWER_SKIP_ALL,
    IDC_KY_REPLACE_ANSWER_CANCEL,      IDC_KY_REPLACE_STOP};

// Another thread's message (a packet) waits to be served.
using UserEx::SentMessageWaiting;

// Holds a mutex taken on the GUI thread until it goes.
class MutexHold {
public:
    explicit MutexHold(HANDLE mutex) : mutex_(mutex) {}
    ~MutexHold() { ::ReleaseMutex(mutex_); }
    MutexHold(const MutexHold&) = delete;
    MutexHold& operator=(const MutexHold&) = delete;

private:
    HANDLE mutex_;
};

} // namespace

// A phase of the stop sequence that has begun, the view disabled meanwhile
// and the watchdog cancelled at its end, when the phase's end moves the state.
class CKyReplaceGView::InStop {
public:
    InStop(CKyReplaceGView& view, ReplaceTaskState::Event end) : view_(view), end_(end) {}
    ~InStop()
    {
        view_.m_watchdog.reset();
        if (disabled_)
            view_.EnableWindow(TRUE);
        view_.m_state.Apply(end_);
    }
    InStop(const InStop&) = delete;
    InStop& operator=(const InStop&) = delete;

    void DisableView()
    {
        view_.EnableWindow(FALSE);
        disabled_ = true;
    }
    void StartWatchdog()
    {
        try {
            view_.m_watchdog.reset(new ProcessKiller::Manager(view_));
        } catch (const std::exception&) {
            // Another watchdog runs: the stop goes on without one.
        }
    }
    void CancelWatchdog() { view_.m_watchdog.reset(); }

private:
    CKyReplaceGView& view_;
    const ReplaceTaskState::Event end_;
    bool disabled_ = false;
};

void CKyReplaceGView::EnableAnswers(bool enable)
{
    if (!enable) {
        for (UINT id : kAnswerButtons) {
            CWnd* button = GetDlgItem(id);
            if (button && (button->GetStyle() & BS_DEFPUSHBUTTON) != 0)
                button->SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        }
    }
    for (UINT id : kAnswerButtons)
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(enable ? TRUE : FALSE);
}

void CKyReplaceGView::OnAnswer(UINT id)
{
    if (!m_nexus || !m_state.Apply(ReplaceTaskState::Event::QuestionAnswered)) {
        ReplaceViewSeams::Beep(MB_ICONEXCLAMATION);
        return;
    }
    m_before.SetFocus();
    switch (id) {
    case IDC_KY_REPLACE_ANSWER_REPLACE:
        m_nexus->Replace();
        break;
    case IDC_KY_REPLACE_ANSWER_REPLACE_FILE:
        m_nexus->ReplaceAllInFile();
        break;
    case IDC_KY_REPLACE_ANSWER_REPLACE_ALL:
        m_nexus->ReplaceAllFiles();
        break;
    case IDC_KY_REPLACE_ANSWER_SKIP:
        m_nexus->Skip();
        break;
    case IDC_KY_REPLACE_ANSWER_SKIP_FILE:
        m_nexus->SkipAllInFile();
        break;
    case IDC_KY_REPLACE_ANSWER_SKIP_ALL:
        m_nexus->SkipAllFiles();
        break;
    default:
        m_nexus->Cancel();
        break;
    }
}

void CKyReplaceGView::OnNewTask()
{
    m_before.SetFocus();
    if (CWnd* frame = Frame())
        frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
}

void CKyReplaceGView::OnStopButton()
{
    m_before.SetFocus();
    if (StopTask())
        m_log.SetFocus();
    else
        m_before.SetFocus();
}

bool CKyReplaceGView::StopTask()
{
    return AskToStop() && StopEngine();
}

bool CKyReplaceGView::AskStopQuestion()
{
    return AfxMessageBox(kStopQuestion, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

bool CKyReplaceGView::AskToStop()
{
    if (!m_job || !m_state.Apply(ReplaceTaskState::Event::AskBegins))
        return false;
    InStop stop(*this, ReplaceTaskState::Event::AskEnds);
    if (m_job->IsFinished())
        return true;
    if (m_state.QuestionWaits())
        return AskStopQuestion();
    return PauseAndAsk(stop);
}

// Pauses the engine (KyReplace starts no file meanwhile) and asks once it
// has paused or a question came; an engine that ends meanwhile is stopped.
bool CKyReplaceGView::PauseAndAsk(InStop& stop)
{
    ShowStatus(IDS_KY_REPLACE_PAUSING);
    m_job->PauseEvent().Set();
    const HANDLE fileCheck = m_job->FileCheckMutex().get();
    TakeFileCheck(fileCheck);
    const MutexHold held(fileCheck);
    stop.DisableView();
    stop.StartWatchdog();
    if (WaitUntilPausedOrAsked())
        return true;
    stop.CancelWatchdog();
    ShowStatus(IDS_KY_REPLACE_PAUSED);
    if (AskStopQuestion()) {
        m_job->DoQuitEvent().Set();
        return true;
    }
    ResumeAfterPause();
    return false;
}

// Takes the engine's file-check mutex, serving the view while the engine
// finishes the file it is checking.
void CKyReplaceGView::TakeFileCheck(HANDLE fileCheck)
{
    for (;;) {
        const DWORD taken = ::WaitForSingleObject(fileCheck, 0);
        if (taken == WAIT_OBJECT_0 || taken == WAIT_ABANDONED)
            return;
        if (taken == WAIT_FAILED)
            throw os_error();
        const DWORD woken = PumpIdleAndWait(fileCheck);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_ABANDONED)
            return;
    }
}

// Serves the view until the engine has paused or asked a question (false),
// or the job is finished (true). An engine that ended may still have a
// packet on its way (a question, its pause): the packets are served first,
// and the job is finished only once none waits.
bool CKyReplaceGView::WaitUntilPausedOrAsked()
{
    bool engineEnded = false;
    for (;;) {
        if (m_job->IsFinished())
            return true;
        if (m_job->IsPaused() || m_state.QuestionWaits())
            return false;
        if (engineEnded && !SentMessageWaiting()) {
            m_job->SetFinished();
            return true;
        }
        engineEnded = PumpIdleAndWait(WatchedProcess()) == WAIT_OBJECT_0;
    }
}

// The stop was refused: no pause may be left pending for the engine's next
// check, and a paused engine goes on.
void CKyReplaceGView::ResumeAfterPause()
{
    m_job->PauseEvent().Reset();
    if (m_job->IsPaused()) {
        m_job->ResumeEvent().Set();
        m_job->SetPaused(false);
        ShowStatus(IDS_KY_REPLACE_WORKING);
    } else {
        ShowStatus(AFX_IDS_IDLEMESSAGE);
    }
}

bool CKyReplaceGView::StopEngine()
{
    if (!m_job || !m_state.Apply(ReplaceTaskState::Event::StopBegins))
        return false;
    InStop stop(*this, ReplaceTaskState::Event::StopEnds);
    if (!(m_job->IsFinished() && KyReplaceEnded())) {
        ShowStatus(IDS_KY_REPLACE_STOPPING);
        stop.DisableView();
        if (!m_job->IsFinished())
            stop.StartWatchdog();
        // A waiting question is answered with stop, now and whenever one
        // comes while the engine ends.
        if (m_state.Apply(ReplaceTaskState::Event::QuestionDropped)) {
            m_job->WriteReply(kReplyStop);
            stop.CancelWatchdog();
        }
        m_job->DoQuitEvent().Set();
        while (!m_job->IsFinished()) {
            if (m_state.Apply(ReplaceTaskState::Event::QuestionDropped))
                m_job->WriteReply(kReplyStop);
            if (PumpIdleAndWait(WatchedProcess()) == WAIT_OBJECT_0)
                m_job->SetFinished();
        }
        m_state.Apply(ReplaceTaskState::Event::QuestionDropped);
        while (!KyReplaceEnded())
            PumpIdleAndWait(m_job->KyReplace().get());
        EnableWindow(TRUE);
    }
    EndTask(true);
    return true;
}

void CKyReplaceGView::EndTask(bool forced)
{
    if (m_state.Ending())
        return;
    // A stop under way ends the task itself once the engine is gone; with
    // the job still there the stop phase ends it here.
    if (!forced && (m_state.InStop() || StopEngine()))
        return;
    // Refused only where no end can begin (while a task starts).
    if (!m_state.Apply(ReplaceTaskState::Event::EndBegins))
        return;
    struct Ending {
        ReplaceTaskState& state;
        ~Ending() { state.Apply(ReplaceTaskState::Event::EndEnds); }
    } ending{m_state};
    StopOneSecondTimer();
    EnableAnswers(false);
    m_fileName.clear();
    SetDlgItemText(IDC_KY_REPLACE_FILE, "");
    m_before.SetWindowText("");
    m_after.SetWindowText("");
    ClearRuleSides();
    SetDlgItemText(IDC_KY_REPLACE_POSITION, "");
    m_positionShown = false;
    ShowStatus(AFX_IDS_IDLEMESSAGE);
    DispatchPendingRequests();
    // Packets served while the job goes find it gone.
    std::unique_ptr<ReplaceJob> job(std::move(m_job));
    job.reset();
    if (CDocument* document = GetDocument())
        document->SetModifiedFlag(FALSE);
}

// KyReplace's log lines and requests posted before it ended.
void CKyReplaceGView::DispatchPendingRequests()
{
    MSG msg;
    while (::PeekMessageA(&msg, m_hWnd, kReplaceRequestMessage, kReplaceRequestMessage, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

DWORD CKyReplaceGView::PumpIdleAndWait(HANDLE handle)
{
    CWnd* frame = Frame();
    UserEx::NestedLoop loop({UserEx::Serving::kQueueThenIdle, frame ? frame->m_hWnd : m_hWnd,
                             UserEx::QuitWaiting::kLetsSleep, true});
    return loop.Round(&handle, 1, kWaitSliceMs);
}

HANDLE CKyReplaceGView::WatchedProcess() const
{
    if (!m_job)
        return nullptr;
    if (!m_job->WatchedProcess().empty())
        return m_job->WatchedProcess().get();
    return m_job->KyReplace().get();
}

bool CKyReplaceGView::KyReplaceEnded() const
{
    return !m_job || m_job->KyReplace().empty() ||
           ::WaitForSingleObject(m_job->KyReplace().get(), 0) != WAIT_TIMEOUT;
}
