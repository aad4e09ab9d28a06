// The frame around the three panes in the tests.
#include "Panes/PanesFrame.h"

#include "KyFind/Gui/Coordinator/ViewCoordinator.h"
#include "KyFind/Gui/FileList/FileListResource.h"
#include "KyFind/Gui/Panes/PanesResource.h"
#include "KyGuiTool/ResultList/HandlerExceptions.h"

#include <afxext.h>

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CARET};
const char kTitle[] = "KyFindG";
const int kPaneSize = 100;
const char kColumnStateKey[] = "Software\\Kyvant\\Tests\\FindPanes";

bool IsNotice(UINT id)
{
    return id == IDS_PASSED_FIRST_MATCH || id == IDS_PASSED_LAST_MATCH ||
           id == IDS_PASSED_BEGINNING_OF_FILE || id == IDS_PASSED_END_OF_FILE;
}

} // namespace

BEGIN_MESSAGE_MAP(PanesFrame, CFrameWnd)
ON_WM_CREATE()
ON_COMMAND_RANGE(ID_VIEW_FILE_LIST, ID_VIEW_FILE_VIEW, OnPaneCommand)
ON_COMMAND_RANGE(ID_NEXT_MATCH, ID_SINGLE_KEY_BROWSE, OnNavigate)
ON_COMMAND_RANGE(ID_PREVIOUS_FILE, ID_NEXT_FILE, OnNavigate)
ON_COMMAND_RANGE(ID_WORD_WRAP, ID_WORD_WRAP, OnNavigate)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_CARET, OnUpdateCaret)
END_MESSAGE_MAP()

PanesFrame* PanesFrame::Create()
{
    CCreateContext context;
    PanesFrame* frame = new PanesFrame;
    if (!frame->CFrameWnd::Create(nullptr, kTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(20, 20, 820, 620), nullptr, nullptr, 0, &context))
        return nullptr;
    frame->RecalcLayout();
    return frame;
}

int PanesFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_status.Create(this) || !m_status.SetIndicators(kIndicators, 2))
        return -1;
    m_status.UseOwnerDrawnMessagePane();
    return 0;
}

BOOL PanesFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    const CSize size(kPaneSize, kPaneSize);
    if (!m_splitter.CreateStatic(this, 3, 1) ||
        !m_splitter.CreateView(0, 0, RUNTIME_CLASS(FileListView), size, pContext) ||
        !m_splitter.CreateView(1, 0, RUNTIME_CLASS(FileMatchListView), size, pContext) ||
        !m_splitter.CreateView(2, 0, RUNTIME_CLASS(FileTextView), size, pContext))
        return FALSE;
    m_files = static_cast<FileListView*>(m_splitter.GetPane(0, 0));
    m_matches = static_cast<FileMatchListView*>(m_splitter.GetPane(1, 0));
    m_text = static_cast<FileTextView*>(m_splitter.GetPane(2, 0));
    m_splitter.SetRowInfo(0, 150, 10);
    m_splitter.SetRowInfo(1, 150, 10);
    return TRUE;
}

void PanesFrame::Bind(ViewCoordinator& coordinator)
{
    m_coordinator = &coordinator;
    coordinator.Bind(*m_files, *m_matches, *m_text, &m_splitter, *this);
    m_files->OnInitialUpdate();
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kColumnStateKey);
    Kyvant::RegKey columns(HKEY_CURRENT_USER, kColumnStateKey);
    m_files->RestoreState(columns);
    m_matches->OnInitialUpdate();
    m_splitter.RecalcLayout();
    SetActiveView(m_files);
}

void PanesFrame::SetStatus(UINT stringId, bool atOnce)
{
    m_statusIds.push_back(stringId);
    m_statusAtOnce.push_back(atOnce);
    CString text;
    text.LoadString(stringId);
    m_status.SetNotice(IsNotice(stringId));
    m_status.SetPaneText(0, text);
    m_status.UpdateWindow();
}

void PanesFrame::OnShownFileChanged()
{
    const Kyvant::ky_F& name = m_text->GetLoadedName();
    SetWindowText(name.empty() ? CString(kTitle) : CString(name.c_str()) + " - " + kTitle);
}

void PanesFrame::OnPaneCommand(UINT id)
{
    CView* views[] = {m_files, m_matches, m_text};
    CView* view = views[id - ID_VIEW_FILE_LIST];
    SetActiveView(view);
    view->SetFocus();
}

// As the frame does, errors are shown in a box.
void PanesFrame::OnNavigate(UINT id)
{
    if (m_coordinator != nullptr)
        Kyvant::ResultList::RunReportingErrors([this, id] { Navigate(id); });
}

void PanesFrame::Navigate(UINT id)
{
    switch (id) {
    case ID_NEXT_MATCH:
    case ID_SINGLE_KEY_BROWSE:
        m_coordinator->NextMatch(true);
        break;
    case ID_PREVIOUS_MATCH:
        m_coordinator->NextMatch(false);
        break;
    case ID_NEXT_FILE:
        m_coordinator->NextFile(true);
        break;
    case ID_PREVIOUS_FILE:
        m_coordinator->NextFile(false);
        break;
    case ID_WORD_WRAP:
        m_coordinator->ToggleWordWrap();
        break;
    default:
        break;
    }
}

void PanesFrame::OnUpdateCaret(CCmdUI* pCmdUI)
{
    pCmdUI->SetText(m_text->GetCaretText());
}

void PanesFrame::PostNcDestroy()
{
    delete this;
}
