// CColorDialog and CFontDialog: the system's colour and font choosers.
#pragma once

#include "AfxCommonDialog.h"
#include "AfxString.h"

#include <commdlg.h>

class AFX_API CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    // A colour other than 0 is the initial choice (CC_RGBINIT).
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    CHOOSECOLORA m_cc;

    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr);
    static COLORREF* PASCAL GetSavedCustomColors();

    // TRUE keeps the dialog open.
    virtual BOOL OnColorOK();
};

class AFX_API CFontDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFontDialog)
public:
    // With a LOGFONT the dialog starts on it (CF_INITTOLOGFONTSTRUCT); nothing of it changes until OK.
    explicit CFontDialog(LPLOGFONTA lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;  // the dialog's LOGFONT; copied to the caller's on OK

    INT_PTR DoModal() override;
    void GetCurrentFont(LPLOGFONTA lplf);
    CString GetFaceName() const { return CString(m_lf.lfFaceName); }
    CString GetStyleName() const { return CString(m_szStyleName); }
    int GetSize() const { return m_cf.iPointSize; }  // tenths of a point
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return m_lf.lfWeight; }
    BOOL IsStrikeOut() const { return m_lf.lfStrikeOut != 0; }
    BOOL IsUnderline() const { return m_lf.lfUnderline != 0; }
    BOOL IsBold() const { return m_lf.lfWeight == FW_BOLD; }
    BOOL IsItalic() const { return m_lf.lfItalic != 0; }

protected:
    char m_szStyleName[64];
    LPLOGFONTA m_lplfCaller;
};
