// CMenu: attaching, loading from the resource chain, temporary objects and popup tracking.
#include "AfxMenu.h"

#include "AfxHandleMap.h"
#include "AfxResources.h"
#include "AfxString.h"
#include "AfxWnd.h"

IMPLEMENT_DYNAMIC(CMenu, CObject)

AfxHandleMap<CMenu, HMENU, &CMenu::m_hMenu>& AfxMenuMap()
{
    static AfxHandleMap<CMenu, HMENU, &CMenu::m_hMenu> map;
    return map;
}

CMenu::CMenu() : m_hMenu(nullptr) {}

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU hMenu) { return AfxMenuMap().FromHandle(hMenu); }

HMENU CMenu::GetSafeHmenu() const { return reinterpret_cast<ULONG_PTR>(this) == 0 ? nullptr : m_hMenu; }

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr || m_hMenu != nullptr)
        return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    return Attach(::LoadMenuA(hInst, lpszResourceName));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}

void PASCAL CMenu::DeleteTempMap() { AfxMenuMap().DeleteTemporaries(); }

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate)
{
    return Attach(::LoadMenuIndirectA(static_cast<const MENUTEMPLATEA*>(lpMenuTemplate)));
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int n = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (n <= 0) {
        rString.Empty();
        return 0;
    }
    ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBufferSetLength(n), n + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
