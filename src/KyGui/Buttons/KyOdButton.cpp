// KyOdButton: rectangles, drawing steps, hovering and the default-button messages.
#include "KyGui/Buttons/KyOdButton.h"

#include "KyGui/Helpers/GdiEx.h"

#include <commctrl.h>
#include <vssym32.h>

#include <string>

namespace {

constexpr int kFocusInset = 2;     // focus rectangle: inside the border
constexpr int kContentsInset = 3;  // contents: inside the border
constexpr int kTextRaise = 1;      // centred text sits one pixel higher
constexpr UINT kButtonTypeMask = 0x0F;
constexpr UINT kStyleClearBits = 0x14;  // with 0x0B set: BS_OWNERDRAW in the low five bits
constexpr UINT kStyleSetBits = 0x0B;

std::wstring Widen(const CString& text)
{
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text, text.GetLength(), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    if (n > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text, text.GetLength(), &wide[0], n);
    return wide;
}

bool TrackLeave(HWND hWnd, DWORD flags)
{
    TRACKMOUSEEVENT tme = {};
    tme.cbSize = sizeof tme;
    tme.dwFlags = flags;
    tme.hwndTrack = hWnd;
    tme.dwHoverTime = HOVER_DEFAULT;
    return _TrackMouseEvent(&tme) != FALSE;
}

} // namespace

BEGIN_MESSAGE_MAP(KyOdButton, CButton)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_GETDLGCODE()
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
    ON_MESSAGE(WM_THEMECHANGED, OnThemeChanged)
END_MESSAGE_MAP()

KyOdButton::KyOdButton(bool canHover, bool canBeDefault)
    : m_theme(L"button"), m_hovering(false), m_isDefault(false), m_canHover(canHover),
      m_canBeDefault(canBeDefault)
{
}

KyOdButton::~KyOdButton() = default;

void KyOdButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    UpdateTheme();
}

void KyOdButton::UpdateTheme()
{
    m_theme.Update(m_hWnd);
}

CSize KyOdButton::GetBorderSize() const
{
    return CSize(2, 2);
}

CRect KyOdButton::GetAvailRect() const
{
    CRect rc;
    GetClientRect(&rc);
    const CSize border = GetBorderSize();
    rc.DeflateRect(border.cx, border.cy);
    return rc;
}

CRect KyOdButton::GetFocusRect() const
{
    CRect rc = GetAvailRect();
    rc.DeflateRect(kFocusInset, kFocusInset);
    return rc;
}

CRect KyOdButton::GetContentsRect() const
{
    CRect rc = GetAvailRect();
    rc.DeflateRect(kContentsInset, kContentsInset);
    return rc;
}

CRect KyOdButton::GetTextRect(const CSize& textSize) const
{
    const CRect contents = GetContentsRect();
    CRect rc;
    rc.left = contents.left + (contents.Width() - textSize.cx) / 2;
    rc.top = contents.top + (contents.Height() - textSize.cy) / 2 - kTextRaise;
    rc.right = rc.left + textSize.cx;
    rc.bottom = rc.top + textSize.cy;
    return rc;
}

void KyOdButton::AdjustSelectedRect(CRect& rc) const
{
    if (!IsThemed())
        rc.OffsetRect(1, 1);
}

void KyOdButton::StartHovering()
{
    if (!m_canHover || m_hovering)
        return;
    if (TrackLeave(m_hWnd, TME_LEAVE))
    {
        m_hovering = true;
        Invalidate(FALSE);
    }
}

void KyOdButton::StopHovering()
{
    if (!m_hovering)
        return;
    m_hovering = false;
    TrackLeave(m_hWnd, TME_CANCEL | TME_LEAVE);
    Invalidate(FALSE);
}

int KyOdButton::PushButtonState(const DRAWITEMSTRUCT& dis) const
{
    if (dis.itemState & ODS_SELECTED)
        return PBS_PRESSED;
    if (dis.itemState & ODS_DISABLED)
        return PBS_DISABLED;
    if (m_hovering || (dis.itemState & ODS_HOTLIGHT))
        return PBS_HOT;
    if (m_isDefault || (dis.itemState & ODS_DEFAULT))
        return PBS_DEFAULTED;
    return PBS_NORMAL;
}

void KyOdButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    Kyvant::GdiEx::MemoryDC dc(lpDrawItemStruct->hDC, lpDrawItemStruct->rcItem);
    Kyvant::GdiEx::DcSaver saver(dc);
    HGDIOBJ font = ::GetCurrentObject(lpDrawItemStruct->hDC, OBJ_FONT);
    if (font)
        dc.SelectObject(font);
    dc.SetTextColor(::GetTextColor(lpDrawItemStruct->hDC));
    dc.SetBkMode(TRANSPARENT);
    DrawBackground(dc, *lpDrawItemStruct);
    DrawBorder(dc, *lpDrawItemStruct);
    DrawContents(dc, *lpDrawItemStruct);
}

void KyOdButton::DrawBackground(CDC& dc, const DRAWITEMSTRUCT& dis)
{
    if (IsThemed())
    {
        m_theme.DrawParentBackground(m_hWnd, dc, dis.rcItem);
        m_theme.DrawBackground(dc, BP_PUSHBUTTON, PushButtonState(dis), dis.rcItem);
        return;
    }
    dc.FillSolidRect(&dis.rcItem, ::GetSysColor(COLOR_BTNFACE));
}

