// KyFileListViewBase's columns: showing one, where a re-shown one goes, their
// state in the registry and the header popup that shows and hides them.
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Registry/RegValues.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <numeric>
#include <stdexcept>

namespace {

const int NoPosition = -1;
const unsigned StateFields = 3;
const unsigned StateTextSize = 48;

} // namespace

bool KyFileListViewBase::IsColumnShown(int column) const
{
    return column >= 0 && static_cast<unsigned>(column) < m_columnCount && m_shown[column] != 0;
}

KyFileListViewBase::SortState KyFileListViewBase::GetSortState(int column) const
{
    if (column < 0 || static_cast<unsigned>(column) >= m_columnCount)
        return SortNone;
    return m_sortStates[column];
}

int KyFileListViewBase::GetColIDX(int index, bool byDisplayOrder) const
{
    if (index < 0 || m_header.m_hWnd == nullptr)
        return -1;
    if (byDisplayOrder)
        index = m_header.OrderToIndex(index);
    HDITEMA item = {};
    item.mask = HDI_LPARAM;
    if (!m_header.GetItem(index, &item))
        return -1;
    return static_cast<int>(item.lParam);
}

int KyFileListViewBase::GetColIndexX(int column) const
{
    if (!IsColumnShown(column) || m_header.m_hWnd == nullptr)
        return -1;
    const int count = m_header.GetItemCount();
    for (int i = 0; i < count; ++i)
        if (GetColIDX(i, false) == column)
            return i;
    return -1;
}

// The display position next to the shown column with the nearest smaller
// order key (after it), or for a negative key the nearest larger one (before
// it); -1 when no column qualifies.
int KyFileListViewBase::PositionByOrderKey(int column) const
{
    const int key = m_columns[column].orderKey;
    const int count = m_header.GetItemCount();
    int best = NoPosition;
    int bestDistance = 0;
    for (int position = 0; position < count; ++position) {
        const int other = GetColIDX(position, true);
        if (other < 0 || static_cast<unsigned>(other) >= m_columnCount)
            continue;
        const int distance = key - m_columns[other].orderKey;
        if (key >= 0 ? distance > 0 && (best == NoPosition || distance < bestDistance)
                     : distance < 0 && (best == NoPosition || distance > bestDistance)) {
            best = key >= 0 ? position + 1 : position;
            bestDistance = distance;
        }
    }
    return best;
}

// Moves the header item to the display position, the others keeping their order.
void KyFileListViewBase::MoveToDisplayPosition(int index, int position)
{
    CListCtrl& list = GetListCtrl();
    const int count = m_header.GetItemCount();
    std::vector<int> order(count);
    if (count == 0 ||
        !list.SendMessage(LVM_GETCOLUMNORDERARRAY, count, reinterpret_cast<LPARAM>(order.data())))
        AfxThrowResourceException();
    const auto at = std::find(order.begin(), order.end(), index);
    if (at == order.end() || at - order.begin() == position)
        return;
    order.erase(at);
    order.insert(order.begin() + std::min(position, count - 1), index);
    if (!list.SendMessage(LVM_SETCOLUMNORDERARRAY, count, reinterpret_cast<LPARAM>(order.data())))
        AfxThrowResourceException();
    list.Invalidate();
}

void KyFileListViewBase::CreateColumnX(int column, bool placeByOrderKey)
{
    if (column < 0 || static_cast<unsigned>(column) >= m_columnCount)
        throw std::out_of_range("KyFileListViewBase::CreateColumnX: no such column");
    CListCtrl& list = GetListCtrl();
    CString caption;
    caption.LoadString(m_columns[column].titleId);
    LVCOLUMNA info = {};
    info.mask = m_columns[column].mask;
    info.fmt = m_columns[column].format;
    info.cx = m_widths[column];
    info.pszText = const_cast<char*>(static_cast<const char*>(caption));

    const int count = m_header.GetItemCount();
    int position = count;
    if (placeByOrderKey) {
        const int found = PositionByOrderKey(column);
        if (found != NoPosition)
            position = found;
    }
    // A new first column goes in at the end and is then moved to the front:
    // the list's column 0 is its item column.
    const int index = list.InsertColumn(position != 0 || count == 0 ? position : count, &info);
    if (index < 0)
        AfxThrowResourceException();
    HDITEMA item = {};
    item.mask = HDI_LPARAM;
    item.lParam = column;
    if (!m_header.SetItem(index, &item))
        AfxThrowResourceException();
    MoveToDisplayPosition(index, position);
}

