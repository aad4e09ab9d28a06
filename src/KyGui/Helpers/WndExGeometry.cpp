// WndEx: window rectangles, walks over sibling runs and alignment to a model window.
#include "KyGui/Helpers/WndEx.h"

#include <vector>

namespace Kyvant {
namespace WndEx {

namespace {

std::vector<HWND> Siblings(CWnd* first, CWnd* last)
{
    std::vector<HWND> windows;
    HWND stop = last != nullptr ? last->GetSafeHwnd() : nullptr;
    for (HWND h = first != nullptr ? first->GetSafeHwnd() : nullptr; h != nullptr && h != stop;
         h = ::GetWindow(h, GW_HWNDNEXT))
        windows.push_back(h);
    return windows;
}

// The window's rectangle in its parent's client coordinates (screen for a top-level window).
CRect RectInParent(HWND window)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    HWND parent = (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ? ::GetParent(window) : nullptr;
    if (parent != nullptr)
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The model's rectangle in the client coordinates of the window's parent.
CRect ModelRect(const CWnd& window, const CWnd& model)
{
    CRect rect;
    ::GetWindowRect(model.m_hWnd, &rect);
    HWND parent = (window.GetStyle() & WS_CHILD) ? ::GetParent(window.m_hWnd) : nullptr;
    if (parent != nullptr)
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Place(HWND window, const CRect& rect, bool repaint)
{
    ::MoveWindow(window, rect.left, rect.top, rect.Width(), rect.Height(), repaint ? TRUE : FALSE);
}

bool MoveDeferred(const std::vector<HWND>& windows, const std::vector<CRect>& targets, UINT flags)
{
    HDWP batch = ::BeginDeferWindowPos(static_cast<int>(windows.size()));
    for (size_t i = 0; batch != nullptr && i < windows.size(); ++i)
        batch = ::DeferWindowPos(batch, windows[i], nullptr, targets[i].left, targets[i].top, 0, 0, flags);
    return batch != nullptr && ::EndDeferWindowPos(batch);
}

} // namespace

// A top-level window's "parent" coordinates are the screen's.
ClientRect::ClientRect(const CWnd& window, bool inParentCoordinates)
{
    ::GetClientRect(window.m_hWnd, this);
    if (!inParentCoordinates)
        return;
    HWND parent = (window.GetStyle() & WS_CHILD) ? ::GetParent(window.m_hWnd) : nullptr;
    ::MapWindowPoints(window.m_hWnd, parent, reinterpret_cast<POINT*>(static_cast<RECT*>(this)), 2);
}

WindowRect::WindowRect(const CWnd& window, bool inParentCoordinates)
{
    static_cast<CRect&>(*this) = inParentCoordinates ? RectInParent(window.m_hWnd) : CRect();
    if (!inParentCoordinates)
        ::GetWindowRect(window.m_hWnd, this);
}

void MoveWindows(int dx, int dy, CWnd* first, CWnd* last, bool repaint)
{
    const std::vector<HWND> windows = Siblings(first, last);
    if (windows.empty())
        return;
    // The targets are fixed first, so that moving again after a failed batch lands in the same place.
    std::vector<CRect> targets;
    for (HWND h : windows) {
        CRect rect = RectInParent(h);
        rect.OffsetRect(dx, dy);
        targets.push_back(rect);
    }
    UINT flags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    if (!repaint)
        flags |= SWP_NOREDRAW;
    if (MoveDeferred(windows, targets, flags))
        return;
    for (size_t i = 0; i < windows.size(); ++i)
        Place(windows[i], targets[i], repaint);
}

void ShowWindows(CWnd* first, CWnd* last, int showCommand)
{
    for (HWND h : Siblings(first, last))
        ::ShowWindow(h, showCommand);
}

void EnableWindows(CWnd* first, CWnd* last, bool enable)
{
    for (HWND h : Siblings(first, last))
        ::EnableWindow(h, enable ? TRUE : FALSE);
}

void SetWidthEqual(CWnd& window, const CWnd& model, bool repaint)
{
    CRect rect = RectInParent(window.m_hWnd);
    CRect modelRect;
    ::GetWindowRect(model.m_hWnd, &modelRect);
    rect.right = rect.left + modelRect.Width();
    Place(window.m_hWnd, rect, repaint);
}

void SetHeightEqual(CWnd& window, const CWnd& model, bool repaint)
{
    CRect rect = RectInParent(window.m_hWnd);
    CRect modelRect;
    ::GetWindowRect(model.m_hWnd, &modelRect);
    rect.bottom = rect.top + modelRect.Height();
    Place(window.m_hWnd, rect, repaint);
}

void SetXWEqual(CWnd& window, const CWnd& model, bool repaint)
{
    CRect rect = RectInParent(window.m_hWnd);
    const CRect modelRect = ModelRect(window, model);
    rect.left = modelRect.left;
    rect.right = modelRect.right;
    Place(window.m_hWnd, rect, repaint);
}

void SetYHEqual(CWnd& window, const CWnd& model, bool repaint)
{
    CRect rect = RectInParent(window.m_hWnd);
    const CRect modelRect = ModelRect(window, model);
    rect.top = modelRect.top;
    rect.bottom = modelRect.bottom;
    Place(window.m_hWnd, rect, repaint);
}

void SetYHEqualToInternalEditBox(CWnd& window, CComboBox& combo, bool repaint)
{
    HWND child = ::GetWindow(combo.m_hWnd, GW_CHILD);
    char className[16] = {};
    if (child != nullptr && ::GetClassNameA(child, className, sizeof(className)) > 0 &&
        ::lstrcmpiA(className, "EDIT") == 0)
        SetYHEqual(window, *CWnd::FromHandle(child), repaint);
    else
        SetYHEqual(window, combo, repaint);
}

void SetYHEqualToInternalEditBox(CWnd& window, CComboBoxEx& combo, bool repaint)
{
    HWND edit = reinterpret_cast<HWND>(combo.SendMessage(CBEM_GETEDITCONTROL));
    if (edit != nullptr)
        SetYHEqual(window, *CWnd::FromHandle(edit), repaint);
    else
        SetYHEqual(window, combo, repaint);
}

void EquiSpaceVertically_2(CWnd* first, CWnd* last)
{
    const std::vector<HWND> windows = Siblings(first, last);
    if (windows.size() < 2)
        return;
    const int gap = RectInParent(windows[1]).top - RectInParent(windows[0]).bottom;
    int previousBottom = RectInParent(windows[1]).bottom;
    for (size_t i = 2; i < windows.size(); ++i) {
        CRect rect = RectInParent(windows[i]);
        rect.OffsetRect(0, previousBottom + gap - rect.top);
        Place(windows[i], rect, false);
        previousBottom = rect.bottom;
    }
}

} // namespace WndEx
} // namespace Kyvant
