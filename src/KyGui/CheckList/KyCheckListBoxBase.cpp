// KyCheckListBoxBase: creation, the theme, item heights and the check and enabled states.
#include "KyGui/CheckList/KyCheckListBoxBase.h"

#include "KyGui/CheckList/CheckBoxTheme.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int kHeightMargin = 2;   // above the taller of check box and text
constexpr int kCheckColumnGap = 4; // between check box width and the item's text part

} // namespace

IMPLEMENT_DYNAMIC(KyCheckListBoxBase, CListBox)

KyCheckListBoxBase::KyCheckListBoxBase()
    : m_theme(new Kyvant::CheckBoxTheme), m_textHeight(0), m_checkStyle(0)
{
}

KyCheckListBoxBase::~KyCheckListBoxBase()
{
    // While the object is still whole, so the records are freed through the deletion wrapper.
    DestroyWindow();
    delete m_theme;
}

BOOL KyCheckListBoxBase::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if ((style & LBS_OWNERDRAWVARIABLE) == 0)
        style |= LBS_OWNERDRAWFIXED;
    return CListBox::Create(style, rect, parent, id);
}

void KyCheckListBoxBase::SetCheckStyle(UINT style)
{
    if (style != kCheckBox && style != kAutoCheckBox && style != kThreeState &&
        style != kAutoThreeState)
        throw std::invalid_argument("KyCheckListBoxBase::SetCheckStyle: not a check-box style");
    m_checkStyle = style;
}

void KyCheckListBoxBase::SetCheck(int index, int state)
{
    if (state < kUnchecked || state > kIndeterminate)
        throw std::invalid_argument("KyCheckListBoxBase::SetCheck: not a check state");
    if (state == kIndeterminate && (m_checkStyle == kCheckBox || m_checkStyle == kAutoCheckBox))
        return;
    ItemRecord* record = Record(index, true);
    if (record == nullptr)
        return;
    record->check = state;
    InvalidateCheck(index);
}

int KyCheckListBoxBase::GetCheck(int index) const
{
    const ItemRecord* record = Record(index, false);
    return record != nullptr ? record->check : kUnchecked;
}

void KyCheckListBoxBase::Enable(int index, BOOL enabled)
{
    ItemRecord* record = Record(index, true);
    if (record == nullptr)
        return;
    record->enabled = enabled;
    CRect item;
    if (GetItemRect(index, &item) != LB_ERR)
        InvalidateRect(&item, FALSE);
}

BOOL KyCheckListBoxBase::IsEnabled(int index) const
{
    const ItemRecord* record = Record(index, false);
    return record != nullptr ? record->enabled : TRUE;
}

HTHEME KyCheckListBoxBase::GetTheme() const
{
    return m_theme->Handle();
}

CRect KyCheckListBoxBase::OnGetCheckPosition(CRect, CRect rectCheckBox)
{
    return rectCheckBox;
}

void KyCheckListBoxBase::MeasureItem(LPMEASUREITEMSTRUCT) {}

void KyCheckListBoxBase::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    // Items added before subclassing get records that keep their data.
    const int count = ItemCount();
    for (int i = 0; i < count; ++i) {
        if (CWnd::DefWindowProc(LB_GETITEMDATA, static_cast<WPARAM>(i), 0) != 0)
            Record(i, true);
    }
    UpdateTheme();
    ApplyMinimumItemHeight();
}

void KyCheckListBoxBase::UpdateTheme()
{
    m_theme->Update(m_hWnd);
}

bool KyCheckListBoxBase::HasStrings() const
{
    return (GetStyle() & LBS_HASSTRINGS) != 0;
}