void KyOdButton::DrawBorder(CDC& dc, const DRAWITEMSTRUCT& dis)
{
    if (IsThemed())
        return;
    CRect rc(dis.rcItem);
    if (m_isDefault || (dis.itemState & ODS_DEFAULT))
    {
        ::FrameRect(dc, &rc, ::GetSysColorBrush(COLOR_WINDOWFRAME));
        rc.DeflateRect(1, 1);
    }
    UINT state = DFCS_BUTTONPUSH;
    if (dis.itemState & ODS_SELECTED)
        state |= DFCS_PUSHED;
    if (dis.itemState & ODS_DISABLED)
        state |= DFCS_INACTIVE;
    ::DrawFrameControl(dc, &rc, DFC_BUTTON, state);
}

CSize KyOdButton::MeasureText(CDC& dc, const DRAWITEMSTRUCT& dis, const CString& text) const
{
    if (IsThemed())
    {
        const std::wstring wide = Widen(text);
        CRect extent;
        if (m_theme.GetTextExtent(dc, BP_PUSHBUTTON, PushButtonState(dis), wide.c_str(),
                                  static_cast<int>(wide.size()), DT_SINGLELINE, dis.rcItem, extent))
            return CSize(extent.right, extent.bottom);
    }
    CRect calc(0, 0, 0, 0);
    if (::DrawTextA(dc, text, text.GetLength(), &calc, DT_SINGLELINE | DT_CALCRECT))
        return CSize(calc.Width(), calc.Height());
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text, text.GetLength(), &size);
    return CSize(size.cx, size.cy);
}

void KyOdButton::DrawTextA(CDC& dc, const DRAWITEMSTRUCT& dis, CRect* pTextRect)
{
    CString text;
    GetWindowText(text);
    if (text.IsEmpty())
    {
        if (pTextRect)
            pTextRect->SetRectEmpty();
        return;
    }
    CRect rc = GetTextRect(MeasureText(dc, dis, text));
    if (dis.itemState & ODS_SELECTED)
        AdjustSelectedRect(rc);
    if (pTextRect)
        *pTextRect = rc;
    if (IsThemed())
    {
        const std::wstring wide = Widen(text);
        const DWORD flags = DT_SINGLELINE | ((dis.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
        const DWORD flags2 = (dis.itemState & ODS_DISABLED) ? DTT_GRAYED : 0;
        DrawThemeText(dc, wide.c_str(), static_cast<int>(wide.size()), flags, flags2, rc, dis);
        return;
    }
    UINT flags = DST_PREFIXTEXT;
    if (dis.itemState & ODS_DISABLED)
        flags |= DSS_DISABLED;
    if (dis.itemState & ODS_NOACCEL)
        flags |= DSS_HIDEPREFIX;
    ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(text)),
                 static_cast<WPARAM>(text.GetLength()), rc.left, rc.top, rc.Width(), rc.Height(), flags);
}

void KyOdButton::DrawThemeText(CDC& dc, const wchar_t* text, int length, DWORD textFlags, DWORD flags2,
                               const CRect& rc, const DRAWITEMSTRUCT& dis)
{
    m_theme.DrawThemedText(dc, BP_PUSHBUTTON, PushButtonState(dis), text, length, textFlags, flags2, rc);
}

void KyOdButton::DrawFocus(CDC& dc, const DRAWITEMSTRUCT& dis)
{
    if ((dis.itemState & ODS_FOCUS) && !(dis.itemState & ODS_NOFOCUSRECT))
    {
        const CRect rc = GetFocusRect();
        dc.DrawFocusRect(&rc);
    }
}

BOOL KyOdButton::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void KyOdButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void KyOdButton::OnLButtonDown(UINT, CPoint)
{
    StopHovering();
    Default();
}

void KyOdButton::OnMouseMove(UINT, CPoint)
{
    Default();
    StartHovering();
}

LRESULT KyOdButton::OnMouseLeave(WPARAM, LPARAM)
{
    if (m_hovering)
    {
        m_hovering = false;
        Invalidate(FALSE);
    }
    return 0;
}

UINT KyOdButton::OnGetDlgCode()
{
    UINT code = static_cast<UINT>(Default());
    if (m_canBeDefault)
    {
        code &= ~static_cast<UINT>(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
        code |= m_isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
    }
    return code;
}

LRESULT KyOdButton::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    if (!m_canBeDefault)
        return Default();
    const UINT type = static_cast<UINT>(wParam) & kButtonTypeMask;
    if (type == BS_DEFPUSHBUTTON)
        m_isDefault = true;
    else if (type == BS_PUSHBUTTON)
        m_isDefault = false;
    const WPARAM style = (wParam & ~static_cast<WPARAM>(kStyleClearBits)) | kStyleSetBits;
    return DefWindowProc(BM_SETSTYLE, style, lParam);
}

LRESULT KyOdButton::OnThemeChanged(WPARAM, LPARAM)
{
    UpdateTheme();
    return 0;
}
