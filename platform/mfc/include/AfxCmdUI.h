// CCmdUI: the state of one menu item or control that an update handler sets.
#pragma once

#include "KyMfcExport.h"

class CCmdTarget;
class CMenu;
class CWnd;

class AFX_API CCmdUI
{
public:
    UINT m_nID;
    UINT m_nIndex;
    CMenu* m_pMenu;        // the menu when updating a menu item
    CMenu* m_pSubMenu;
    CWnd* m_pOther;        // the control when updating a control
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax;
    CMenu* m_pParentMenu;

    CCmdUI();
    virtual ~CCmdUI();

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks the target's update handler; with bDisableIfNoHndler a command without handler is disabled.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};
