// KyToolBar: WM_SETTINGCHANGE stops here, so the toolbar control does not re-measure itself.
#include "KyGui/Bars/KyToolBar.h"

BEGIN_MESSAGE_MAP(KyToolBar, CToolBar)
ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
END_MESSAGE_MAP()

KyToolBar::KyToolBar() = default;

KyToolBar::~KyToolBar() = default;

LRESULT KyToolBar::OnSettingChange(WPARAM, LPARAM)
{
    return 0;
}
