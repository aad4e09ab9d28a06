// KyCatalogTreeCtrl: the toolbar above the tree's right end with its looks
// with and without visual styles, and its two commands, Add Computer and
// Remove Computer.
#include "KyGuiTool/IndexingServicePage/KyCatalogTreeCtrl.h"

#include "KyConTool/IndexingService/IndexingServiceCatalogs.h"
#include "KyGui/Helpers/UserEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/IndexingServicePage/CatalogList.h"
#include "KyGuiTool/IndexingServicePage/IndexingServicePageResource.h"
#include "KyGuiTool/IndexingServicePage/KyAddComputerDlg.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/ShellObjEdit/HandlerErrors.h"
#include "KyGuiTool/Storage/KyStringPicker.h"

using namespace Kyvant;

namespace {

const int kButtonCount = 2;
const CSize kButtonSize(23, 20);
const int kButtonImageWidth = 15;
const CSize kButtonImageSize(kButtonImageWidth, 13);
const int kImageGrowth = 0;
const COLORREF kTransparent = RGB(255, 0, 255);
const DWORD kToolBarStyle =
    WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN | TBSTYLE_FLAT;
const UINT kCommands[kButtonCount] = {ID_KY_ADD_COMPUTER, ID_KY_REMOVE_COMPUTER};

KyCatalogTreeCtrl::ThemeQuery& CurrentThemeQuery()
{
    static KyCatalogTreeCtrl::ThemeQuery query = nullptr;
    return query;
}

bool Themed()
{
    const KyCatalogTreeCtrl::ThemeQuery query = CurrentThemeQuery();
    return query != nullptr ? query() : UserEx::IsAppThemed();
}

TBBUTTON Button(int image, UINT command)
{
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = static_cast<int>(command);
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    return button;
}

using Names = std::vector<ky_I>;
using NameTexts = forward_input_sequencer<Names, ky_cast_converter<ky_I, const char*>>;

} // namespace

KyCatalogTreeCtrl::ThemeQuery KyCatalogTreeCtrl::SetThemeQuery(ThemeQuery query)
{
    const ThemeQuery old = CurrentThemeQuery();
    CurrentThemeQuery() = query;
    return old;
}

// A child of the tree's parent, its bottom right corner at the tree's top
// right one; its commands come to the tree.
void KyCatalogTreeCtrl::CreateToolBar()
{
    CWnd* parent = GetParent();
    if (parent == nullptr)
        return;
    const WndEx::WindowRect tree(*this, true);
    const CRect rect(tree.right - kToolBarWidth, tree.top - kToolBarHeight, tree.right, tree.top);
    if (!m_toolBar.Create(kToolBarStyle, rect, parent, IDC_KY_IS_CATALOG_TOOLBAR))
        AfxThrowResourceException();
    m_toolBar.SetOwner(this);
    m_toolBar.SetButtonStructSize(sizeof(TBBUTTON));
    m_toolBar.SetBitmapSize(kButtonImageSize);
    m_toolBar.SetButtonSize(kButtonSize);
    // Styled, the coloured pictures are the only ones; else they show only
    // under the mouse.
    if (!m_colourImages.Create(IDB_KY_CATALOG_TOOLBAR_HOT, kButtonImageWidth, kImageGrowth,
                               kTransparent))
        AfxThrowResourceException();
    if (Themed()) {
        m_toolBar.SetImageList(&m_colourImages);
    } else {
        if (!m_plainImages.Create(IDB_KY_CATALOG_TOOLBAR, kButtonImageWidth, kImageGrowth,
                                  kTransparent))
            AfxThrowResourceException();
        m_toolBar.SetImageList(&m_plainImages);
        m_toolBar.SetHotImageList(&m_colourImages);
    }
    TBBUTTON buttons[kButtonCount];
    for (int i = 0; i < kButtonCount; ++i)
        buttons[i] = Button(i, kCommands[i]);
    if (!m_toolBar.AddButtons(kButtonCount, buttons))
        AfxThrowResourceException();
    m_toolTip.Create(parent);
    for (UINT command : kCommands)
        AddButtonTip(command);
    m_toolBar.SetToolTips(&m_toolTip);
}

