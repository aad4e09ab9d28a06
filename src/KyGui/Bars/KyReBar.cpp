// KyReBar: the themed flag, refreshed at subclassing and on theme changes, and the layout.
#include "KyGui/Bars/KyReBar.h"

#include "KyGui/Helpers/UserEx.h"

namespace {

constexpr int kThemedExtraHeight = 2;

} // namespace

BEGIN_MESSAGE_MAP(KyReBar, CReBar)
ON_MESSAGE(WM_THEMECHANGED, OnThemeChanged)
END_MESSAGE_MAP()

KyReBar::KyReBar() : m_themed(false) {}

KyReBar::~KyReBar() = default;

void KyReBar::PreSubclassWindow()
{
    m_themed = Kyvant::UserEx::IsAppThemed();
    CReBar::PreSubclassWindow();
}

LRESULT KyReBar::OnThemeChanged(WPARAM, LPARAM)
{
    m_themed = Kyvant::UserEx::IsAppThemed();
    return 0;
}

CSize KyReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CReBar::CalcFixedLayout(bStretch, bHorz);
    if (m_themed)
        size.cy += kThemedExtraHeight;
    return size;
}
