// CRichEditCtrl and AfxInitRichEdit: riched32's "RICHEDIT" class, which keeps each byte one character.
#include "AfxRichEditCtrl.h"

#include "AfxState.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

namespace {
const int kLineLengthField = sizeof(WORD);  // EM_GETLINE reads the buffer size from its first word
}

BOOL AfxInitRichEdit()
{
    static HMODULE hRichEdit = nullptr;
    AfxLock lock;
    if (hRichEdit == nullptr)
        hRichEdit = ::LoadLibraryA("RICHED32.DLL");
    return hRichEdit != nullptr;
}

CRichEditCtrl::CRichEditCtrl() = default;

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxInitRichEdit())
        return FALSE;
    return CWnd::Create(RICHEDIT_CLASS10A, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const
{
    CHARRANGE cr = { 0, 0 };
    GetSel(cr);
    nStartChar = cr.cpMin;
    nEndChar = cr.cpMax;
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE cr = { nStartChar, nEndChar };
    SetSel(cr);
}

CString CRichEditCtrl::GetSelText() const
{
    CHARRANGE cr = { 0, 0 };
    GetSel(cr);
    CString text;
    LPSTR buffer = text.GetBufferSetLength(cr.cpMax - cr.cpMin);
    long n = static_cast<long>(SendMessage(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer)));
    text.ReleaseBuffer(static_cast<int>(n));
    return text;
}

long CRichEditCtrl::GetTextRange(long nFirst, long nLast, CString& refString) const
{
    if (nLast < 0)
        nLast = GetTextLength();
    if (nLast < nFirst) {
        refString.Empty();
        return 0;
    }
    TEXTRANGEA range = {};
    range.chrg.cpMin = nFirst;
    range.chrg.cpMax = nLast;
    range.lpstrText = refString.GetBufferSetLength(static_cast<int>(nLast - nFirst));
    long n = static_cast<long>(SendMessage(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)));
    refString.ReleaseBuffer(static_cast<int>(n));
    return n;
}

int CRichEditCtrl::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const
{
    if (nMaxLength < kLineLengthField)
        return 0;
    *reinterpret_cast<WORD*>(lpszBuffer) = static_cast<WORD>(nMaxLength);
    return static_cast<int>(SendMessage(EM_GETLINE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}

CPoint CRichEditCtrl::GetCharPos(long lChar) const
{
    POINT pt = { 0, 0 };
    SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), lChar);
    return CPoint(pt);
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMATA& cf)
{
    cf.cbSize = sizeof cf;
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, 0, reinterpret_cast<LPARAM>(&cf)));
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMATA& cf)
{
    cf.cbSize = sizeof cf;
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf)));
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMATA& cf) const
{
    cf.cbSize = sizeof cf;
    return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, 1, reinterpret_cast<LPARAM>(&cf)));
}
