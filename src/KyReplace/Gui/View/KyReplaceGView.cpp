// CKyReplaceGView: construction, the message map, the first update with the panes, their line
// height and layout, the text options, the status, the rule's sides and the position line.
#include "KyReplace/Gui/View/KyReplaceGView.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyReplace/Gui/Task/ReplaceJob.h"
#include "KyReplace/Gui/Task/ReplaceMessages.h"
#include "KyReplace/Gui/View/NexusBase.h"
#include "KyReplace/Gui/View/PaneText.h"
#include "KyReplace/Gui/View/ReplaceViewFrame.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"

#include <afxpriv.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>

using namespace Kyvant;

namespace {

const int kUnmeasuredLines = 3;
const char kLineHeightSample[] = "a\na";
const long kSampleThirdChar = 2;
const char kSingleRuleLabel[] = "&Matched:";
const char kRuleLabelFormat[] = "&Matched (Rule %u of %u):";
const char kPositionFormat[] = "Line: %u, Col: %u, MLen: %u, RLen: %u";
const unsigned kLabelRoom = 64;
const unsigned kPositionRoom = 96;

// The controls besides the panes and the animation, each kept by a window
// object of the view's own.
const UINT kPlainControlIds[] = {IDC_KY_REPLACE_FILE_LABEL,
                                 IDC_KY_REPLACE_FILE,
                                 IDC_KY_REPLACE_BEFORE_LABEL,
                                 IDC_KY_REPLACE_AFTER_LABEL,
                                 IDC_KY_REPLACE_MATCHED_LABEL,
                                 IDC_KY_REPLACE_REPLACING_WITH_LABEL,
                                 IDC_KY_REPLACE_POSITION,
                                 IDC_KY_REPLACE_LOG_LABEL,
                                 IDC_KY_REPLACE_ANSWER_REPLACE,
                                 IDC_KY_REPLACE_ANSWER_SKIP,
                                 IDC_KY_REPLACE_THIS_FILE_GROUP,
                                 IDC_KY_REPLACE_ANSWER_REPLACE_FILE,
                                 IDC_KY_REPLACE_ANSWER_SKIP_FILE,
                                 IDC_KY_REPLACE_ALL_FILES_GROUP,
                                 IDC_KY_REPLACE_ANSWER_REPLACE_ALL,
                                 IDC_KY_REPLACE_ANSWER_SKIP_ALL,
                                 IDC_KY_REPLACE_ANSWER_CANCEL,
                                 IDC_KY_REPLACE_NEW,
                                 IDC_KY_REPLACE_STOP};

// The two panes that share the view's height, each moving its label along.
class PaneColumn : public SimpleLayoutManager::RowColManager {
public:
    static void Add(SimpleLayoutManager& layout, bool isRow, CWnd* const* panes,
                    CWnd* const* labels)
    {
        AddTo(layout, rc_ptr<RowColManager>(new PaneColumn(isRow, panes, labels)));
    }

private:
    static const unsigned kPanes = 2;
    PaneColumn(bool isRow, CWnd* const* panes, CWnd* const* labels)
        : RowColManager(isRow, kPanes, panes, labels)
    {
    }
};

} // namespace

IMPLEMENT_DYNCREATE(CKyReplaceGView, CFormView)

BEGIN_MESSAGE_MAP(CKyReplaceGView, CFormView)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_REPLACE_ANSWER_REPLACE, IDC_KY_REPLACE_ANSWER_CANCEL, OnAnswer)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_REPLACE_ANSWER_REPLACE_ALL, IDC_KY_REPLACE_ANSWER_SKIP_ALL,
                 OnAnswer)
ON_BN_CLICKED(IDC_KY_REPLACE_NEW, OnNewTask)
ON_BN_CLICKED(IDC_KY_REPLACE_STOP, OnStopButton)
ON_WM_SIZE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_MESSAGE(kPerlPacketMessage, OnPerlPacket)
ON_MESSAGE(kReplaceRequestMessage, OnKyReplaceRequest)
ON_MESSAGE(kStartTaskMessage, OnStartTask)
END_MESSAGE_MAP()

CKyReplaceGView::CKyReplaceGView()
    : CFormView(IDD_KY_REPLACE_VIEW), m_jobUnderConstruction(nullptr),
      m_freshness({DatabaseFreshness::PathPlans(), DatabaseFreshness::MaskSets(),
                   DatabaseFreshness::ReplacePlans()}),
      m_firstUpdate(true), m_timerRunning(false), m_layoutReady(false),
      m_beforeLines(kUnmeasuredLines), m_afterLines(kUnmeasuredLines), m_lineHeight(1),
      m_matchedShown(false), m_replacingWithShown(false), m_positionShown(false)
{
    m_options.Load(KyGuiApp::Instance().GetRegKey());
}