void KyCatalogTreeCtrl::AddButtonTip(UINT command)
{
    if (m_toolTip.GetSafeHwnd() == nullptr)
        return;
    CRect rect;
    m_toolBar.GetItemRect(static_cast<int>(m_toolBar.CommandToIndex(command)), &rect);
    m_toolTip.DelTool(&m_toolBar, command);
    m_toolTip.AddTool(&m_toolBar, command, &rect, command);
}

void KyCatalogTreeCtrl::OnAddComputer()
{
    try {
        AddComputer();
    } catch (...) {
        RethrowForMfc();
    }
}

void KyCatalogTreeCtrl::OnRemoveComputer()
{
    try {
        RemoveComputers(PathPlanSupport::ShiftHeld());
    } catch (...) {
        RethrowForMfc();
    }
}

KyCatalogTreeCtrl::Names KyCatalogTreeCtrl::ListCatalogs(const ky_I& computer)
{
    IndexingService::CatalogMap found;
    IndexingService::MapAllCatalogs(CatalogList::ScopeOf(computer), found);
    Names catalogs;
    const auto own = found.find(computer);
    if (own == found.end())
        return catalogs;
    for (auto catalog = own->second.begin(); catalog != own->second.end(); ++catalog)
        catalogs.push_back(catalog->first);
    return catalogs;
}

void KyCatalogTreeCtrl::AddComputer()
{
    SetFocus();
    Names listed;
    for (HTREEITEM computer = GetRootItem(); computer != nullptr;
         computer = GetNextSiblingItem(computer))
        listed.push_back(ComputerName(computer));
    KyAddComputerDlg dialog(listed, GetParent());
    if (dialog.DoModal() != IDOK)
        return;
    const ky_I& name = dialog.GetName();
    Names catalogs;
    {
        CWaitCursor busy;
        catalogs = ListCatalogs(name);
    }
    if (catalogs.empty()) {
        CString message;
        message.Format(PathPlanSupport::Load(IDS_KY_IS_NO_CATALOGS_FOUND).c_str(), name.c_str());
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    AddListedComputer(name, catalogs);
}

void KyCatalogTreeCtrl::RemoveComputers(bool several)
{
    HTREEITEM selected = ComputerOf(GetSelectedItem());
    if (GetRootItem() == nullptr || (!several && selected == nullptr)) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    if (!several) {
        CString question;
        question.Format(PathPlanSupport::Load(IDS_KY_IS_REMOVE_QUESTION).c_str(),
                        DisplayName(selected).c_str());
        if (AfxMessageBox(question, MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
            RemoveComputer(selected);
        return;
    }
    Names shown;
    for (HTREEITEM computer = GetRootItem(); computer != nullptr;
         computer = GetNextSiblingItem(computer))
        shown.push_back(ky_I(DisplayName(computer)));
    std::vector<ky_BSB<char>> chosen;
    const NameTexts choices(shown);
    const back_insert_sequencer<std::vector<ky_BSB<char>>> out(chosen);
    KyStringPicker picker(choices, out, PathPlanSupport::Load(IDS_KY_IS_REMOVE_CAPTION),
                          PathPlanSupport::Load(IDS_KY_IS_REMOVE_LABEL),
                          selected != nullptr ? DisplayName(selected).c_str() : nullptr, true,
                          GetParent());
    if (picker.DoModal() != IDOK)
        return;
    for (const ky_BSB<char>& text : chosen) {
        for (HTREEITEM computer = GetRootItem(); computer != nullptr;
             computer = GetNextSiblingItem(computer)) {
            if (ky_I(DisplayName(computer)) == ky_I(text)) {
                RemoveComputer(computer);
                break;
            }
        }
    }
}
