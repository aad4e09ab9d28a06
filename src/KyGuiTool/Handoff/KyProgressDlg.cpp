// The progress dialog's life and display: its window, the two timers (show
// once there is something to show, close once the console tool is gone),
// the start messages and the animation.
#include "KyGuiTool/Handoff/KyProgressDlg.h"

#include "KyConTool/App/ConGuiHandoff.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Handoff/HandoffResource.h"

#include <cstdlib>
#include <cstring>

using namespace Kyvant;

BEGIN_MESSAGE_MAP(KyProgressDlg, CDialog)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_MESSAGE(GuiProgress::kInit, OnChannelInit)
    ON_MESSAGE(GuiProgress::kStartFile, OnStartFile)
    ON_MESSAGE(GuiProgress::kQuery, OnQuery)
    ON_MESSAGE(GuiProgress::kDone, OnDone)
    ON_MESSAGE(GuiProgress::kMessageBox, OnMessageBox)
    ON_MESSAGE(GuiProgress::kStartFolder, OnStartFolder)
    ON_MESSAGE(GuiProgress::kSummary, OnSummary)
END_MESSAGE_MAP()

namespace {

const UINT_PTR kShowTimer = 1;
const UINT_PTR kConsoleTimer = 2;
const UINT kTimerInterval = 1000;
const UINT kProgramIconId = 128;
const int kSmallIcon = 16;
const int kBigIcon = 32;
const UINT kAllFrames = 0xFFFF;
const UINT kRepeatForever = static_cast<UINT>(-1);

HICON ProgramIcon(int size)
{
    return static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(kProgramIconId),
                                           IMAGE_ICON, size, size, 0));
}

} // namespace

KyProgressDlg::KyProgressDlg(const Win32::SharedMemory& channel, CWnd* pParent)
    : CDialog(IDD_KY_PROGRESS, pParent), m_channel(channel), m_guiFlag(false),
      m_activitySeen(false), m_lastStartWasFile(true), m_showTimerRunning(false),
      m_madeMainWindow(false), m_animationOn(false), m_smallIcon(nullptr), m_bigIcon(nullptr),
      m_toAllByKind(), m_openQuestion(nullptr)
{
}

KyProgressDlg::~KyProgressDlg()
{
    if (GetSafeHwnd())
        DestroyWindow();
    if (m_smallIcon)
        ::DestroyIcon(m_smallIcon);
    if (m_bigIcon)
        ::DestroyIcon(m_bigIcon);
}

BOOL KyProgressDlg::Create()
{
    return CDialog::Create(IDD_KY_PROGRESS, m_pParentWnd);
}

BOOL KyProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_smallIcon)
        m_smallIcon = ProgramIcon(kSmallIcon);
    if (!m_bigIcon)
        m_bigIcon = ProgramIcon(kBigIcon);
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon));
    m_animation.SubclassDlgItem(IDC_KY_PROGRESS_ANIMATION, this);
    m_animation.Open(IDR_KY_SEARCH_ANIMATION);
    SetTimer(kShowTimer, kTimerInterval);
    m_showTimerRunning = true;
    SetTimer(kConsoleTimer, kTimerInterval);
    return TRUE;
}

void KyProgressDlg::OnOK()
{
    DestroyWindow();
}

void KyProgressDlg::OnCancel()
{
    DestroyWindow();
}

void KyProgressDlg::OnDestroy()
{
    KillTimer(kShowTimer);
    KillTimer(kConsoleTimer);
    m_showTimerRunning = false;
    // A question about a file of a tool that is gone has no one to answer.
    if (m_openQuestion && m_openQuestion->GetSafeHwnd())
        m_openQuestion->EndDialog(IDCANCEL);
    if (m_animation.GetSafeHwnd()) {
        m_animation.Stop();
        m_animation.UnsubclassWindow();
    }
    CDialog::OnDestroy();
}

bool KyProgressDlg::IsMainWindow() const
{
    CWinApp* app = AfxGetApp();
    return app && app->m_pMainWnd == this;
}

void KyProgressDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kShowTimer) {
        if (m_activitySeen || (m_guiFlag && IsMainWindow()))
            ShowNow();
    } else if (nIDEvent == kConsoleTimer) {
        CRT::Process& console = KyGuiApp::Instance().GetConProcess();
        if (console.empty() || ::WaitForSingleObject(console.get(), 0) != WAIT_TIMEOUT)
            PostMessage(WM_CLOSE);
    } else {
        CDialog::OnTimer(nIDEvent);
    }
}

void KyProgressDlg::ShowNow()
{
    if (m_showTimerRunning) {
        KillTimer(kShowTimer);
        m_showTimerRunning = false;
    }
    if (CWnd* cancel = GetDlgItem(IDCANCEL))
        GotoDlgCtrl(cancel);
    ShowWindow(SW_SHOW);
    PlayAnimation();
}

void KyProgressDlg::SetAnimationOn()
{
    if (m_animationOn)
        return;
    m_animationOn = true;
    PlayAnimation();
}

void KyProgressDlg::PlayAnimation()
{
    if (m_animationOn && IsWindowVisible() && m_animation.GetSafeHwnd())
        m_animation.Play(0, kAllFrames, kRepeatForever);
}

ky_S KyProgressDlg::ChannelText() const
{
    const char* text = static_cast<const char*>(m_channel.GetBegin());
    const unsigned size = m_channel.GetSize() < GuiProgressBlock::kSize ? m_channel.GetSize()
                                                                        : GuiProgressBlock::kSize;
    return ky_S(text, static_cast<unsigned>(strnlen(text, size)));
}

void KyProgressDlg::ShowPath(int controlId, const ky_F& path)
{
    CWnd* control = GetDlgItem(controlId);
    if (!control)
        return;
    ky_F shown = path;
    shown.ToPathEllipsis(control->GetSafeHwnd(), GetFont());
    control->SetWindowText(shown.c_str());
}

void KyProgressDlg::NoteActivity(bool isFile)
{
    m_activitySeen = true;
    m_lastStartWasFile = isFile;
    SetAnimationOn();
}

LRESULT KyProgressDlg::OnChannelInit(WPARAM wParam, LPARAM)
{
    m_guiFlag = wParam != 0;
    const ky_S name = ChannelText();
    CWinApp* app = AfxGetApp();
    if (IsMainWindow() && !name.empty()) {
        std::free(const_cast<char*>(app->m_pszAppName));
        app->m_pszAppName = _strdup(name.c_str());
    }
    SetWindowText(AfxGetAppName());
    return 0;
}

LRESULT KyProgressDlg::OnStartFolder(WPARAM, LPARAM)
{
    const ky_F folder(ChannelText());
    NoteActivity(false);
    if (folder != m_shownFolder) {
        m_shownFolder = folder;
        ShowPath(IDC_KY_PROGRESS_FOLDER, folder);
    }
    m_shownFile.clear();
    ShowPath(IDC_KY_PROGRESS_FILE, m_shownFile);
    return 0;
}

LRESULT KyProgressDlg::OnStartFile(WPARAM, LPARAM)
{
    const ky_F path(ChannelText());
    NoteActivity(true);
    ky_F folder, name;
    path.SplitPath(folder, name);
    if (folder != m_shownFolder) {
        m_shownFolder = folder;
        ShowPath(IDC_KY_PROGRESS_FOLDER, folder);
    }
    if (name != m_shownFile) {
        m_shownFile = name;
        ShowPath(IDC_KY_PROGRESS_FILE, name);
    }
    return 0;
}

LRESULT KyProgressDlg::OnDone(WPARAM, LPARAM)
{
    PostMessage(WM_CLOSE);
    return 0;
}
