// KyTransparentDialogBar: the themed flag and the parent's background as its own.
#include "KyGui/Bars/KyTransparentDialogBar.h"

#include "KyGui/Buttons/ButtonTheme.h"
#include "KyGui/Helpers/UserEx.h"

BEGIN_MESSAGE_MAP(KyTransparentDialogBar, CDialogBar)
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_THEMECHANGED, OnThemeChanged)
END_MESSAGE_MAP()

KyTransparentDialogBar::KyTransparentDialogBar() : m_themed(false) {}

KyTransparentDialogBar::~KyTransparentDialogBar() = default;

void KyTransparentDialogBar::PreSubclassWindow()
{
    m_themed = Kyvant::UserEx::IsAppThemed();
    CDialogBar::PreSubclassWindow();
}

LRESULT KyTransparentDialogBar::OnThemeChanged(WPARAM, LPARAM)
{
    m_themed = Kyvant::UserEx::IsAppThemed();
    return 0;
}

BOOL KyTransparentDialogBar::OnEraseBkgnd(CDC* pDC)
{
    if (!m_themed)
        return CDialogBar::OnEraseBkgnd(pDC);
    CRect whole;
    GetClientRect(&whole);
    const Kyvant::ButtonTheme parentBackground(L"window");
    parentBackground.DrawParentBackground(m_hWnd, pDC->GetSafeHdc(), whole);
    return TRUE;
}
