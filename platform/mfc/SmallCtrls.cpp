// CDateTimeCtrl, CSpinButtonCtrl, CAnimateCtrl and CComboBoxEx: creation and the calls that need more than a message.
#include "AfxSmallCtrls.h"

#include "AfxCommonInit.h"
#include "AfxResources.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)
IMPLEMENT_DYNAMIC(CComboBoxEx, CComboBox)

namespace {
const LPCSTR kClipType = "AVI";
}

CDateTimeCtrl::CDateTimeCtrl() = default;

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControl(ICC_DATE_CLASSES);
    return CWnd::Create(DATETIMEPICK_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew)
{
    WPARAM flag = pTimeNew != nullptr ? GDT_VALID : GDT_NONE;
    return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, flag, reinterpret_cast<LPARAM>(pTimeNew)));
}

CSpinButtonCtrl::CSpinButtonCtrl() = default;

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControl(ICC_UPDOWN_CLASS);
    return CWnd::Create(UPDOWN_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    DWORD range = static_cast<DWORD>(SendMessage(UDM_GETRANGE));
    lower = static_cast<short>(HIWORD(range));
    upper = static_cast<short>(LOWORD(range));
}

CAnimateCtrl::CAnimateCtrl() = default;

BOOL CAnimateCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControl(ICC_ANIMATE_CLASS);
    return CWnd::Create(ANIMATE_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CAnimateCtrl::Open(LPCSTR lpszFileName)
{
    return static_cast<BOOL>(SendMessage(ACM_OPENA, 0, reinterpret_cast<LPARAM>(lpszFileName)));
}

BOOL CAnimateCtrl::Open(UINT nID)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nID), kClipType);
    return static_cast<BOOL>(SendMessage(ACM_OPENA, reinterpret_cast<WPARAM>(hInst), static_cast<LPARAM>(nID)));
}

CComboBoxEx::CComboBoxEx() = default;

BOOL CComboBoxEx::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControl(ICC_USEREX_CLASSES);
    return CWnd::Create(WC_COMBOBOXEXA, nullptr, dwStyle, rect, pParentWnd, nID);
}

CImageList* CComboBoxEx::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        SendMessage(CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList->GetSafeHandle()))));
}