CKyReplaceGView::~CKyReplaceGView()
{
    m_nexus.reset();
    m_job.reset();
}

void CKyReplaceGView::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_REPLACE_BEFORE, m_before);
    DDX_Control(pDX, IDC_KY_REPLACE_AFTER, m_after);
    DDX_Control(pDX, IDC_KY_REPLACE_MATCHED, m_matched);
    DDX_Control(pDX, IDC_KY_REPLACE_REPLACING_WITH, m_replacingWith);
    DDX_Control(pDX, IDC_KY_REPLACE_LOG, m_log);
    DDX_Control(pDX, IDC_KY_REPLACE_MEASURE, m_measure);
    DDX_Control(pDX, IDC_KY_REPLACE_ANIMATION, m_animation);
    static_assert(sizeof kPlainControlIds / sizeof kPlainControlIds[0] == kPlainControls,
                  "one window object for each plain control");
    for (size_t i = 0; i < kPlainControls; ++i)
        DDX_Control(pDX, static_cast<int>(kPlainControlIds[i]), m_plainControls[i]);
}

CWnd& CKyReplaceGView::Control(UINT id)
{
    switch (id) {
    case IDC_KY_REPLACE_BEFORE:
        return m_before;
    case IDC_KY_REPLACE_AFTER:
        return m_after;
    case IDC_KY_REPLACE_MATCHED:
        return m_matched;
    case IDC_KY_REPLACE_REPLACING_WITH:
        return m_replacingWith;
    case IDC_KY_REPLACE_LOG:
        return m_log;
    case IDC_KY_REPLACE_ANIMATION:
        return m_animation;
    default:
        break;
    }
    for (size_t i = 0; i < kPlainControls; ++i)
        if (kPlainControlIds[i] == id && m_plainControls[i].m_hWnd)
            return m_plainControls[i];
    throw std::logic_error("The Replace view lays out no such control.");
}

void CKyReplaceGView::OnInitialUpdate()
{
    m_nexus.reset();
    m_job.reset();
    CFormView::OnInitialUpdate();
    const bool first = m_firstUpdate;
    if (first) {
        m_firstUpdate = false;
        EnableAnswers(false);
        SetUpPanes();
        ApplyOptions();
        m_animation.Open(IDR_KY_REPLACE_ANIMATION);
        ResizeParentToFit(FALSE);
        CRect log = WndEx::WindowRect(m_log, true);
        CRect replacingWith = WndEx::WindowRect(m_replacingWith, true);
        replacingWith.right = log.right;
        m_replacingWith.MoveWindow(&replacingWith);
        MeasureLines();
        SetUpLayout();
    }
    PostMessage(kStartTaskMessage, first ? TRUE : FALSE);
}

void CKyReplaceGView::SetUpPanes()
{
    KyRichEditCtrl* const panes[] = {&m_before,        &m_after, &m_matched,
                                     &m_replacingWith, &m_log,   &m_measure};
    for (KyRichEditCtrl* pane : panes) {
        pane->SetOptions(ECOOP_OR, ECO_SAVESEL);
        pane->LimitText(0);
        ::ShowScrollBar(pane->m_hWnd, SB_BOTH, FALSE);
    }
}

void CKyReplaceGView::ApplyOptions()
{
    KyRichEditCtrl* const mainPanes[] = {&m_before, &m_after, &m_matched, &m_replacingWith};
    for (KyRichEditCtrl* pane : mainPanes) {
        pane->SetFont(m_options.mainFont);
        pane->SetTabSize(m_options.mainFont, m_options.tabSize);
    }
    m_measure.SetFont(m_options.mainFont);
    m_log.SetFont(m_options.logFont);
    m_before.SetWordWrap(m_options.wordWrap);
    m_after.SetWordWrap(m_options.wordWrap);
}

// The line height of the main font, from the hidden pane, and the lines
// Before and After show.
void CKyReplaceGView::MeasureLines()
{
    PaneText::SetText(m_measure, kLineHeightSample);
    const CPoint first = m_measure.GetCharPos(0);
    const CPoint third = m_measure.GetCharPos(kSampleThirdChar);
    m_lineHeight = std::max(1L, static_cast<long>(third.y - first.y));
    auto visible = [this](const KyRichEditCtrl& pane) {
        CRect client, format;
        pane.GetClientRect(&client);
        pane.GetRect(&format);
        int height = client.Height() - format.top;
        if ((pane.GetStyle() & WS_HSCROLL) == 0)
            height -= ::GetSystemMetrics(SM_CYHSCROLL);
        return std::max(1, height / m_lineHeight);
    };
    m_beforeLines = visible(m_before);
    m_afterLines = visible(m_after);
}

