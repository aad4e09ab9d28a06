// Measuring child windows in their parent's client coordinates.
#include "KyGui/Layout/ParentCoords.h"

namespace Kyvant {
namespace LayoutGeometry {

namespace {
const int kRectPoints = 2;
} // namespace

CRect RectInParent(const CWnd& window)
{
    CRect rect;
    ::GetWindowRect(window.GetSafeHwnd(), &rect);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window.GetSafeHwnd()), reinterpret_cast<LPPOINT>(&rect),
                      kRectPoints);
    return rect;
}

bool ParentClientRect(const CWnd& window, CRect& client)
{
    client.SetRectEmpty();
    HWND parent = ::GetParent(window.GetSafeHwnd());
    return parent != nullptr && ::GetClientRect(parent, &client) != FALSE;
}

} // namespace LayoutGeometry
} // namespace Kyvant
