// The Replace view's test frame and document, its task dialog and beep seams, waits and read-backs.
#include "View/ViewHost.h"

#include "View/TestReplaceView.h"

#include "KyReplace/Gui/Task/ReplaceJob.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"
#include "KyReplace/Gui/View/ReplaceViewSeams.h"

#include <afxpriv.h>

#include <stdexcept>

using namespace Kyvant;

namespace replgtest {

namespace {

const DWORD kTaskTimeoutMs = 60000;
const int kFrameLeft = 10, kFrameTop = 10, kFrameWidth = 720, kFrameHeight = 600;

struct Seen {
    bool accept = true;
    std::vector<std::string> args;
    int dialogs = 0;
    int beeps = 0;
    std::vector<UINT> beepTypes;
};

Seen& Outside()
{
    static Seen seen;
    return seen;
}

INT_PTR AnswerTaskDialog(CWnd&)
{
    ++Outside().dialogs;
    if (!Outside().accept)
        return IDCANCEL;
    std::vector<std::string> words{"KyReplace.exe"};
    words.insert(words.end(), Outside().args.begin(), Outside().args.end());
    WriteHandoffCommandLine(words);
    return IDOK;
}

BOOL WINAPI CountBeep(UINT type)
{
    ++Outside().beeps;
    Outside().beepTypes.push_back(type);
    return TRUE;
}

} // namespace

IMPLEMENT_DYNCREATE(TestReplaceDoc, CDocument)
IMPLEMENT_DYNCREATE(TestReplaceFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(TestReplaceFrame, CFrameWnd)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

CHARFORMATA CharFormat(CRichEditCtrl& pane, long pos)
{
    CHARRANGE saved;
    pane.GetSel(saved);
    pane.SetSel(pos, pos + 1);
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR | CFM_FACE | CFM_SIZE;
    pane.SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    pane.SetSel(saved);
    return format;
}

COLORREF CharColour(CRichEditCtrl& pane, long pos)
{
    const CHARFORMATA format = CharFormat(pane, pos);
    return (format.dwEffects & CFE_AUTOCOLOR) != 0 ? CLR_DEFAULT : format.crTextColor;
}

std::string PaneString(CWnd& pane)
{
    CString text;
    pane.GetWindowText(text);
    std::string out(static_cast<const char*>(text));
    // A rich edit gives its line ends as "\r\n" through WM_GETTEXT.
    std::string lines;
    for (size_t i = 0; i < out.size(); ++i)
        if (!(out[i] == '\r' && i + 1 < out.size() && out[i + 1] == '\n'))
            lines += out[i];
    return lines;
}

ReplaceViewHost::ReplaceViewHost() : document_(new TestReplaceDoc), frame_(new TestReplaceFrame)
{
    Outside() = Seen();
    ReplaceViewSeams::SetTaskDialogFunction(&AnswerTaskDialog);
    ReplaceViewSeams::SetBeepFunction(&CountBeep);
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CKyReplaceGView);
    context.m_pCurrentDoc = document_;
    if (!frame_->Create(
            nullptr, "Replace view test", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
            CRect(kFrameLeft, kFrameTop, kFrameLeft + kFrameWidth, kFrameTop + kFrameHeight),
            nullptr, nullptr, 0, &context))
        throw std::runtime_error("the test frame could not be made");
    view_ =
        DYNAMIC_DOWNCAST(CKyReplaceGView, frame_->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
    if (!view_)
        throw std::runtime_error("the frame has no Replace view");
    frame_->RecalcLayout();
    frame_->SetActiveView(view_);
}

ReplaceViewHost::~ReplaceViewHost()
{
    if (view_->TaskRunning())
        view_->StopTask();
    // The document closes itself with its last view.
    frame_->DestroyWindow();
    ReplaceViewSeams::SetTaskDialogFunction(nullptr);
    ReplaceViewSeams::SetBeepFunction(nullptr);
    // Whatever the frame posted on its way (the task start among it).
    PumpUntil([] { return false; }, 50);
}

void ReplaceViewHost::AcceptNext(const std::vector<std::string>& args)
{
    Outside().accept = true;
    Outside().args = args;
}

void ReplaceViewHost::CancelNext()
{
    Outside().accept = false;
}

int ReplaceViewHost::Dialogs() const
{
    return Outside().dialogs;
}

int ReplaceViewHost::beeps() const
{
    return Outside().beeps;
}

const std::vector<UINT>& ReplaceViewHost::beepTypes() const
{
    return Outside().beepTypes;
}

void ReplaceViewHost::InitialUpdate()
{
    view_->OnInitialUpdate();
}

void ReplaceViewHost::StartTask()
{
    view_->PostMessage(CKyReplaceGView::kStartTaskMessage, FALSE);
}

bool ReplaceViewHost::Started()
{
    // The start message is served once the view's queue has none left.
    MSG msg;
    return !::PeekMessageA(&msg, view_->m_hWnd, CKyReplaceGView::kStartTaskMessage,
                           CKyReplaceGView::kStartTaskMessage, PM_NOREMOVE);
}

bool ReplaceViewHost::WaitForQuestion()
{
    return PumpUntil(
               [this] { return view_->AnswerPending() || (Started() && !view_->TaskRunning()); },
               kTaskTimeoutMs) &&
           view_->AnswerPending();
}

bool ReplaceViewHost::WaitForEnd()
{
    return PumpUntil([this] { return Started() && !view_->TaskRunning(); }, kTaskTimeoutMs);
}

void ReplaceViewHost::Click(UINT id)
{
    view_->GetDlgItem(id)->SendMessage(BM_CLICK);
}

bool ReplaceViewHost::Enabled(UINT id)
{
    return view_->GetDlgItem(id)->IsWindowEnabled() != FALSE;
}

std::string ReplaceViewHost::Text(UINT id)
{
    return PaneString(*view_->GetDlgItem(id));
}

CRichEditCtrl& ReplaceViewHost::Pane(UINT id)
{
    return *static_cast<CRichEditCtrl*>(view_->GetDlgItem(id));
}

} // namespace replgtest
