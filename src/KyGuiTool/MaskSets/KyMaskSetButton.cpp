// KyMaskSetButton: the menu of stored sets, and the chosen text put into the
// masks combo the way typing would.
#include "KyGuiTool/MaskSets/KyMaskSetButton.h"

#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/MaskSets/MaskSetsResource.h"
#include "KyGuiTool/MaskSets/MasksCombo.h"

#include <iterator>

namespace {

constexpr int kMenuIndent = 8;        // the popup opens this far right of the button's left edge
constexpr UINT kFirstSetPosition = 2; // after "All Files" and a separator
const char kAllFiles[] = "*";

} // namespace

BEGIN_MESSAGE_MAP(KyMaskSetButton, KyButtonMenuInvoker)
ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

KyMaskSetButton::KyMaskSetButton(CComboBox& masks)
    : KyButtonMenuInvoker(static_cast<CMenu*>(nullptr)), m_db(Kyvant::MaskDB::Instance()),
      m_masks(masks)
{
}

KyMaskSetButton::~KyMaskSetButton() = default;

// "All Files", [separator, the sets in key order,] separator, "Edit...": set
// k has the command k.
UINT KyMaskSetButton::TrackMenu()
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_KY_MASK_SET_MENU))
        AfxThrowResourceException();
    CMenu* popup = menu.GetSubMenu(0);
    if (!m_db.empty()) {
        popup->InsertMenu(1, MF_BYPOSITION | MF_SEPARATOR);
        UINT position = kFirstSetPosition;
        for (auto it = m_db.begin(); it != m_db.end(); ++it, ++position)
            popup->InsertMenu(position, MF_BYPOSITION | MF_STRING, position - kFirstSetPosition + 1,
                              it->first.c_str());
    }
    const Kyvant::WndEx::WindowRect rect(*this);
    return static_cast<UINT>(popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY,
                                                   rect.left + kMenuIndent, rect.bottom, this));
}

Kyvant::ky_I KyMaskSetButton::TextOfCommand(UINT command) const
{
    if (command == ID_KY_MASK_SET_ALL_FILES)
        return Kyvant::ky_I(kAllFiles);
    if (command == 0 || command > m_db.size())
        return Kyvant::ky_I();
    auto it = m_db.begin();
    std::advance(it, command - 1);
    return Kyvant::MaskDB::UnAmpersand(it->first);
}

void KyMaskSetButton::InvokeEditor()
{
    const UINT command = TrackMenu();
    if (command == ID_KY_MASK_SET_EDIT) {
        KyButtonEditorInvoker::InvokeEditor();
        return;
    }
    const Kyvant::ky_I text = TextOfCommand(command);
    if (!text.empty())
        PutIntoMasks(text);
}

// Selected as the exact entry or as the edit text, all of it selected, and the
// page told as if the user had typed it.
void KyMaskSetButton::PutIntoMasks(const Kyvant::ky_I& text)
{
    Kyvant::MasksCombo::Show(m_masks, text.c_str());
    m_masks.SetEditSel(0, -1);
    CWnd* page = m_masks.GetParent();
    if (page != nullptr)
        page->SendMessage(WM_COMMAND, MAKEWPARAM(m_masks.GetDlgCtrlID(), CBN_EDITCHANGE),
                          reinterpret_cast<LPARAM>(m_masks.m_hWnd));
}

void KyMaskSetButton::OnInitMenuPopup(CMenu*, UINT, BOOL) {}

BOOL KyMaskSetButton::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
