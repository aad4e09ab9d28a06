// The side managers of SimpleLayoutManager: records of distances from the parent's right and
// bottom edges, kept by moving or by stretching.
#include "KyGui/Layout/SimpleLayoutManager.h"

#include "KyGui/Layout/ParentCoords.h"

#include <stdexcept>

namespace Kyvant {

using LM = SimpleLayoutManager;

LM::SideDesc::SideDesc() : side(Right), distance(0)
{
    throw std::runtime_error("SideDesc: Bogus call to default ctor.");
}

LM::SideDesc::SideDesc(Side s, int d) : side(s), distance(d) {}

LM::SideManager::SideManager() = default;
LM::SideManager::~SideManager() = default;

void LM::SideManager::Add(CWnd& window, Side side)
{
    CRect client;
    LayoutGeometry::ParentClientRect(window, client);
    const CRect rect = LayoutGeometry::RectInParent(window);
    const int distance = side == Right ? client.right - rect.right : client.bottom - rect.bottom;
    m_records.insert({&window, SideDesc(side, distance)});
}

void LM::SideManager::Erase(CWnd& window)
{
    m_records.erase(&window);
}

void LM::SideManager::Layout(DeferredWindowManager& deferred)
{
    if (m_records.empty())
        return;
    CRect client;
    if (!LayoutGeometry::ParentClientRect(*m_records.begin()->first, client))
        return;
    for (const auto& record : m_records)
        DoLayout(*record.first, record.second.side, record.second.distance, client, deferred);
}

void LM::SideWindows::DoLayout(CWnd& window, Side side, int distance, const CRect& client,
                               DeferredWindowManager& deferred)
{
    if (side == Right)
        deferred.SetPosRight(window, client.right - distance);
    else
        deferred.SetPosBottom(window, client.bottom - distance);
}

void LM::StretchyWindows::DoLayout(CWnd& window, Side side, int distance, const CRect& client,
                                   DeferredWindowManager& deferred)
{
    const CRect rect = deferred.GetRect(window);
    if (side == Right)
        deferred.SetWidth(window, client.right - rect.left - distance);
    else
        deferred.SetHeight(window, client.bottom - rect.top - distance);
}

} // namespace Kyvant