void KyFileListViewBase::SaveState(Kyvant::RegKey& key)
{
    std::vector<int> orders(m_columnCount, -1);
    const int count = m_header.m_hWnd != nullptr ? m_header.GetItemCount() : 0;
    for (int position = 0; position < count; ++position) {
        const int column = GetColIDX(position, true);
        if (column < 0 || static_cast<unsigned>(column) >= m_columnCount)
            continue;
        m_widths[column] = GetListCtrl().GetColumnWidth(m_header.OrderToIndex(position));
        orders[column] = position;
    }
    for (unsigned column = 0; column < m_columnCount; ++column) {
        char text[StateTextSize];
        std::snprintf(text, sizeof text, "%d,%d,%d", m_shown[column] ? 1 : 0, orders[column],
                      m_widths[column]);
        Kyvant::WriteRegistryString(key.get(), m_columns[column].registryValueName, text,
                                    static_cast<DWORD>(lstrlenA(text) + 1));
    }
}

// A "shown,order,width" string, or the width alone as an older DWORD value;
// false, with the arguments untouched, when neither is there or readable.
bool KyFileListViewBase::ReadColumnState(Kyvant::RegKey& key, int column, BYTE& shown, int& order,
                                         int& width)
{
    const char* name = m_columns[column].registryValueName;
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    if (type == REG_DWORD) {
        const int stored = static_cast<int>(Kyvant::GetRegistryDWORD(key.get(), name, 0));
        if (stored >= 0)
            width = stored;
        return true;
    }
    if (type != REG_SZ)
        return false;
    try {
        Kyvant::ky_S text;
        text.LoadStringA(key.get(), name, nullptr);
        std::vector<Kyvant::ky_S::Base> fields;
        Kyvant::back_insert_sequencer<std::vector<Kyvant::ky_S::Base>> out(fields);
        if (text.Split(out, ",", true) != StateFields)
            return false;
        const int storedWidth = fields[2].GetInt(10);
        const int storedOrder = fields[1].GetInt(10);
        shown = fields[0].GetInt(10) != 0 ? 1 : 0;
        order = storedOrder;
        if (storedWidth >= 0)
            width = storedWidth;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void KyFileListViewBase::RestoreState(Kyvant::RegKey& key)
{
    CListCtrl& list = GetListCtrl();
    while (m_header.m_hWnd != nullptr && m_header.GetItemCount() > 0)
        list.DeleteColumn(0);
    std::vector<int> orders(m_columnCount);
    for (unsigned column = 0; column < m_columnCount; ++column) {
        BYTE shown = m_columns[column].shownByDefault ? 1 : 0;
        int order = m_columns[column].orderKey;
        int width = m_widths[column];
        if (!key.empty())
            ReadColumnState(key, column, shown, order, width);
        m_widths[column] = width;
        m_shown[column] = shown || !m_columns[column].mayHide;
        orders[column] = order;
    }
    std::vector<int> shownColumns;
    for (unsigned column = 0; column < m_columnCount; ++column)
        if (m_shown[column]) {
            CreateColumnX(column, false);
            shownColumns.push_back(static_cast<int>(column));
        }
    if (shownColumns.empty())
        return;
    // Header indexes by stored order; equal orders keep table order.
    std::vector<int> indexes(shownColumns.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    std::stable_sort(indexes.begin(), indexes.end(), [&](int a, int b) {
        return orders[shownColumns[a]] < orders[shownColumns[b]];
    });
    list.SendMessage(LVM_SETCOLUMNORDERARRAY, indexes.size(),
                     reinterpret_cast<LPARAM>(indexes.data()));
}

void KyFileListViewBase::ShowHeaderPopup()
{
    CMenu menu;
    if (!menu.LoadMenu(m_headerMenuId))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    if (popup == nullptr)
        return;
    CPoint cursor;
    ::GetCursorPos(&cursor);
    popup->TrackPopupMenu(TPM_RIGHTBUTTON, cursor.x, cursor.y, this);
}

void KyFileListViewBase::OnUpdateHeaderPopup(CCmdUI* pCmdUI)
{
    const int column = static_cast<int>(pCmdUI->m_nID - m_firstHeaderCommandId);
    if (column < 0 || static_cast<unsigned>(column) >= m_columnCount)
        return;
    pCmdUI->SetCheck(m_shown[column] ? 1 : 0);
    pCmdUI->Enable(m_columns[column].mayHide != 0);
}

void KyFileListViewBase::OnHeaderPopup(UINT id)
{
    const int column = static_cast<int>(id - m_firstHeaderCommandId);
    if (column < 0 || static_cast<unsigned>(column) >= m_columnCount || !m_columns[column].mayHide)
        return;
    const int shadedBefore = ModernHeader() ? GetColIndexX(m_sortedColumn) : -1;
    if (m_shown[column]) {
        if (column == m_sortedColumn)
            SetSortStateX(column, SortNone);
        const int index = GetColIndexX(column);
        m_widths[column] = GetListCtrl().GetColumnWidth(index);
        GetListCtrl().DeleteColumn(index);
    } else {
        CreateColumnX(column, true);
    }
    m_shown[column] = !m_shown[column];
    if (ModernHeader() && m_sortedColumn >= 0) {
        const int shaded = GetColIndexX(m_sortedColumn);
        if (shaded != shadedBefore)
            GetListCtrl().SendMessage(LVM_SETSELECTEDCOLUMN, static_cast<WPARAM>(shaded));
    }
}
