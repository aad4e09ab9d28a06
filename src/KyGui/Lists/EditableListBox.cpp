// KyEditableListBox: item texts, the empty row, deleting, moving, loading and
// storing the contents, and its wider toolbar.
#include "KyGui/Lists/EditableListBox.h"

#include "KyGui/Helpers/ListBoxEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGui/Lists/ListsResource.h"
#include "KyStd/Core/Errors.h"

#include <commctrl.h>

#include <cstdlib>
#include <exception>

namespace {

const int kEditImageCount = 2;
const int kToolbarWidening = 46;
const COLORREF kMagenta = RGB(255, 0, 255);

// Redraw is off while the window is visible, and on again at the end.
class RedrawOff
{
public:
    explicit RedrawOff(CWnd& wnd) : m_wnd(wnd), m_frozen(wnd.IsWindowVisible() != FALSE)
    {
        if (m_frozen)
            m_wnd.SetRedraw(FALSE);
    }
    ~RedrawOff()
    {
        if (m_frozen)
            m_wnd.SetRedraw(TRUE);
    }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    CWnd& m_wnd;
    bool m_frozen;
};

TBBUTTON EditButton(int image, UINT command)
{
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = static_cast<int>(command);
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    return button;
}

// Shows an exception caught on the way to the user: an MFC one by its own
// report, a standard one in a message box with its text.
void ReportCaught(std::exception_ptr caught)
{
    try {
        std::rethrow_exception(caught);
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const std::exception& e) {
        AfxMessageBox(e.what());
    }
}

} // namespace

KyEditableListBox::KyEditableListBox() : KyEditableListBox(true, true, ID_KY_LIST_TOOLBAR) {}

KyEditableListBox::KyEditableListBox(bool enableDrag, bool createToolbar, UINT toolbarId)
    : KyDragListBox(enableDrag, createToolbar, toolbarId), m_editIndex(-1), m_editor(nullptr),
      m_resendingButtonDown(false), m_inCreateEditor(false), m_clickPending(false), m_wheelClosePending(false),
      m_clickX(0), m_clickY(0), m_defaultItemHeight(0)
{
}

KyEditableListBox::~KyEditableListBox()
{
    DestroyEditor();
}

const char* KyEditableListBox::ItemText(int item) const
{
    if (item < 0 || item >= GetCount())
        return nullptr;
    const DWORD_PTR data = GetItemData(item);
    if (data == static_cast<DWORD_PTR>(LB_ERR))
        return nullptr;
    return reinterpret_cast<const char*>(data);
}

void KyEditableListBox::Notify(UINT message, int item)
{
    CWnd* parent = GetParent();
    if (parent != nullptr)
        parent->SendMessage(message, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(this));
}

void KyEditableListBox::DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    std::free(reinterpret_cast<void*>(lpDeleteItemStruct->itemData));
}

bool KyEditableListBox::CanCreateNewEmptyItem(int)
{
    return true;
}

int KyEditableListBox::GetEmptyItemIndex()
{
    const int count = GetCount();
    if (count <= 0 || GetItemData(count - 1) != 0)
        return -1;
    return count - 1;
}

int KyEditableListBox::CreateNewEmptyItem(int index)
{
    const int existing = GetEmptyItemIndex();
    if (existing >= 0)
        return existing;
    return Kyvant::ListBoxEx::XpBugInsertString(*this, index, nullptr);
}

bool KyEditableListBox::CanDeleteItem(int index)
{
    return index >= 0 && index < GetCount() && index != GetEmptyItemIndex();
}

bool KyEditableListBox::UserDeleteItem(int index)
{
    StopEditing(true, true, true);
    if (!CanDeleteItem(index)) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return false;
    }
    DeleteString(static_cast<UINT>(index));
    const int count = GetCount();
    SetCurSel(index < count - 1 ? index : count - 1);
    Notify(WM_KY_LIST_ITEM_DELETED, index);
    return true;
}

bool KyEditableListBox::AcceptEditChangesDuringDestruction()
{
    return false;
}

void KyEditableListBox::ValidateText(int, const char*) {}

bool KyEditableListBox::IsTextuallyEmpty()
{
    return GetCount() <= (HasEmptyItem() ? 1 : 0);
}

bool KyEditableListBox::IsValidMove(int from, int to)
{
    const int empty = GetEmptyItemIndex();
    return KyDragListBox::IsValidMove(from, to) && !Editing() && from != empty && to != empty;
}

int KyEditableListBox::MoveItem(int from, int to)
{
    if (!IsValidMove(from, to))
        return from;
    int at = from;
    {
        RedrawOff freeze(*this);
        void* data = GetItemDataPtr(from);
        SetItemDataPtr(from, nullptr);
        at = MoveItem_imp(from, to);
        SetItemDataPtr(at, data);
    }
    Invalidate();
    Notify(WM_KY_LIST_ITEM_MOVED, at);
    return at;
}

int KyEditableListBox::ItemFromPt(CPoint pt, bool autoScroll)
{
    const int item = KyDragListBox::ItemFromPt(pt, autoScroll);
    return item >= 0 && item == GetEmptyItemIndex() ? -1 : item;
}

void KyEditableListBox::StoreContents(const Kyvant::output_sequencer<Text>& seq)
{
    StopEditing(true, true, true);
    seq.clear();
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        const char* text = ItemText(i);
        if (text != nullptr)
            seq.append(Text(text));
    }
}

void KyEditableListBox::LoadContents(const Kyvant::input_sequencer<Text>& seq, bool addEmptyRow)
{
    StopEditing(true, true, true);
    {
        RedrawOff freeze(*this);
        try {
            ResetContent();
            for (; !seq.at_end(); seq.next()) {
                char* copy = Kyvant::xstrdup(seq.current().c_str());
                if (SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy)) < 0) {
                    std::free(copy);
                    AfxThrowMemoryException();
                }
            }
        } catch (...) {
            ReportCaught(std::current_exception());
        }
        if (addEmptyRow)
            CreateNewEmptyItem(-1);
        SetCurSel(0);
    }
    Invalidate();
}

bool KyEditableListBox::CreateToolbar(UINT id)
{
    const bool done = KyDragListBox::CreateToolbar(id);
    CToolBarCtrl& bar = GetToolBarCtrl();
    if (!done || bar.GetSafeHwnd() == nullptr || bar.CommandToIndex(ID_KY_LIST_NEW_ITEM) != static_cast<UINT>(-1))
        return done;
    const int first = bar.AddBitmap(kEditImageCount, IDB_KY_LIST_EDIT_ITEMS);
    TBBUTTON newItem = EditButton(first, ID_KY_LIST_NEW_ITEM);
    TBBUTTON deleteItem = EditButton(first + 1, ID_KY_LIST_DELETE_ITEM);
    bar.InsertButton(0, &newItem);
    bar.InsertButton(1, &deleteItem);
    AddButtonTip(ID_KY_LIST_NEW_ITEM);
    AddButtonTip(ID_KY_LIST_DELETE_ITEM);
    CImageList* hot = bar.GetHotImageList();
    CBitmap bitmap;
    const bool added = hot != nullptr && hot->GetSafeHandle() != nullptr
                       && bitmap.LoadBitmap(IDB_KY_LIST_EDIT_ITEMS_HOT) && hot->Add(&bitmap, kMagenta) >= 0;
    if (!added)
        bar.SendMessage(TB_SETHOTIMAGELIST, 0, 0);
    CRect rect = Kyvant::WndEx::WindowRect(bar, true);
    rect.left -= kToolbarWidening;
    bar.MoveWindow(&rect);
    return done;
}
