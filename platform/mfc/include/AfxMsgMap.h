// Message map tables: entries, handler signatures and the DECLARE/BEGIN/END macros.
#pragma once

#include "KyMfcExport.h"

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
#define WM_REFLECT_BASE 0xBC00
#define AFX_REGISTERED_MESSAGE 0xC000

#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI (static_cast<UINT>(-1))

// How a handler is called; one value per handler shape.
enum AfxSig : UINT
{
    AfxSig_end = 0,
    AfxSig_vv,          // void ()
    AfxSig_bv,          // BOOL ()
    AfxSig_vw,          // void (UINT)
    AfxSig_bw,          // BOOL (UINT)
    AfxSig_cmdui,       // void (CCmdUI*)
    AfxSig_vNMHDRpl,    // void (NMHDR*, LRESULT*)
    AfxSig_bNMHDRpl,    // BOOL (NMHDR*, LRESULT*)
    AfxSig_vwNMHDRpl,   // void (UINT, NMHDR*, LRESULT*)
    AfxSig_bwNMHDRpl,   // BOOL (UINT, NMHDR*, LRESULT*)
    AfxSig_lwl,         // LRESULT (WPARAM, LPARAM)
    AfxSig_is,          // int (LPCREATESTRUCT)
    AfxSig_vwii,        // void (UINT, int, int)
    AfxSig_bD,          // BOOL (CDC*)
    AfxSig_vwp,         // void (UINT, CPoint)
    AfxSig_vwww,        // void (UINT, UINT, UINT)
    AfxSig_vW,          // void (CWnd*)
    AfxSig_vWp,         // void (CWnd*, CPoint)
    AfxSig_bHELPINFO,   // BOOL (HELPINFO*)
    AfxSig_vMwb,        // void (CMenu*, UINT, BOOL)
    AfxSig_wv,          // UINT ()
    AfxSig_bWww,        // BOOL (CWnd*, UINT, UINT)
    AfxSig_bwsp,        // BOOL (UINT, short, CPoint)
    AfxSig_iWww,        // int (CWnd*, UINT, UINT)
    AfxSig_vwwS,        // void (UINT, UINT, CScrollBar*)
    AfxSig_wp,          // UINT (CPoint)
    AfxSig_hDWw,        // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,         // HBRUSH (CDC*, UINT), reflected
    AfxSig_vDRAWITEM,   // void (int, LPDRAWITEMSTRUCT)
    AfxSig_vMEASUREITEM,// void (int, LPMEASUREITEMSTRUCT)
    AfxSig_iCOMPAREITEM,// int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_vDELETEITEM, // void (int, LPDELETEITEMSTRUCT)
    AfxSig_vwl,         // void (UINT, LPARAM)
    AfxSig_lwwM,        // LRESULT (UINT, UINT, CMenu*)
    AfxSig_vbw,         // void (BOOL, UINT)
    AfxSig_vwWb,        // void (UINT, CWnd*, BOOL)
    AfxSig_vw_timer     // void (UINT_PTR)
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;              // window message, or AFX_REGISTERED_MESSAGE
    UINT nCode;                 // control or notification code
    UINT nID;                   // first control id
    UINT nLastID;               // last control id of a range
    UINT nSig;                  // an AfxSig value
    AFX_PMSG pfn;
    const UINT* pnRegistered;   // the variable holding a registered message
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* (*pfnGetEntries)();
};

// A handler as stored in a table, after checking its shape against the owning class.
#define AFX_MSGFN(type, fn) reinterpret_cast<AFX_PMSG>(static_cast<type>(fn))

#define DECLARE_MESSAGE_MAP() \
private: \
    static const AFX_MSGMAP_ENTRY* _GetMessageEntries(); \
protected: \
    static const AFX_MSGMAP* _GetBaseMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override; \
public: \
    static const AFX_MSGMAP messageMap;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::_GetBaseMessageMap() { return &baseClass::messageMap; } \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return &theClass::messageMap; } \
    const AFX_MSGMAP theClass::messageMap = { &theClass::_GetBaseMessageMap, &theClass::_GetMessageEntries }; \
    _Pragma("GCC diagnostic push") \
    _Pragma("GCC diagnostic ignored \"-Wcast-function-type\"") \
    const AFX_MSGMAP_ENTRY* theClass::_GetMessageEntries() \
    { \
        typedef theClass ThisClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, AfxSig_end, nullptr, nullptr } \
        }; \
        (void)sizeof(ThisClass); \
        return _messageEntries; \
    } \
    _Pragma("GCC diagnostic pop")
