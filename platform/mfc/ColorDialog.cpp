// CColorDialog: the colour chooser with the process's saved custom colours.
#include "AfxColorDialog.h"

IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

namespace {
const int kCustomColors = 16;
const COLORREF kWhite = RGB(255, 255, 255);
}

COLORREF* PASCAL CColorDialog::GetSavedCustomColors()
{
    static COLORREF colors[kCustomColors] = { kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite,
                                              kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite };
    return colors;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd), m_cc()
{
    m_cc.lStructSize = sizeof m_cc;
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags | CC_ENABLEHOOK;
    m_cc.lpfnHook = &AfxCommDlgProc;
    m_cc.rgbResult = clrInit;
    if (clrInit != 0)
        m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    if ((m_cc.Flags & CC_ENABLETEMPLATE) && m_cc.hInstance == nullptr)
        m_cc.hInstance = reinterpret_cast<HWND>(AfxFindTemplateHandle(m_cc.lpTemplateName));
    m_cc.hwndOwner = PreModal();
    BOOL bResult = ::ChooseColorA(&m_cc);
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    if (m_hWnd == nullptr)
        return;
    static const UINT setRgb = ::RegisterWindowMessageA(SETRGBSTRINGA);
    SendMessage(setRgb, 0, static_cast<LPARAM>(clr));
}

BOOL CColorDialog::OnColorOK() { return FALSE; }
