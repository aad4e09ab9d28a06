// KyCatalogTreeCtrl: its pictures, computer and catalog items with their
// counts, the check states and how they spread between a computer and its
// catalogs, and the keys and clicks that toggle them.
#include "KyGuiTool/IndexingServicePage/KyCatalogTreeCtrl.h"

#include "KyGuiTool/IndexingServicePage/CatalogList.h"
#include "KyGuiTool/IndexingServicePage/IndexingServicePageResource.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/ShellObjEdit/HandlerErrors.h"

using namespace Kyvant;

namespace {

const int kImageSize = 16;
const int kImageGrowth = 0;
const COLORREF kTransparent = RGB(255, 0, 255);

UINT StateBits(KyCatalogTreeCtrl::CheckState state)
{
    return INDEXTOSTATEIMAGEMASK(state);
}

} // namespace

IMPLEMENT_DYNAMIC(KyCatalogTreeCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(KyCatalogTreeCtrl, CTreeCtrl)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_COMMAND(ID_KY_ADD_COMPUTER, OnAddComputer)
ON_COMMAND(ID_KY_REMOVE_COMPUTER, OnRemoveComputer)
END_MESSAGE_MAP()

KyCatalogTreeCtrl::KyCatalogTreeCtrl() : m_computers(0), m_catalogs(0), m_checkedCatalogs(0) {}

KyCatalogTreeCtrl::~KyCatalogTreeCtrl() = default;

void KyCatalogTreeCtrl::PreSubclassWindow()
{
    CTreeCtrl::PreSubclassWindow();
    CreateImageLists();
    CreateToolBar();
}

void KyCatalogTreeCtrl::CreateImageLists()
{
    if (!m_images.Create(IDB_KY_CATALOG_TREE, kImageSize, kImageGrowth, kTransparent) ||
        !m_stateImages.Create(IDB_KY_CATALOG_STATES, kImageSize, kImageGrowth, kTransparent))
        AfxThrowResourceException();
    SetImageList(&m_images, TVSIL_NORMAL);
    SetImageList(&m_stateImages, TVSIL_STATE);
}

// Items --------------------------------------------------------------------

ky_I KyCatalogTreeCtrl::ComputerName(HTREEITEM computer) const
{
    if (GetItemData(computer) == kLocalComputerData)
        return ky_I(CatalogList::kLocalComputer);
    return ky_I(static_cast<LPCSTR>(GetItemText(computer)));
}

ky_S KyCatalogTreeCtrl::DisplayName(HTREEITEM computer) const
{
    return ky_S(static_cast<LPCSTR>(GetItemText(computer)));
}

HTREEITEM KyCatalogTreeCtrl::FindComputer(const ky_I& name) const
{
    for (HTREEITEM computer = GetRootItem(); computer != nullptr;
         computer = GetNextSiblingItem(computer)) {
        if (ComputerName(computer) == name)
            return computer;
    }
    return nullptr;
}

HTREEITEM KyCatalogTreeCtrl::FindCatalog(HTREEITEM computer, const ky_I& name) const
{
    for (HTREEITEM catalog = GetChildItem(computer); catalog != nullptr;
         catalog = GetNextSiblingItem(catalog)) {
        if (ky_I(static_cast<LPCSTR>(GetItemText(catalog))) == name)
            return catalog;
    }
    return nullptr;
}

HTREEITEM KyCatalogTreeCtrl::ComputerOf(HTREEITEM item) const
{
    if (item == nullptr)
        return nullptr;
    HTREEITEM parent = GetParentItem(item);
    return parent != nullptr ? parent : item;
}

HTREEITEM KyCatalogTreeCtrl::InsertComputer(const ky_I& name, bool listed)
{
    const bool local = name == CatalogList::kLocalComputer;
    const ky_S text = local ? PathPlanSupport::Load(IDS_KY_IS_MY_COMPUTER) : ky_S(name);
    const int image = listed ? kListedComputer : kUnlistedComputer;
    HTREEITEM computer =
        InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM,
                   text.c_str(), image, image, StateBits(kUnchecked), TVIS_STATEIMAGEMASK,
                   local ? kLocalComputerData : 0, TVI_ROOT, TVI_LAST);
    if (computer == nullptr)
        AfxThrowResourceException();
    ++m_computers;
    return computer;
}

HTREEITEM KyCatalogTreeCtrl::InsertCatalog(HTREEITEM computer, const ky_I& name, Image image)
{
    HTREEITEM catalog = InsertItem(
        TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM, name.c_str(), image,
        image, StateBits(kUnchecked), TVIS_STATEIMAGEMASK, 0, computer, TVI_LAST);
    if (catalog == nullptr)
        AfxThrowResourceException();
    ++m_catalogs;
    return catalog;
}

void KyCatalogTreeCtrl::AddListedComputer(const ky_I& name, const Names& catalogs)
{
    HTREEITEM computer = InsertComputer(name, true);
    for (const ky_I& catalog : catalogs)
        InsertCatalog(computer, catalog, kListedCatalog);
    Expand(computer, TVE_EXPAND);
}

