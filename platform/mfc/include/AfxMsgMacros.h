// The ON_ macros that fill message map tables.
#pragma once

#include "AfxMsgMap.h"

#define AFX_ENTRY(msg, code, id, last, sig, type, fn) \
    { static_cast<UINT>(msg), static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(last), sig, \
      AFX_MSGFN(type, fn), nullptr },
#define AFX_WM_ENTRY(msg, sig, type, fn) AFX_ENTRY(msg, 0, 0, 0, sig, type, &ThisClass::fn)

// Commands, updates and control notifications
#define ON_COMMAND(id, fn) \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSig_vv, void (CCmdTarget::*)(), &ThisClass::fn)
#define ON_COMMAND_EX(id, fn) \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSig_bw, BOOL (CCmdTarget::*)(UINT), &ThisClass::fn)
#define ON_COMMAND_RANGE(id, idLast, fn) \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AfxSig_vw, void (CCmdTarget::*)(UINT), &ThisClass::fn)
#define ON_COMMAND_EX_RANGE(id, idLast, fn) \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AfxSig_bw, BOOL (CCmdTarget::*)(UINT), &ThisClass::fn)
#define ON_UPDATE_COMMAND_UI(id, fn) \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, AfxSig_cmdui, void (CCmdTarget::*)(CCmdUI*), &ThisClass::fn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, fn) \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, AfxSig_cmdui, void (CCmdTarget::*)(CCmdUI*), &ThisClass::fn)
#define ON_CONTROL(code, id, fn) \
    AFX_ENTRY(WM_COMMAND, static_cast<WORD>(code), id, id, AfxSig_vv, void (CCmdTarget::*)(), &ThisClass::fn)
#define ON_CONTROL_RANGE(code, id, idLast, fn) \
    AFX_ENTRY(WM_COMMAND, static_cast<WORD>(code), id, idLast, AfxSig_vw, void (CCmdTarget::*)(UINT), &ThisClass::fn)
#define ON_NOTIFY(code, id, fn) \
    AFX_ENTRY(WM_NOTIFY, static_cast<WORD>(static_cast<int>(code)), id, id, AfxSig_vNMHDRpl, \
              void (CCmdTarget::*)(NMHDR*, LRESULT*), &ThisClass::fn)
#define ON_NOTIFY_RANGE(code, id, idLast, fn) \
    AFX_ENTRY(WM_NOTIFY, static_cast<WORD>(static_cast<int>(code)), id, idLast, AfxSig_vwNMHDRpl, \
              void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), &ThisClass::fn)
#define ON_NOTIFY_EX(code, id, fn) \
    AFX_ENTRY(WM_NOTIFY, static_cast<WORD>(static_cast<int>(code)), id, id, AfxSig_bwNMHDRpl, \
              BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), &ThisClass::fn)
#define ON_NOTIFY_EX_RANGE(code, id, idLast, fn) \
    AFX_ENTRY(WM_NOTIFY, static_cast<WORD>(static_cast<int>(code)), id, idLast, AfxSig_bwNMHDRpl, \
              BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), &ThisClass::fn)

// Notifications a control handles itself (reflected from its parent)
#define ON_CONTROL_REFLECT(code, fn) \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, static_cast<WORD>(code), 0, 0, AfxSig_vv, void (CCmdTarget::*)(), &ThisClass::fn)
#define ON_CONTROL_REFLECT_EX(code, fn) \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, static_cast<WORD>(code), 0, 0, AfxSig_bv, BOOL (CCmdTarget::*)(), &ThisClass::fn)
#define ON_NOTIFY_REFLECT(code, fn) \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, static_cast<WORD>(static_cast<int>(code)), 0, 0, AfxSig_vNMHDRpl, \
              void (CCmdTarget::*)(NMHDR*, LRESULT*), &ThisClass::fn)
#define ON_NOTIFY_REFLECT_EX(code, fn) \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, static_cast<WORD>(static_cast<int>(code)), 0, 0, AfxSig_bNMHDRpl, \
              BOOL (CCmdTarget::*)(NMHDR*, LRESULT*), &ThisClass::fn)
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, AfxSig_hDw, HBRUSH (CWnd::*)(CDC*, UINT), CtlColor)

// User and registered messages
#define ON_MESSAGE(message, fn) \
    AFX_WM_ENTRY(message, AfxSig_lwl, LRESULT (CWnd::*)(WPARAM, LPARAM), fn)
#define ON_REGISTERED_MESSAGE(nMessageVariable, fn) \
    { AFX_REGISTERED_MESSAGE, 0, 0, 0, AfxSig_lwl, \
      AFX_MSGFN(LRESULT (CWnd::*)(WPARAM, LPARAM), &ThisClass::fn), &nMessageVariable },

// Window messages
#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, AfxSig_is, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxSig_vv, void (CWnd::*)(), OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, AfxSig_vv, void (CWnd::*)(), OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AfxSig_vv, void (CWnd::*)(), OnClose)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AfxSig_vw_timer, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WM_ENTRY(WM_SYSKEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_ENTRY(WM_SYSKEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_vWp, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_HELPINFO() AFX_WM_ENTRY(WM_HELP, AfxSig_bHELPINFO, BOOL (CWnd::*)(HELPINFO*), OnHelpInfo)
#define ON_WM_INITMENUPOPUP() AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxSig_vMwb, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, AfxSig_wv, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_bWww, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_MOUSEACTIVATE() AFX_WM_ENTRY(WM_MOUSEACTIVATE, AfxSig_iWww, int (CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, AfxSig_vwwS, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, AfxSig_vwwS, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, AfxSig_wp, UINT (CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_CTLCOLOR() AFX_WM_ENTRY(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, AfxSig_vDRAWITEM, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM() \
    AFX_WM_ENTRY(WM_MEASUREITEM, AfxSig_vMEASUREITEM, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_COMPAREITEM() \
    AFX_WM_ENTRY(WM_COMPAREITEM, AfxSig_iCOMPAREITEM, int (CWnd::*)(int, LPCOMPAREITEMSTRUCT), OnCompareItem)
#define ON_WM_DELETEITEM() \
    AFX_WM_ENTRY(WM_DELETEITEM, AfxSig_vDELETEITEM, void (CWnd::*)(int, LPDELETEITEMSTRUCT), OnDeleteItem)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_QUERYENDSESSION() AFX_WM_ENTRY(WM_QUERYENDSESSION, AfxSig_bv, BOOL (CWnd::*)(), OnQueryEndSession)
#define ON_WM_MENUCHAR() AFX_WM_ENTRY(WM_MENUCHAR, AfxSig_lwwM, LRESULT (CWnd::*)(UINT, UINT, CMenu*), OnMenuChar)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSig_vbw, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_ACTIVATE() AFX_WM_ENTRY(WM_ACTIVATE, AfxSig_vwWb, void (CWnd::*)(UINT, CWnd*, BOOL), OnActivate)

// Control notifications by name
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
