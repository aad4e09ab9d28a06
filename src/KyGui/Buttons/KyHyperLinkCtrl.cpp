// KyHyperLinkCtrl: the underlined font, fitting the control to its text,
// colours, the hand cursor and opening the text through the shell.
#include "KyGui/Buttons/KyHyperLinkCtrl.h"

#include "KyGui/Buttons/ButtonsResource.h"
#include "KyStd/Shell/ShellLaunch.h"
#include "KyStd/Win32/OsVersion.h"

namespace {

#ifndef IDC_HAND
#define IDC_HAND MAKEINTRESOURCE(32649)
#endif

HCURSOR LinkCursor()
{
    if (Kyvant::OsVersion::AtLeast2K())
        return ::LoadCursorA(nullptr, IDC_HAND);
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(IDC_KY_HAND_CURSOR), RT_GROUP_CURSOR);
    return module ? ::LoadCursorA(module, MAKEINTRESOURCE(IDC_KY_HAND_CURSOR)) : nullptr;
}

// The shell's launcher as installed (ShellExecuteExA unless a test replaced it).
Kyvant::Shell::ShellExecuteFunction Launcher()
{
    const Kyvant::Shell::ShellExecuteFunction f = Kyvant::Shell::SetShellExecuteFunction(nullptr);
    Kyvant::Shell::SetShellExecuteFunction(f);
    return f;
}

} // namespace

BEGIN_MESSAGE_MAP(KyHyperLinkCtrl, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
END_MESSAGE_MAP()

KyHyperLinkCtrl::KyHyperLinkCtrl() : m_cursor(LinkCursor()) {}

KyHyperLinkCtrl::~KyHyperLinkCtrl() = default;

void KyHyperLinkCtrl::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    HFONT font = GetFont();
    if (!font && GetTopLevelParent())
        font = GetTopLevelParent()->GetFont();
    if (!font)
        font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA lf = {};
    if (font && ::GetObjectA(font, sizeof lf, &lf))
    {
        lf.lfUnderline = TRUE;
        if (m_font.CreateFontIndirect(&lf))
            SetFont(static_cast<HFONT>(m_font.GetSafeHandle()), TRUE);
    }
    FitToText(static_cast<HFONT>(m_font.GetSafeHandle()));
}

void KyHyperLinkCtrl::FitToText(HFONT font)
{
    CString text;
    GetWindowText(text);
    CClientDC dc(this);
    HGDIOBJ old = font ? dc.SelectObject(font) : nullptr;
    const CSize size = dc.GetTextExtent(text, text.GetLength());
    if (old)
        dc.SelectObject(old);
    CRect rc;
    GetWindowRect(&rc);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, rc.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH KyHyperLinkCtrl::CtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(kLinkColor);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL KyHyperLinkCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (!m_cursor)
        return CStatic::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(m_cursor);
    return TRUE;
}

void KyHyperLinkCtrl::OnClicked()
{
    CString text;
    GetWindowText(text);
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.hwnd = GetTopLevelParent() ? GetTopLevelParent()->GetSafeHwnd() : nullptr;
    info.lpVerb = "open";
    info.lpFile = text;
    info.nShow = SW_SHOWNORMAL;
    Launcher()(&info);
}
