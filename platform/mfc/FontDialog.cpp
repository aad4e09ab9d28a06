// CFontDialog: the font chooser on a LOGFONT of its own, copied back to the caller's on OK.
#include "AfxColorDialog.h"

#include "AfxDC.h"

IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)

CFontDialog::CFontDialog(LPLOGFONTA lplfInitial, DWORD dwFlags, CDC* pdcPrinter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_cf(), m_lf(), m_szStyleName(), m_lplfCaller(lplfInitial)
{
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpszStyle = m_szStyleName;
    m_cf.Flags = dwFlags | CF_ENABLEHOOK;
    m_cf.lpfnHook = &AfxCommDlgProc;
    m_cf.lpLogFont = &m_lf;
    if (lplfInitial != nullptr) {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (pdcPrinter != nullptr) {
        m_cf.hDC = pdcPrinter->GetSafeHdc();
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

INT_PTR CFontDialog::DoModal()
{
    if ((m_cf.Flags & CF_ENABLETEMPLATE) && m_cf.hInstance == nullptr)
        m_cf.hInstance = AfxFindTemplateHandle(m_cf.lpTemplateName);
    m_cf.hwndOwner = PreModal();
    BOOL bResult = ::ChooseFontA(&m_cf);
    PostModal();
    if (bResult && m_lplfCaller != nullptr)
        *m_lplfCaller = m_lf;
    return bResult ? IDOK : IDCANCEL;
}

void CFontDialog::GetCurrentFont(LPLOGFONTA lplf)
{
    if (m_hWnd != nullptr)
        SendMessage(WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(lplf));
    else
        *lplf = m_lf;
}
