// The Indexing Service message of the last run: stored by the progress
// dialog, announced by an icon in the status bar pane 54025 and shown by the
// command 54025.
#include "KyGuiTool/App/KyGuiApp.h"

#include "KyGui/Helpers/UserEx.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"

using namespace Kyvant;

namespace {

const int kPaneWidth = 18;
const int kThemedMinHeight = 20;

} // namespace

void KyGuiApp::SetIndexingServiceMessage(const ky_BSB<char>& text)
{
    m_indexingServiceMessage = text;
}

void KyGuiApp::SetIndexingServiceMessage(const char* text)
{
    if (text)
        m_indexingServiceMessage = text;
    else
        m_indexingServiceMessage.clear();
}

CStatusBar* KyGuiApp::IndexingServiceBar() const
{
    if (!m_statusBar)
        return nullptr;
    return DYNAMIC_DOWNCAST(CStatusBar, CWnd::FromHandlePermanent(m_statusBar));
}

void KyGuiApp::SetUpIndexingServiceMessageIcon(CStatusBar& statusBar)
{
    m_statusBar = statusBar.GetSafeHwnd();
    m_statusIconShown = false;
    const int pane = statusBar.CommandToIndex(ID_KY_INDEXING_SERVICE_MESSAGE);
    if (pane < 0)
        return;
    const bool themed = UserEx::IsAppThemed();
    const ky_S tip = ky_S().LoadStringA(KyGuiToolModule(), ID_KY_INDEXING_SERVICE_MESSAGE);
    statusBar.GetStatusBarCtrl().SetTipText(pane, tip.c_str());
    statusBar.SetPaneText(pane, "");
    statusBar.SetPaneInfo(pane, ID_KY_INDEXING_SERVICE_MESSAGE,
                          themed ? SBPS_NORMAL : SBPS_NOBORDERS, kPaneWidth);
    if (themed) {
        statusBar.GetStatusBarCtrl().SetMinHeight(kThemedMinHeight);
        if (CFrameWnd* frame = statusBar.GetParentFrame())
            frame->RecalcLayout();
    }
}

void KyGuiApp::ShowIndexingServiceIcon(CStatusBar& bar, bool show)
{
    if (show == m_statusIconShown)
        return;
    const int pane = bar.CommandToIndex(ID_KY_INDEXING_SERVICE_MESSAGE);
    if (pane < 0)
        return;
    bar.GetStatusBarCtrl().SetIcon(pane, show ? m_indexingServiceIcon : nullptr);
    m_statusIconShown = show;
}

bool KyGuiApp::IndexingServicePaneDisabled() const
{
    CStatusBar* bar = IndexingServiceBar();
    if (!bar)
        return false;
    const int pane = bar->CommandToIndex(ID_KY_INDEXING_SERVICE_MESSAGE);
    return pane >= 0 && (bar->GetPaneStyle(pane) & SBPS_DISABLED) != 0;
}

void KyGuiApp::OnUpdateIndexingServiceMessage(CCmdUI* pCmdUI)
{
    const bool stored = !m_indexingServiceMessage.empty();
    pCmdUI->Enable(stored);
    CStatusBar* bar = IndexingServiceBar();
    if (bar && pCmdUI->m_pOther == bar)
        ShowIndexingServiceIcon(*bar, stored);
}

void KyGuiApp::OnDisplayIndexingServiceMessage()
{
    if (m_indexingServiceMessage.empty() || IndexingServicePaneDisabled())
        return;
    AfxMessageBox(m_indexingServiceMessage.c_str(), MB_OK | MB_ICONEXCLAMATION);
}
