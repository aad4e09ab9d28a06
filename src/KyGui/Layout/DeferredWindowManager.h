// DeferredWindowManager: collects the new rectangles of one layout pass and applies them at once.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyStd/Containers/Map.h"

#include <afxwin.h>

namespace Kyvant {

// A window enters the batch, with its current rectangle in its parent's client coordinates,
// the first time an operation touches it; later operations change only the stored rectangle.
class KYGUI_API DeferredWindowManager {
public:
    DeferredWindowManager();
    ~DeferredWindowManager();
    DeferredWindowManager(const DeferredWindowManager&) = delete;
    DeferredWindowManager& operator=(const DeferredWindowManager&) = delete;

    // Move the rectangle (size kept) so that the named edge lies at the value.
    void SetPosLeft(CWnd& window, int left);
    void SetPosTop(CWnd& window, int top);
    void SetPosRight(CWnd& window, int right);
    void SetPosBottom(CWnd& window, int bottom);
    // right = left + width; bottom = top + height.
    void SetWidth(CWnd& window, int width);
    void SetHeight(CWnd& window, int height);
    // Replaces the rectangle and returns the one it had.
    CRect SetRect(CWnd& window, const CRect& rect);
    // The rectangle the window is to get.
    CRect GetRect(CWnd& window);

    // Places every window at its rectangle in one deferred batch (one by one when the batch
    // cannot be made) and empties the batch.
    void Execute();

private:
    CRect& Stored(CWnd& window);

    ky_map<CWnd*, CRect> m_rects;
};

} // namespace Kyvant
