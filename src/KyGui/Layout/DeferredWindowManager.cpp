// DeferredWindowManager: the stored rectangles and their application in one batch.
#include "KyGui/Layout/DeferredWindowManager.h"

#include "KyGui/Layout/DeferWindowPosSeam.h"
#include "KyGui/Layout/ParentCoords.h"

#include <utility>

namespace Kyvant {

namespace {

const UINT kPlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE;

bool DeferAll(const ky_map<CWnd*, CRect>& rects)
{
    HDWP batch = LayoutSeams::BeginDeferWindowPos()(static_cast<int>(rects.size()));
    for (auto it = rects.begin(); batch != nullptr && it != rects.end(); ++it) {
        const CRect& r = it->second;
        batch = LayoutSeams::DeferWindowPos()(batch, it->first->GetSafeHwnd(), nullptr, r.left, r.top,
                                              r.Width(), r.Height(), kPlaceFlags);
    }
    // A failed DeferWindowPos has released the batch already.
    return batch != nullptr && ::EndDeferWindowPos(batch) != FALSE;
}

void PlaceEach(const ky_map<CWnd*, CRect>& rects)
{
    for (const auto& entry : rects) {
        const CRect& r = entry.second;
        ::SetWindowPos(entry.first->GetSafeHwnd(), nullptr, r.left, r.top, r.Width(), r.Height(),
                       kPlaceFlags);
    }
}

} // namespace

DeferredWindowManager::DeferredWindowManager() = default;
DeferredWindowManager::~DeferredWindowManager() = default;

CRect& DeferredWindowManager::Stored(CWnd& window)
{
    auto it = m_rects.find(&window);
    if (it == m_rects.end())
        it = m_rects.insert({&window, LayoutGeometry::RectInParent(window)}).first;
    return it->second;
}

void DeferredWindowManager::SetPosLeft(CWnd& window, int left)
{
    CRect& r = Stored(window);
    r.OffsetRect(left - r.left, 0);
}

void DeferredWindowManager::SetPosTop(CWnd& window, int top)
{
    CRect& r = Stored(window);
    r.OffsetRect(0, top - r.top);
}

void DeferredWindowManager::SetPosRight(CWnd& window, int right)
{
    CRect& r = Stored(window);
    r.OffsetRect(right - r.right, 0);
}

void DeferredWindowManager::SetPosBottom(CWnd& window, int bottom)
{
    CRect& r = Stored(window);
    r.OffsetRect(0, bottom - r.bottom);
}

void DeferredWindowManager::SetWidth(CWnd& window, int width)
{
    CRect& r = Stored(window);
    r.right = r.left + width;
}

void DeferredWindowManager::SetHeight(CWnd& window, int height)
{
    CRect& r = Stored(window);
    r.bottom = r.top + height;
}

CRect DeferredWindowManager::SetRect(CWnd& window, const CRect& rect)
{
    CRect& r = Stored(window);
    CRect previous = r;
    r = rect;
    return previous;
}

CRect DeferredWindowManager::GetRect(CWnd& window)
{
    return Stored(window);
}

void DeferredWindowManager::Execute()
{
    if (m_rects.empty())
        return;
    ky_map<CWnd*, CRect> rects;
    rects.swap(m_rects);  // the batch is empty afterwards, whatever happens
    if (!DeferAll(rects))
        PlaceEach(rects);
}

} // namespace Kyvant
