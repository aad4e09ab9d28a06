// ECMListBox: drawing captions and separators, caption-only editing, moves.
#include "KyGuiTool/ExplorerMenu/ECMListBox.h"

#include "KyGui/Helpers/DialogEx.h"
#include "KyGuiTool/ExplorerMenu/ExplorerMenuList.h"
#include "KyGuiTool/ExplorerMenu/ExplorerMenuResource.h"
#include "KyGuiTool/ExplorerMenu/KyExplorerContextMenuEditorDialog.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyStd/Core/FlagScope.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

const bool kDragEnabled = true;
const bool kToolbar = true;

Kyvant::ky_S LoadText(UINT id)
{
    Kyvant::ky_S text;
    text.LoadStringA(Kyvant::KyGuiToolModule(), id);
    return text;
}

} // namespace

ECMListBox::ECMListBox(KyExplorerContextMenuEditorDialog& editor)
    : KyEditableListBox(kDragEnabled, kToolbar, IDC_KY_ECM_TOOLBAR), m_editor(editor)
{
}

ECMListBox::~ECMListBox() = default;

bool ECMListBox::IsSeparatorRow(int item) const
{
    const char* entry = ItemText(item);
    return entry != nullptr && Kyvant::ExplorerMenu::IsSeparator(entry);
}

void ECMListBox::SetEntry(int item, const char* entry)
{
    char* old = const_cast<char*>(ItemText(item));
    if (old == nullptr || std::strcmp(old, entry) == 0)
        return;
    const size_t size = std::strlen(entry) + 1;
    char* copy = static_cast<char*>(std::realloc(old, size));
    if (copy == nullptr)
        AfxThrowMemoryException();
    std::memcpy(copy, entry, size);
    SetItemDataPtr(item, copy);
    CRect rect;
    if (GetItemRect(item, &rect) != LB_ERR)
        InvalidateRect(&rect);
}

bool ECMListBox::CanEditItem(int item, bool start, SelectType how, CPoint pt)
{
    if (IsSeparatorRow(item))
        return false;
    return KyEditableListBox::CanEditItem(item, start, how, pt);
}

// The row becomes the editor's current one first; its command stays in the
// editor's controls while the caption alone is edited.
bool ECMListBox::BeginEditing(SelectType how, CPoint pt)
{
    const int item = GetCurSel();
    if (Editing() || item < 0 || IsSeparatorRow(item))
        return false;
    m_editor.MakeRowCurrent(item);
    const char* entry = ItemText(item);
    if (entry != nullptr)
        SetEntry(item, Kyvant::ExplorerMenu::Caption(entry).c_str());
    return KyEditableListBox::BeginEditing(how, pt);
}

// The moved row is the current one, so the command shown goes with it.
int ECMListBox::MoveItem(int from, int to)
{
    if (IsValidMove(from, to))
        m_editor.MakeRowCurrent(from);
    Kyvant::FlagScope moving(m_editor.MovingFlag());
    return KyEditableListBox::MoveItem(from, to);
}

void ECMListBox::Refuse(UINT messageId)
{
    Kyvant::DialogEx::SetFocus(*this);
    throw std::runtime_error(LoadText(messageId).c_str());
}

void ECMListBox::ValidateText(int, const char* text)
{
    if (std::strchr(text, Kyvant::ExplorerMenu::kCommandBar) != nullptr)
        Refuse(IDS_KY_ECM_BAR_IN_CAPTION);
    if (std::strcmp(text, Kyvant::ExplorerMenu::kSeparator) == 0)
        Refuse(IDS_KY_ECM_DASH_CAPTION);
}

void ECMListBox::DrawTextItem(CDC& dc, const CRect& rect, const char* text, DRAWITEMSTRUCT& dis,
                              UINT format)
{
    if (text == nullptr) {
        KyEditableListBox::DrawTextItem(dc, rect, text, dis, format);
        return;
    }
    const Kyvant::ky_S shown = Kyvant::ExplorerMenu::IsSeparator(text)
                                   ? LoadText(IDS_KY_ECM_SEPARATOR_ROW)
                                   : Kyvant::ExplorerMenu::Caption(text);
    KyEditableListBox::DrawTextItem(dc, rect, shown.c_str(), dis, format);
}
