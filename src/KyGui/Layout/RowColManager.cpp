// The row and column managers of SimpleLayoutManager: measuring the designed row or column and
// sharing the parent's width or height in the same proportions.
#include "KyGui/Layout/SimpleLayoutManager.h"

#include "KyGui/Layout/ParentCoords.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace Kyvant {

using LM = SimpleLayoutManager;

namespace {
const double kRoundingHalf = 0.5;
} // namespace

LM::RowColManager::RowColManager(bool isRow, unsigned count, CWnd* const* windows,
                                 CWnd* const* companions)
    : m_isRow(isRow), m_gapSum(0), m_marginLeft(0), m_marginTop(0), m_marginRight(0),
      m_marginBottom(0)
{
    if (count == 0)
        return;
    if (windows == nullptr || std::find(windows, windows + count, nullptr) != windows + count)
        throw std::invalid_argument("RowColManager: a window is missing.");
    Measure(count, windows, companions);
}

LM::RowColManager::~RowColManager() = default;

void LM::RowColManager::Measure(unsigned count, CWnd* const* windows, CWnd* const* companions)
{
    CRect client;
    LayoutGeometry::ParentClientRect(*windows[0], client);
    CRect bounds = LayoutGeometry::RectInParent(*windows[0]);
    int previousEnd = Start(client);
    int lengthSum = 0;
    for (unsigned i = 0; i < count; ++i) {
        const CRect r = LayoutGeometry::RectInParent(*windows[i]);
        Entry entry = {windows[i], 0.0, Start(r) - previousEnd, nullptr, 0, 0};
        if (i > 0)
            m_gapSum += entry.gap;
        if (companions != nullptr && companions[i] != nullptr) {
            const CRect c = LayoutGeometry::RectInParent(*companions[i]);
            entry.companion = companions[i];
            entry.companionDx = c.left - r.left;
            entry.companionDy = c.top - r.top;
        }
        m_entries.push_back(entry);
        previousEnd = End(r);
        lengthSum += End(r) - Start(r);
        // Union by edges: empty rectangles count too.
        bounds.SetRect(std::min(bounds.left, r.left), std::min(bounds.top, r.top),
                       std::max(bounds.right, r.right), std::max(bounds.bottom, r.bottom));
    }
    m_marginLeft = bounds.left - client.left;
    m_marginTop = bounds.top - client.top;
    m_marginRight = client.right - bounds.right;
    m_marginBottom = client.bottom - bounds.bottom;
    const int shared = End(bounds) - Start(bounds) - m_gapSum;
    for (unsigned i = 0; i < count; ++i) {
        const CRect r = LayoutGeometry::RectInParent(*windows[i]);
        // Windows without any length share the row or column equally.
        m_entries[i].fraction = shared > 0 && lengthSum > 0
                                    ? static_cast<double>(End(r) - Start(r)) / shared
                                    : 1.0 / count;
    }
}

void LM::RowColManager::Layout(DeferredWindowManager& deferred) const
{
    if (m_entries.empty())
        return;
    CRect client;
    if (!LayoutGeometry::ParentClientRect(*m_entries.front().window, client))
        return;
    const CRect area(client.left + m_marginLeft, client.top + m_marginTop,
                     client.right - m_marginRight, client.bottom - m_marginBottom);
    const int shared = End(area) - Start(area) - m_gapSum;
    int position = Start(client);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries[i];
        position += entry.gap;
        const bool last = i + 1 == m_entries.size();
        const int length =
            last ? End(area) - position
                 : static_cast<int>(std::floor(shared * entry.fraction + kRoundingHalf));
        if (m_isRow) {
            deferred.SetPosLeft(*entry.window, position);
            deferred.SetWidth(*entry.window, length);
        } else {
            deferred.SetPosTop(*entry.window, position);
            deferred.SetHeight(*entry.window, length);
        }
        if (entry.companion != nullptr) {
            const CRect placed = deferred.GetRect(*entry.window);
            deferred.SetPosLeft(*entry.companion, placed.left + entry.companionDx);
            deferred.SetPosTop(*entry.companion, placed.top + entry.companionDy);
        }
        position += length;
    }
}

void LM::RowColManager::AddTo(SimpleLayoutManager& layout, const rc_ptr<RowColManager>& manager)
{
    layout.AddRowColManager(manager);
}

void LM::RowColManager::EraseFrom(SimpleLayoutManager& layout,
                                  const rc_ptr<RowColManager>& manager)
{
    layout.EraseRowColManager(manager);
}

} // namespace Kyvant