bool KyCheckListBoxBase::IsMultiSelection() const
{
    return (GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

int KyCheckListBoxBase::ItemCount() const
{
    return static_cast<int>(
        const_cast<KyCheckListBoxBase*>(this)->CWnd::DefWindowProc(LB_GETCOUNT, 0, 0));
}

bool KyCheckListBoxBase::IsValidIndex(int index) const
{
    return index >= 0 && index < ItemCount();
}

KyCheckListBoxBase::ItemRecord* KyCheckListBoxBase::Record(int index, bool create) const
{
    // Straight to the list box's own procedure: the message map hands out the caller's data.
    KyCheckListBoxBase* self = const_cast<KyCheckListBoxBase*>(this);
    if (!IsValidIndex(index))
        return nullptr;
    const LRESULT data = self->CWnd::DefWindowProc(LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    if (data == LB_ERR)
        return nullptr;
    ItemRecord* record = reinterpret_cast<ItemRecord*>(data);
    if (record != nullptr || !create)
        return record;
    record = new ItemRecord{kUnchecked, TRUE, static_cast<DWORD_PTR>(data)};
    if (self->CWnd::DefWindowProc(LB_SETITEMDATA, static_cast<WPARAM>(index),
                                  reinterpret_cast<LPARAM>(record)) == LB_ERR) {
        delete record;
        return nullptr;
    }
    return record;
}

DWORD_PTR KyCheckListBoxBase::CallerData(DWORD_PTR itemData) const
{
    if (itemData == 0 || itemData == static_cast<DWORD_PTR>(-1))
        return itemData;
    return reinterpret_cast<const ItemRecord*>(itemData)->data;
}

CSize KyCheckListBoxBase::CheckSize() const
{
    return m_theme->CheckSize();
}

int KyCheckListBoxBase::TextHeight()
{
    if (m_textHeight == 0 && m_hWnd != nullptr) {
        CClientDC dc(this);
        HFONT font = GetFont();
        HGDIOBJ old = font != nullptr ? ::SelectObject(dc.GetSafeHdc(), font) : nullptr;
        TEXTMETRICA metrics = {};
        ::GetTextMetricsA(dc.GetSafeHdc(), &metrics);
        if (old != nullptr)
            ::SelectObject(dc.GetSafeHdc(), old);
        m_textHeight = metrics.tmHeight;
    }
    return m_textHeight;
}

int KyCheckListBoxBase::MinimumItemHeight()
{
    int height = CheckSize().cy;
    const DWORD style = GetStyle();
    if ((style & (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS)) == (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS))
        height = std::max(height, TextHeight());
    return height + kHeightMargin;
}

void KyCheckListBoxBase::ApplyMinimumItemHeight()
{
    const DWORD style = GetStyle();
    if ((style & (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS)) == (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS))
        SetItemHeight(0, static_cast<UINT>(MinimumItemHeight()));
}

bool KyCheckListBoxBase::UserCanToggle() const
{
    return m_checkStyle != kCheckBox && m_checkStyle != kThreeState;
}

int KyCheckListBoxBase::NextState(int state) const
{
    const int modulo = m_checkStyle == kAutoThreeState ? 3 : 2;
    if (state >= modulo)
        state = modulo - 1;
    return (state + 1) % modulo;
}

void KyCheckListBoxBase::InvalidateCheck(int index)
{
    CRect item;
    if (GetItemRect(index, &item) == LB_ERR)
        return;
    item.right = item.left + CheckSize().cx + kCheckColumnGap;
    InvalidateRect(&item, FALSE);
}

void KyCheckListBoxBase::SetSelectionCheck(int state)
{
    const int count = ItemCount();
    for (int i = 0; i < count; ++i) {
        if (GetSel(i) > 0 && IsEnabled(i))
            SetCheck(i, state);
    }
}

void KyCheckListBoxBase::NotifyCheckChanged()
{
    CWnd* parent = GetParent();
    if (parent != nullptr)
        parent->SendMessage(WM_COMMAND,
                            MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), KY_CLBN_CHECK_CHANGED),
                            reinterpret_cast<LPARAM>(m_hWnd));
}
