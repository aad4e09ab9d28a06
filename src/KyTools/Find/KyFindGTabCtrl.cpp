// KyFindGTabCtrl: the five pattern pages in tab order.
#include "KyTools/Find/KyFindGTabCtrl.h"

#include "KyTools/Find/KyFindGFgrepPage.h"
#include "KyTools/Find/KyFindGGrepPage.h"
#include "KyTools/Find/KyFindGPerlPage.h"

namespace {

// Plain Text is shown when nothing else was remembered.
const int kDefaultPage = 0;

} // namespace

IMPLEMENT_DYNAMIC(KyFindGTabCtrl, KySubDialogTabCtrl)

KyFindGTabCtrl::KyFindGTabCtrl(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                               const Kyvant::RegKey& settings)
    : KySubDialogTabCtrl(kActualId, kProxyId, bridge, settings, kPageGuidRecord, kDefaultPage),
      m_binaryMode(false)
{
    using Kyvant::FindFlavors::Guid;
    for (KyFindGFlavor flavor :
         {KyFindGFlavor::PlainText, KyFindGFlavor::Grep, KyFindGFlavor::Egrep}) {
        m_ownedPages.emplace_back(new KyFindGGrepPage(Guid(flavor), flavor, bridge, settings));
    }
    m_ownedPages.emplace_back(new KyFindGFgrepPage(bridge, settings));
    m_ownedPages.emplace_back(new KyFindGPerlPage(bridge, settings));
    for (const auto& page : m_ownedPages) {
        const auto& findPage = static_cast<const KyFindGPageBase&>(*page);
        AddPage(page.get(), Kyvant::FindFlavors::Caption(findPage.GetFlavor()));
    }
}

// The control's window goes first, so that no page window outlives its page.
KyFindGTabCtrl::~KyFindGTabCtrl()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}
