// KyButtonMenuInvoker: loading the menu, tracking its first submenu under
// the button, and passing updates and commands on to the parent.
#include "KyGui/Buttons/KyButtonMenuInvoker.h"

#include "KyGui/Helpers/WndEx.h"

namespace {

constexpr int kMenuIndent = 8;  // the popup opens this far right of the button's left edge

// Clears the tracking flag however the tracking ends.
class TrackingScope
{
public:
    explicit TrackingScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~TrackingScope() { m_flag = false; }
    TrackingScope(const TrackingScope&) = delete;
    TrackingScope& operator=(const TrackingScope&) = delete;

private:
    bool& m_flag;
};

} // namespace

BEGIN_MESSAGE_MAP(KyButtonMenuInvoker, KyButtonEditorInvoker)
    ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

KyButtonMenuInvoker::KyButtonMenuInvoker(CMenu* pMenu)
    : KyButtonEditorInvoker(kMenu), m_menu(pMenu), m_tracking(false)
{
}

KyButtonMenuInvoker::KyButtonMenuInvoker(UINT menuId) : KyButtonEditorInvoker(kMenu), m_tracking(false)
{
    LoadMenuA(menuId);
}

KyButtonMenuInvoker::~KyButtonMenuInvoker() = default;

void KyButtonMenuInvoker::SetMenu(CMenu* pMenu)
{
    m_menu.reset(pMenu);
}

void KyButtonMenuInvoker::LoadMenuA(UINT menuId)
{
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(menuId), RT_MENU);
    HMENU hMenu = module ? ::LoadMenuA(module, MAKEINTRESOURCE(menuId)) : nullptr;
    if (!hMenu)
        AfxThrowResourceException();
    auto menu = std::make_unique<CMenu>();
    menu->Attach(hMenu);
    m_menu = std::move(menu);
}

void KyButtonMenuInvoker::InvokeEditor()
{
    if (!m_menu)
        return;
    CMenu* pPopup = m_menu->GetSubMenu(0);
    if (!pPopup)
    {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    const Kyvant::WndEx::WindowRect rc(*this);
    TrackingScope scope(m_tracking);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN, rc.left + kMenuIndent, rc.bottom, this);
}

void KyButtonMenuInvoker::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    if (!m_tracking || bSysMenu)
    {
        KyButtonEditorInvoker::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
        return;
    }
    Kyvant::WndEx::DoPopupCmdUI(*pPopupMenu, *this, FALSE, false);
}

BOOL KyButtonMenuInvoker::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (KyButtonEditorInvoker::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWnd* pParent = GetParent();
    return pParent && pParent->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
