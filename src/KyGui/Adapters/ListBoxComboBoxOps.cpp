// The operation tables of the vector view: the shared style questions and
// the list box's and the combo box's messages.
#include "KyGui/Adapters/ListBoxVectorInterface.h"

#include <vector>

namespace Kyvant {
namespace {

// The three style bits of each control kind, in the same order.
const DWORD kListBoxStyleBits[] = {LBS_OWNERDRAWFIXED, LBS_OWNERDRAWVARIABLE, LBS_HASSTRINGS};
const DWORD kComboBoxStyleBits[] = {CBS_OWNERDRAWFIXED, CBS_OWNERDRAWVARIABLE, CBS_HASSTRINGS};

WPARAM At(int index)
{
    return static_cast<WPARAM>(index);
}

LPARAM Text(const char* text)
{
    return reinterpret_cast<LPARAM>(text);
}

// The text of an item through the control's length and text messages.
void ReadText(const ListBoxVectorInterfaceBase::ListBoxComboBoxOps& ops, int index, CString& text)
{
    const int length = ops.GetTextLen(index);
    if (length < 1) {
        text.Empty();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const int got = ops.GetText(index, buffer.data());
    text = got > 0 ? CString(buffer.data()) : CString();
}

} // namespace

ListBoxVectorInterfaceBase::ListBoxComboBoxOps::ListBoxComboBoxOps(CWnd* window)
    : m_styleDetermined(false), m_hasStrings(false), m_ownerDrawFixed(false),
      m_ownerDrawVariable(false), m_window(window)
{
}

ListBoxVectorInterfaceBase::ListBoxComboBoxOps::~ListBoxComboBoxOps() = default;

CWnd* ListBoxVectorInterfaceBase::ListBoxComboBoxOps::GetWindow() const
{
    return m_window;
}

LRESULT ListBoxVectorInterfaceBase::ListBoxComboBoxOps::Send(UINT message, WPARAM wParam,
                                                             LPARAM lParam) const
{
    return ::SendMessageA(m_window->GetSafeHwnd(), message, wParam, lParam);
}

void ListBoxVectorInterfaceBase::ListBoxComboBoxOps::DetermineStyle()
{
    // Before the window exists there is no style to read: ask again later.
    if (m_styleDetermined || m_window == nullptr || m_window->GetSafeHwnd() == nullptr)
        return;
    const DWORD* bits =
        m_window->IsKindOf(RUNTIME_CLASS(CListBox)) ? kListBoxStyleBits : kComboBoxStyleBits;
    const DWORD style = m_window->GetStyle();
    m_ownerDrawFixed = (style & bits[0]) != 0;
    m_ownerDrawVariable = (style & bits[1]) != 0;
    m_hasStrings = (style & bits[2]) != 0 || (!m_ownerDrawFixed && !m_ownerDrawVariable);
    m_styleDetermined = true;
}

bool ListBoxVectorInterfaceBase::ListBoxComboBoxOps::HasStrings()
{
    DetermineStyle();
    return m_hasStrings;
}

bool ListBoxVectorInterfaceBase::ListBoxComboBoxOps::IsOwnerDraw()
{
    DetermineStyle();
    return m_ownerDrawFixed || m_ownerDrawVariable;
}

bool ListBoxVectorInterfaceBase::ListBoxComboBoxOps::IsOwnerDrawFixed()
{
    DetermineStyle();
    return m_ownerDrawFixed;
}

bool ListBoxVectorInterfaceBase::ListBoxComboBoxOps::IsOwnerDrawVariable()
{
    DetermineStyle();
    return m_ownerDrawVariable;
}

// The list box's table.

int ListBoxVectorInterfaceBase::ListBoxOps::GetCount() const
{
    return static_cast<int>(Send(LB_GETCOUNT));
}

int ListBoxVectorInterfaceBase::ListBoxOps::InitStorage(int items, int bytes)
{
    return static_cast<int>(Send(LB_INITSTORAGE, At(items), bytes));
}

int ListBoxVectorInterfaceBase::ListBoxOps::AddString(const char* text)
{
    return static_cast<int>(Send(LB_ADDSTRING, 0, Text(text)));
}

int ListBoxVectorInterfaceBase::ListBoxOps::InsertString(int index, const char* text)
{
    return static_cast<int>(Send(LB_INSERTSTRING, At(index), Text(text)));
}

int ListBoxVectorInterfaceBase::ListBoxOps::DeleteString(int index)
{
    return static_cast<int>(Send(LB_DELETESTRING, At(index)));
}

void ListBoxVectorInterfaceBase::ListBoxOps::ResetContent()
{
    Send(LB_RESETCONTENT);
}

int ListBoxVectorInterfaceBase::ListBoxOps::SetCurSel(int index)
{
    return static_cast<int>(Send(LB_SETCURSEL, At(index)));
}

int ListBoxVectorInterfaceBase::ListBoxOps::SetItemData(int index, DWORD_PTR data)
{
    return static_cast<int>(Send(LB_SETITEMDATA, At(index), static_cast<LPARAM>(data)));
}

DWORD_PTR ListBoxVectorInterfaceBase::ListBoxOps::GetItemData(int index) const
{
    return static_cast<DWORD_PTR>(Send(LB_GETITEMDATA, At(index)));
}

void ListBoxVectorInterfaceBase::ListBoxOps::GetText(int index, CString& text) const
{
    ReadText(*this, index, text);
}

int ListBoxVectorInterfaceBase::ListBoxOps::GetText(int index, char* buffer) const
{
    return static_cast<int>(Send(LB_GETTEXT, At(index), Text(buffer)));
}

int ListBoxVectorInterfaceBase::ListBoxOps::GetTextLen(int index) const
{
    return static_cast<int>(Send(LB_GETTEXTLEN, At(index)));
}

int ListBoxVectorInterfaceBase::ListBoxOps::GetItemRect(int index, RECT& rect) const
{
    return static_cast<int>(Send(LB_GETITEMRECT, At(index), reinterpret_cast<LPARAM>(&rect)));
}

int ListBoxVectorInterfaceBase::ListBoxOps::GetItemHeight(int index) const
{
    return static_cast<int>(Send(LB_GETITEMHEIGHT, At(index)));
}

bool ListBoxVectorInterfaceBase::ListBoxOps::IsSelected(int index) const
{
    return Send(LB_GETSEL, At(index)) > 0; // LB_ERR (no such item) is not a selection
}

// The combo box's table.

int ListBoxVectorInterfaceBase::ComboBoxOps::GetCount() const
{
    return static_cast<int>(Send(CB_GETCOUNT));
}

int ListBoxVectorInterfaceBase::ComboBoxOps::InitStorage(int items, int bytes)
{
    return static_cast<int>(Send(CB_INITSTORAGE, At(items), bytes));
}

int ListBoxVectorInterfaceBase::ComboBoxOps::AddString(const char* text)
{
    return static_cast<int>(Send(CB_ADDSTRING, 0, Text(text)));
}

int ListBoxVectorInterfaceBase::ComboBoxOps::InsertString(int index, const char* text)
{
    return static_cast<int>(Send(CB_INSERTSTRING, At(index), Text(text)));
}

int ListBoxVectorInterfaceBase::ComboBoxOps::DeleteString(int index)
{
    return static_cast<int>(Send(CB_DELETESTRING, At(index)));
}

void ListBoxVectorInterfaceBase::ComboBoxOps::ResetContent()
{
    Send(CB_RESETCONTENT);
}

int ListBoxVectorInterfaceBase::ComboBoxOps::SetCurSel(int index)
{
    return static_cast<int>(Send(CB_SETCURSEL, At(index)));
}

int ListBoxVectorInterfaceBase::ComboBoxOps::SetItemData(int index, DWORD_PTR data)
{
    return static_cast<int>(Send(CB_SETITEMDATA, At(index), static_cast<LPARAM>(data)));
}

DWORD_PTR ListBoxVectorInterfaceBase::ComboBoxOps::GetItemData(int index) const
{
    return static_cast<DWORD_PTR>(Send(CB_GETITEMDATA, At(index)));
}

void ListBoxVectorInterfaceBase::ComboBoxOps::GetText(int index, CString& text) const
{
    ReadText(*this, index, text);
}

int ListBoxVectorInterfaceBase::ComboBoxOps::GetText(int index, char* buffer) const
{
    return static_cast<int>(Send(CB_GETLBTEXT, At(index), Text(buffer)));
}

int ListBoxVectorInterfaceBase::ComboBoxOps::GetTextLen(int index) const
{
    return static_cast<int>(Send(CB_GETLBTEXTLEN, At(index)));
}

int ListBoxVectorInterfaceBase::ComboBoxOps::GetItemRect(int index, RECT& rect) const
{
    return GetRect(index, rect);
}

int ListBoxVectorInterfaceBase::ComboBoxOps::GetRect(int index, RECT& rect) const
{
    RECT dropped = {};
    Send(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    rect.left = 0;
    rect.top = 0;
    rect.right = dropped.right - dropped.left;
    rect.bottom = GetItemHeight(index);
    return 0;
}

int ListBoxVectorInterfaceBase::ComboBoxOps::GetItemHeight(int index) const
{
    return static_cast<int>(Send(CB_GETITEMHEIGHT, At(index)));
}

bool ListBoxVectorInterfaceBase::ComboBoxOps::IsSelected(int index) const
{
    return Send(CB_GETCURSEL) == index;
}

} // namespace Kyvant