// Buttons and animation keep to the right, New and Stop to the bottom right;
// the panes stretch: Before and After share the height, Matched and
// Replacing-with the width, the rest below them keeps to the bottom.
void CKyReplaceGView::SetUpLayout()
{
    using LM = SimpleLayoutManager;
    const UINT rightSide[] = {IDC_KY_REPLACE_ANSWER_REPLACE,
                              IDC_KY_REPLACE_ANSWER_SKIP,
                              IDC_KY_REPLACE_THIS_FILE_GROUP,
                              IDC_KY_REPLACE_ANSWER_REPLACE_FILE,
                              IDC_KY_REPLACE_ANSWER_SKIP_FILE,
                              IDC_KY_REPLACE_ALL_FILES_GROUP,
                              IDC_KY_REPLACE_ANSWER_REPLACE_ALL,
                              IDC_KY_REPLACE_ANSWER_SKIP_ALL,
                              IDC_KY_REPLACE_ANSWER_CANCEL,
                              IDC_KY_REPLACE_ANIMATION,
                              IDC_KY_REPLACE_NEW,
                              IDC_KY_REPLACE_STOP};
    for (UINT id : rightSide)
        m_layout.m_sideWindows.Add(Control(id), LM::Right);
    const UINT bottomSide[] = {IDC_KY_REPLACE_NEW,
                               IDC_KY_REPLACE_STOP,
                               IDC_KY_REPLACE_MATCHED_LABEL,
                               IDC_KY_REPLACE_MATCHED,
                               IDC_KY_REPLACE_REPLACING_WITH_LABEL,
                               IDC_KY_REPLACE_REPLACING_WITH,
                               IDC_KY_REPLACE_POSITION,
                               IDC_KY_REPLACE_LOG_LABEL,
                               IDC_KY_REPLACE_LOG};
    for (UINT id : bottomSide)
        m_layout.m_sideWindows.Add(Control(id), LM::Bottom);
    const UINT stretching[] = {IDC_KY_REPLACE_FILE, IDC_KY_REPLACE_BEFORE, IDC_KY_REPLACE_AFTER,
                               IDC_KY_REPLACE_POSITION, IDC_KY_REPLACE_LOG};
    for (UINT id : stretching)
        m_layout.m_stretchyWindows.Add(Control(id), LM::Right);
    CWnd* const column[] = {&m_before, &m_after};
    CWnd* const columnLabels[] = {&Control(IDC_KY_REPLACE_BEFORE_LABEL),
                                  &Control(IDC_KY_REPLACE_AFTER_LABEL)};
    PaneColumn::Add(m_layout, false, column, columnLabels);
    CWnd* const row[] = {&m_matched, &m_replacingWith};
    CWnd* const rowLabels[] = {&Control(IDC_KY_REPLACE_MATCHED_LABEL),
                               &Control(IDC_KY_REPLACE_REPLACING_WITH_LABEL)};
    PaneColumn::Add(m_layout, true, row, rowLabels);
    m_layoutReady = true;
}

void CKyReplaceGView::Layout()
{
    if (m_layoutReady)
        m_layout.Layout();
}

void CKyReplaceGView::OnSize(UINT nType, int cx, int cy)
{
    CFormView::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED || !m_layoutReady)
        return;
    Layout();
    // Controls moved over each other's old places are drawn anew.
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    MeasureLines();
    if (m_nexus)
        m_nexus->UpdatePosition();
}

void CKyReplaceGView::OnDestroy()
{
    m_options.Store(KyGuiApp::Instance().GetRegKey());
    CFormView::OnDestroy();
}

bool CKyReplaceGView::TaskRunning() const
{
    return m_job != nullptr;
}

void CKyReplaceGView::SelectMatchedText()
{
    if (m_job && m_nexus)
        m_nexus->SelectMatch();
}

void CKyReplaceGView::PlayAnimation(bool play)
{
    if (play)
        m_animation.Play(0, static_cast<UINT>(-1), static_cast<UINT>(-1));
    else
        m_animation.Seek(0);
}

void CKyReplaceGView::SetWordWrap(bool wrap)
{
    m_options.wordWrap = wrap;
    m_before.SetWordWrap(wrap);
    m_after.SetWordWrap(wrap);
    if (m_nexus)
        m_nexus->UpdatePosition();
}

void CKyReplaceGView::SetTabSize(int size)
{
    m_options.tabSize = ReplaceTextOptions::ClampTabSize(size);
    KyRichEditCtrl* const panes[] = {&m_before, &m_after, &m_matched, &m_replacingWith};
    for (KyRichEditCtrl* pane : panes)
        pane->SetTabSize(m_options.mainFont, m_options.tabSize);
}

