// The buttons' off-screen DC, dialog-like test and popup command-UI update.
#include "KyGui/Buttons/ButtonSupport.h"

#include <cstring>

namespace Kyvant {
namespace ButtonSupport {

OffscreenDC::OffscreenDC(CDC& target, const RECT& rc)
    : m_target(target), m_rc(rc), m_bitmap(nullptr), m_oldBitmap(nullptr)
{
    if (!Attach(::CreateCompatibleDC(target.GetSafeHdc())))
        AfxThrowResourceException();
    m_bitmap = ::CreateCompatibleBitmap(target.GetSafeHdc(), m_rc.Width(), m_rc.Height());
    if (!m_bitmap)
    {
        ::DeleteDC(Detach());
        AfxThrowResourceException();
    }
    m_oldBitmap = ::SelectObject(m_hDC, m_bitmap);
    ::SetWindowOrgEx(m_hDC, m_rc.left, m_rc.top, nullptr);
    ::SetBrushOrgEx(m_hDC, m_rc.left, m_rc.top, nullptr);
}

OffscreenDC::~OffscreenDC()
{
    ::BitBlt(m_target.GetSafeHdc(), m_rc.left, m_rc.top, m_rc.Width(), m_rc.Height(), m_hDC, m_rc.left,
             m_rc.top, SRCCOPY);
    ::SelectObject(m_hDC, m_oldBitmap);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(Detach());
}

bool IsDialogLike(CWnd* pWnd)
{
    if (!pWnd || !pWnd->GetSafeHwnd())
        return false;
    constexpr int prefixLength = 6;
    char name[prefixLength + 1] = {};
    ::GetClassNameA(pWnd->GetSafeHwnd(), name, sizeof name);
    return _strnicmp(name, "dialog", prefixLength) == 0 || pWnd->IsKindOf(RUNTIME_CLASS(CDialog));
}

void DoPopupCmdUI(CMenu* pPopup, CCmdTarget* pTarget)
{
    CCmdUI state;
    state.m_pMenu = pPopup;
    state.m_nIndexMax = pPopup->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = pPopup->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
            continue;
        state.m_pSubMenu = nullptr;
        state.DoUpdate(pTarget, FALSE);
    }
}

} // namespace ButtonSupport
} // namespace Kyvant
