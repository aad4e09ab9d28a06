// CKyReplaceGView: starting a task, KyReplace's requests (the task dialog, the engine to watch,
// log lines) and the engine's packets.
#include "KyReplace/Gui/View/KyReplaceGView.h"

#include "KyConTool/App/ProtocolPrefix.h"
#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Packets/ReplPacket.h"
#include "KyReplace/Gui/Task/KyReplaceProcess.h"
#include "KyReplace/Gui/Task/ReplaceJob.h"
#include "KyReplace/Gui/Task/ReplaceMessages.h"
#include "KyReplace/Gui/View/MultiLineNexus.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"
#include "KyReplace/Gui/View/ReplaceViewSeams.h"
#include "KyReplace/Gui/View/SingleLineNexus.h"
#include "KyStd/Core/HandleWords.h"
#include "KyStd/Processes/PipeIO.h"

#include <afxpriv.h>

#include <exception>
#include <memory>
#include <stdexcept>
#include <string>

using namespace Kyvant;

namespace {

const char kUnknownStartError[] = "Unknown error initializing KyReplace.";
const char kBadState[] = "Bad state.";
const char kPacketFailureSuffix[] = " (in OnPerlPacket)";
const char kEngineDied[] = "Perl died unexpectedly";

} // namespace

// The start serves messages until KyReplace is ready: a start asked for
// meanwhile only beeps, a close waits until the start is through.
LRESULT CKyReplaceGView::OnStartTask(WPARAM firstUpdate, LPARAM)
{
    if (!m_state.Apply(ReplaceTaskState::Event::StartBegins)) {
        MessageBeep(0);
        return 0;
    }
    StartTask(firstUpdate != 0);
    const bool closeAfterStart = m_state.GetPhase() == ReplaceTaskState::Phase::StartingToClose;
    m_state.Apply(ReplaceTaskState::Event::StartEnds);
    if (closeAfterStart) {
        if (CFrameWnd* frame = GetParentFrame())
            frame->PostMessage(WM_CLOSE);
    }
    return 0;
}

bool CKyReplaceGView::PutOffCloseWhileStarting()
{
    return m_state.Apply(ReplaceTaskState::Event::CloseAsked);
}

void CKyReplaceGView::StartTask(bool first)
{
    KyGuiApp::Instance().ClearIndexingServiceMessage();
    ReplaceJob::SetDialogFailed(false);
    CDocument* document = GetDocument();
    try {
        // The new job's named objects take the old one's names.
        m_nexus.reset();
        m_job.reset();
        m_job.reset(new ReplaceJob(*this));
        m_log.SetWindowText("");
        m_before.SetFocus();
        GetDlgItem(IDC_KY_REPLACE_STOP)->EnableWindow(TRUE);
        if (document)
            document->SetModifiedFlag(TRUE);
        try {
            m_job->Go();
        } catch (...) {
            // KyReplace waits for the go-ahead that will not come.
            m_job->KyReplace().Abandon();
            m_job.reset();
            if (document)
                document->SetModifiedFlag(FALSE);
            throw;
        }
        return;
    } catch (const std::exception& e) {
        ReportStartError(e.what());
    } catch (CException* e) {
        if (!ReplaceJob::DialogFailed())
            e->ReportError();
        e->Delete();
    } catch (...) {
        ReportStartError(kUnknownStartError);
    }
    GetDlgItem(IDC_KY_REPLACE_STOP)->EnableWindow(FALSE);
    if (!(ReplaceJob::DialogFailed() && first))
        ShowStatus(AFX_IDS_IDLEMESSAGE);
    try {
        ResetProtocolPrefix();
    } catch (...) {
    }
}

void CKyReplaceGView::ReportStartError(const char* text)
{
    if (!ReplaceJob::DialogFailed())
        AfxMessageBox(text, MB_OK | MB_ICONERROR);
}

