// KySubDialogPage: its place in the parent tab control and the themed page
// background.
#include "KyGuiTool/Pages/KySubDialogPage.h"

#include "KyGui/Helpers/UserEx.h"
#include "KyGui/Helpers/VisualStyles.h"
#include "KyGuiTool/Pages/KySubDialogTabCtrl.h"

#include <stdexcept>
#include <typeinfo>

namespace {

// EnableThemeDialogTexture's flag that gives the page the tab control's background.
const DWORD kEnableTabTexture = 0x00000006;

using EnableThemeDialogTextureFn = HRESULT(WINAPI*)(HWND, DWORD);

// Found in uxtheme.dll when the system has it (Windows XP and later).
EnableThemeDialogTextureFn EnableThemeDialogTexture()
{
    static const EnableThemeDialogTextureFn fn =
        Kyvant::VisualStyles::Function<EnableThemeDialogTextureFn>("EnableThemeDialogTexture");
    return fn;
}

} // namespace

IMPLEMENT_DYNAMIC(KySubDialogPage, KySubDialog)

KySubDialogPage::KySubDialogPage(int templateId, const Kyvant::ky_I& guid, const DWORD* helpIds,
                                 const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, int proxyId)
    : KySubDialog(templateId, helpIds, bridge, proxyId), m_guid(guid)
{
}

KySubDialogPage::~KySubDialogPage() = default;

unsigned KySubDialogPage::GetIndex() const
{
    CWnd* parent = GetParent();
    if (parent == nullptr)
        throw std::bad_cast();
    const KySubDialogTabCtrl& tabs = dynamic_cast<const KySubDialogTabCtrl&>(*parent);
    const unsigned count = tabs.GetPageCount();
    for (unsigned i = 0; i < count; ++i) {
        if (tabs.GetPagePtr(i) == this)
            return i;
    }
    throw std::runtime_error("KySubDialogPage::GetIndex: Page not found");
}

Kyvant::ky_S KySubDialogPage::GetCaption() const
{
    const unsigned index = GetIndex();
    return dynamic_cast<const KySubDialogTabCtrl&>(*GetParent()).GetPageCaption(index);
}

BOOL KySubDialogPage::OnInitDialog()
{
    KySubDialog::OnInitDialog();
    EnableThemeDialogTextureFn enable = EnableThemeDialogTexture();
    if (enable != nullptr && Kyvant::UserEx::IsAppThemed())
        enable(m_hWnd, kEnableTabTexture);
    return TRUE;
}

void KySubDialogPage::OnActivatePage() {}

bool KySubDialogPage::OnDeactivatePage()
{
    return true;
}