void KyCatalogTreeCtrl::RemoveComputer(HTREEITEM computer)
{
    for (HTREEITEM catalog = GetChildItem(computer); catalog != nullptr;
         catalog = GetNextSiblingItem(catalog)) {
        SetState(catalog, kUnchecked, true);
        --m_catalogs;
    }
    --m_computers;
    DeleteItem(computer);
}

std::vector<KyCatalogTreeCtrl::CheckedComputer> KyCatalogTreeCtrl::GetCheckedComputers() const
{
    std::vector<CheckedComputer> checked;
    for (HTREEITEM computer = GetRootItem(); computer != nullptr;
         computer = GetNextSiblingItem(computer)) {
        if (GetCheck(computer) == kUnchecked)
            continue;
        CheckedComputer entry;
        entry.name = ComputerName(computer);
        for (HTREEITEM catalog = GetChildItem(computer); catalog != nullptr;
             catalog = GetNextSiblingItem(catalog)) {
            if (GetCheck(catalog) == kChecked)
                entry.catalogs.push_back(ky_I(static_cast<LPCSTR>(GetItemText(catalog))));
        }
        checked.push_back(entry);
    }
    return checked;
}

// Checks -------------------------------------------------------------------

KyCatalogTreeCtrl::CheckState KyCatalogTreeCtrl::GetCheck(HTREEITEM item) const
{
    return static_cast<CheckState>((GetItemState(item, TVIS_STATEIMAGEMASK) >> 12) & 0xF);
}

void KyCatalogTreeCtrl::SetState(HTREEITEM item, CheckState state, bool notify)
{
    const CheckState old = GetCheck(item);
    if (old == state)
        return;
    SetItemState(item, StateBits(state), TVIS_STATEIMAGEMASK);
    if (GetParentItem(item) == nullptr || (old != kChecked && state != kChecked))
        return;
    if (state == kChecked)
        ++m_checkedCatalogs;
    else
        --m_checkedCatalogs;
    if (notify && GetParent() != nullptr)
        GetParent()->SendMessage(kCheckChangedMessage, state, reinterpret_cast<LPARAM>(item));
}

void KyCatalogTreeCtrl::SetComputerState(HTREEITEM computer, CheckState state, bool notify)
{
    SetState(computer, state, notify);
    for (HTREEITEM catalog = GetChildItem(computer); catalog != nullptr;
         catalog = GetNextSiblingItem(catalog))
        SetState(catalog, state, notify);
}

// Nothing checked leaves the computer unchecked; anything else, partly.
void KyCatalogTreeCtrl::UpdateComputerState(HTREEITEM computer)
{
    CheckState state = kUnchecked;
    for (HTREEITEM catalog = GetChildItem(computer); catalog != nullptr;
         catalog = GetNextSiblingItem(catalog)) {
        if (GetCheck(catalog) != kUnchecked)
            state = kPartlyChecked;
    }
    SetState(computer, state, false);
}

void KyCatalogTreeCtrl::ToggleCheck(HTREEITEM item)
{
    if (item == nullptr)
        return;
    const CheckState state = GetCheck(item) == kUnchecked ? kChecked : kUnchecked;
    HTREEITEM computer = GetParentItem(item);
    if (computer == nullptr) {
        SetComputerState(item, state, true);
        return;
    }
    SetState(item, state, true);
    UpdateComputerState(computer);
}

void KyCatalogTreeCtrl::ClearChecks()
{
    for (HTREEITEM computer = GetRootItem(); computer != nullptr;
         computer = GetNextSiblingItem(computer))
        SetComputerState(computer, kUnchecked, false);
}

// Input --------------------------------------------------------------------

bool KyCatalogTreeCtrl::ClickedStateIcon(CPoint point)
{
    UINT where = 0;
    HTREEITEM item = HitTest(point, &where);
    if (item == nullptr || (where & TVHT_ONITEMSTATEICON) == 0)
        return false;
    ToggleCheck(item);
    return true;
}

void KyCatalogTreeCtrl::OnLButtonDown(UINT flags, CPoint point)
{
    try {
        if (ClickedStateIcon(point))
            return;
    } catch (...) {
        RethrowForMfc();
    }
    CTreeCtrl::OnLButtonDown(flags, point);
}

void KyCatalogTreeCtrl::OnLButtonDblClk(UINT flags, CPoint point)
{
    try {
        if (ClickedStateIcon(point))
            return;
    } catch (...) {
        RethrowForMfc();
    }
    CTreeCtrl::OnLButtonDblClk(flags, point);
}

void KyCatalogTreeCtrl::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    try {
        if (key == VK_SPACE) {
            ToggleCheck(GetSelectedItem());
            return;
        }
        if (key == VK_DELETE) {
            RemoveComputers(PathPlanSupport::ShiftHeld());
            return;
        }
    } catch (...) {
        RethrowForMfc();
    }
    CTreeCtrl::OnKeyDown(key, repeat, flags);
}

// Space toggles; the tree's own search by typing would only beep at it.
void KyCatalogTreeCtrl::OnChar(UINT key, UINT repeat, UINT flags)
{
    if (key == ' ')
        return;
    CTreeCtrl::OnChar(key, repeat, flags);
}
