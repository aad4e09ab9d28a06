// A dialog standing in as the application's main window for a while.
#include "KyGuiTool/App/DlgMainWndManager.h"

namespace Kyvant {

void RemovePendingQuit()
{
    MSG msg;
    ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

DlgMainWndManager::DlgMainWndManager(CDialog& dialog)
    : m_tookOver(false), m_previous(nullptr), m_previousWindow(nullptr)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    m_previous = app->m_pMainWnd;
    m_previousWindow = m_previous ? m_previous->GetSafeHwnd() : nullptr;
    if (!m_previousWindow || !::IsWindowVisible(m_previousWindow)) {
        app->m_pMainWnd = &dialog;
        m_tookOver = true;
    }
}

DlgMainWndManager::~DlgMainWndManager()
{
    RemovePendingQuit();
    CWinApp* app = AfxGetApp();
    if (!app || !m_tookOver)
        return;
    // A previous main window destroyed meanwhile is not put back.
    const bool previousLives =
        !m_previousWindow ||
        (::IsWindow(m_previousWindow) && CWnd::FromHandlePermanent(m_previousWindow) == m_previous);
    app->m_pMainWnd = previousLives ? m_previous : nullptr;
}

} // namespace Kyvant