LRESULT CKyReplaceGView::OnKyReplaceRequest(WPARAM request, LPARAM value)
{
    try {
        switch (request) {
        case kRequestWatchProcess:
            WatchEngine(LParamToHandle(value));
            break;
        case kRequestTaskDialog:
            RunTaskDialog();
            break;
        default:
            ReadLogLine(request, value);
            break;
        }
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
    return 0;
}

// The job under construction learns the answer in every case, so that
// KyReplace never waits for a dialog that is over.
void CKyReplaceGView::RunTaskDialog()
{
    bool failed = true;
    CFrameWnd* frame = GetParentFrame();
    if (frame && frame->InModalState()) {
        ReplaceViewSeams::Beep(0);
    } else {
        m_freshness.BeforeDialog();
        try {
            failed = ReplaceViewSeams::RunTaskDialog(*this) != IDOK;
        } catch (...) {
            m_freshness.AfterDialog();
            ReplaceJob::SetDialogFailed(true);
            if (m_jobUnderConstruction)
                m_jobUnderConstruction->EndDialog();
            throw;
        }
        m_freshness.AfterDialog();
    }
    ReplaceJob::SetDialogFailed(failed);
    if (!m_jobUnderConstruction)
        return;
    try {
        m_jobUnderConstruction->EndDialog();
    } catch (...) {
        // This error is the one to report; the start that fails after it is not.
        ReplaceJob::SetDialogFailed(true);
        throw;
    }
}

void CKyReplaceGView::WatchEngine(HANDLE engine)
{
    if (m_job)
        m_job->WatchProcess(engine);
    else if (engine)
        ::CloseHandle(engine);
}

// length: the bytes of the text and its '\n' that wait on the log pipe.
void CKyReplaceGView::ReadLogLine(WPARAM kind, LPARAM length)
{
    if (!m_job || length <= 0)
        return;
    std::string text(static_cast<size_t>(length), '\0');
    size_t got = 0;
    while (got < text.size()) {
        const int n = CRT::ReadPipe(std::nothrow, m_job->LogDescriptor(), &text[got],
                                    static_cast<unsigned>(text.size() - got));
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    if (got == 0)
        return;
    text.resize(got);
    AppendLog(ky_S(text.data(), static_cast<unsigned>(text.size())));
    if (kind == kRequestLogFatal) {
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        AfxMessageBox(text.c_str(), MB_OK);
    }
}

LRESULT CKyReplaceGView::OnPerlPacket(WPARAM wParam, LPARAM value)
{
    const int code = static_cast<int>(wParam);
    const std::unique_ptr<ReplPacketBase> question(
        code == kPacketQuestion ? reinterpret_cast<ReplPacketBase*>(value) : nullptr);
    if (code == kPacketAbEnd) {
        // The exception lives on the reader's side, which goes on once replied to.
        const std::string text =
            value ? reinterpret_cast<const std::exception*>(value)->what() : kEngineDied;
        ShowStatus(AFX_IDS_IDLEMESSAGE);
        OnPacketFailure((text + kPacketFailureSuffix).c_str());
        return 0;
    }
    try {
        HandlePacket(code, value);
    } catch (const std::exception& e) {
        OnPacketFailure(e.what());
    } catch (CException* e) {
        ReplyMessage(0);
        e->ReportError();
        e->Delete();
    }
    return 0;
}

void CKyReplaceGView::HandlePacket(int code, LPARAM value)
{
    ShowPacketStatus(code, value);
    if (!m_nexus) {
        if (m_state.StoppingOrEnding())
            return; // a task that is going away: nothing left to show
        throw std::runtime_error(kBadState);
    }
    m_nexus->OnPacket(code, value, m_job.get());
    FollowPacket(code, value);
}

// What a packet shows before the panes take it; the task's first packet
// chooses the single-line or multi-line panes.
void CKyReplaceGView::ShowPacketStatus(int code, LPARAM value)
{
    switch (code) {
    case kPacketBegin:
        if (m_job ? m_job->IsSingleLine() : value != 0)
            m_nexus.reset(new SingleLineNexus(*this));
        else
            m_nexus.reset(new MultiLineNexus(*this));
        ShowStatus(IDS_KY_REPLACE_WORKING);
        break;
    case kPacketNewFile:
    case kPacketTextSize:
        ShowStatus(IDS_KY_REPLACE_WORKING);
        break;
    case kPacketQuestion:
        StopOneSecondTimer();
        ShowStatus(AFX_IDS_IDLEMESSAGE);
        break;
    case kPacketEnd:
        ShowStatus(AFX_IDS_IDLEMESSAGE);
        break;
    default:
        break;
    }
}

// What the view does once the panes have taken a packet.
void CKyReplaceGView::FollowPacket(int code, LPARAM value)
{
    switch (code) {
    case kPacketEnd:
        if (m_job)
            m_job->SetFinished();
        ReplyMessage(0);
        EndTask(false);
        StartOneSecondTimer();
        break;
    case kPacketEndFile:
        OnEndOfFile(*reinterpret_cast<const int*>(value));
        break;
    case kPacketFileName:
        OnFileName(*reinterpret_cast<const ky_F*>(value));
        break;
    case kPacketQuestion:
        OnQuestion();
        break;
    case kPacketPaused:
        if (m_job)
            m_job->SetPaused(true);
        StartOneSecondTimer();
        break;
    default:
        StartOneSecondTimer();
        break;
    }
}

// The reader's failure, or a packet the view cannot take: the task ends.
void CKyReplaceGView::OnPacketFailure(const char* text)
{
    ReplyMessage(0);
    if (AfxMessageBox(text, MB_OK | MB_ICONERROR) == 0)
        AfxMessageBox(kEngineDied, MB_OK | MB_ICONERROR);
    EndTask(false);
    StartOneSecondTimer();
}

void CKyReplaceGView::OnEndOfFile(int count)
{
    m_before.SetWindowText("");
    SetDlgItemText(IDC_KY_REPLACE_POSITION, "");
    m_positionShown = false;
    m_after.SetWindowText("");
    if (m_job)
        m_job->EndOfFile(count);
    StartOneSecondTimer();
}

void CKyReplaceGView::OnFileName(const ky_F& name)
{
    m_fileName = name;
    CWnd* file = GetDlgItem(IDC_KY_REPLACE_FILE);
    ky_F shown(name);
    shown.ToPathEllipsis(file->m_hWnd, GetFont());
    file->SetWindowText(shown.c_str());
    StartOneSecondTimer();
}

void CKyReplaceGView::OnQuestion()
{
    m_state.Apply(ReplaceTaskState::Event::QuestionAsked);
    EnableAnswers(true);
    if (CWnd* frame = Frame())
        frame->PostMessage(WM_KICKIDLE);
    ReplyMessage(0);
}