void CKyReplaceGView::SetFonts(const LOGFONTA* main, int mainPointSize, const LOGFONTA* log,
                               int logPointSize)
{
    if (main) {
        m_options.mainFont.Create(mainPointSize, *main);
        KyRichEditCtrl* const panes[] = {&m_before, &m_after, &m_matched, &m_replacingWith,
                                         &m_measure};
        for (KyRichEditCtrl* pane : panes)
            pane->SetFont(m_options.mainFont);
        SetTabSize(m_options.tabSize);
    }
    if (log) {
        m_options.logFont.Create(logPointSize, *log);
        m_log.SetFont(m_options.logFont);
    }
    MeasureLines();
}

void CKyReplaceGView::SetColours(COLORREF match, COLORREF replacement, COLORREF skip,
                                 bool useColours)
{
    m_options.matchColour = match;
    m_options.replacementColour = replacement;
    m_options.skipColour = skip;
    m_options.useColours = useColours;
}

CWnd* CKyReplaceGView::Frame()
{
    return GetParentFrame();
}

CWnd* CKyReplaceGView::FrameWindow()
{
    return Frame();
}

void CKyReplaceGView::ShowStatus(UINT id)
{
    CFrameWnd* frame = GetParentFrame();
    if (auto* target = dynamic_cast<ReplaceViewFrame*>(frame))
        target->SetStatus(id);
    else if (frame)
        frame->SetMessageText(id);
}

void CKyReplaceGView::WriteReply(int code)
{
    if (m_job)
        m_job->WriteReply(code);
}

void CKyReplaceGView::WriteLineCountReply()
{
    if (m_job)
        m_job->WriteLineCountReply(static_cast<unsigned>(m_beforeLines));
}

void CKyReplaceGView::ShowRuleSides(const ky_S& matched, const ky_S& replacingWith)
{
    if (!m_matchedShown || matched != m_shownMatched) {
        PaneText::Fill(m_matched, matched, m_options.mainFont, m_options.tabSize);
        m_shownMatched = matched;
        m_matchedShown = true;
    }
    if (!m_replacingWithShown || replacingWith != m_shownReplacingWith) {
        PaneText::Fill(m_replacingWith, replacingWith, m_options.mainFont, m_options.tabSize);
        m_shownReplacingWith = replacingWith;
        m_replacingWithShown = true;
    }
}

void CKyReplaceGView::ClearRuleSideColours()
{
    m_matched.ClearTextColor();
    m_replacingWith.ClearTextColor();
}

void CKyReplaceGView::ClearRuleSides()
{
    m_matched.SetWindowText("");
    m_replacingWith.SetWindowText("");
    m_shownMatched.clear();
    m_shownReplacingWith.clear();
    m_matchedShown = false;
    m_replacingWithShown = false;
}

void CKyReplaceGView::ShowPosition(const MatchPosition& position)
{
    m_position = position;
    m_positionShown = true;
    char label[kLabelRoom];
    if (position.ruleCount > 1)
        std::snprintf(label, sizeof label, kRuleLabelFormat, position.rule, position.ruleCount);
    else
        std::snprintf(label, sizeof label, "%s", kSingleRuleLabel);
    SetDlgItemText(IDC_KY_REPLACE_MATCHED_LABEL, label);
    char line[kPositionRoom];
    std::snprintf(line, sizeof line, kPositionFormat, position.line, position.column,
                  position.matchLength, position.replacementLength);
    SetDlgItemText(IDC_KY_REPLACE_POSITION, line);
}

void CKyReplaceGView::StartOneSecondTimer()
{
    SetTimer(kOneSecondTimer, 1000, nullptr);
    m_timerRunning = true;
}

void CKyReplaceGView::StopOneSecondTimer()
{
    if (m_timerRunning)
        KillTimer(kOneSecondTimer);
    m_timerRunning = false;
}

// The rule's sides and the position line show only while a question waits,
// or for a second after the last packet.
void CKyReplaceGView::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kOneSecondTimer) {
        CFormView::OnTimer(nIDEvent);
        return;
    }
    StopOneSecondTimer();
    ClearRuleSides();
    SetDlgItemText(IDC_KY_REPLACE_POSITION, "");
    m_positionShown = false;
}

CWnd* CKyReplaceGView::GetOwnerWindow()
{
    return Frame();
}

HANDLE CKyReplaceGView::GetProcessHandle()
{
    return WatchedProcess();
}

void CKyReplaceGView::OnFirstTick()
{
    WndEx::SendSetCursorMessage();
}

void CKyReplaceGView::OnWatchdogEnded()
{
    WndEx::SendSetCursorMessage();
}
