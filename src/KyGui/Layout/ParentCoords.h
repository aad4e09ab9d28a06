// Where a child window lies in its parent's client area, as the layout managers measure it.
#pragma once

#include <afxwin.h>

namespace Kyvant {
namespace LayoutGeometry {

// The window's rectangle in its parent's client coordinates (screen coordinates without one).
CRect RectInParent(const CWnd& window);
// The client rectangle of the window's parent; false (and an empty rectangle) without one.
bool ParentClientRect(const CWnd& window, CRect& client);

} // namespace LayoutGeometry
} // namespace Kyvant
