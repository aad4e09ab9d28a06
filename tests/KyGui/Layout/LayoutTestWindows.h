// A parent window with child windows for the layout tests, and how they read positions back.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace LayoutTest {

// A borderless popup: its client area is its whole window.
class ParentWindow {
public:
    ParentWindow(int width, int height)
    {
        m_parent.CreateEx(0, AfxRegisterWndClass(0), "layout parent", WS_POPUP | WS_CLIPCHILDREN,
                          0, 0, width, height, nullptr, nullptr);
    }
    ~ParentWindow()
    {
        for (auto& child : m_children)
            child->DestroyWindow();
        m_parent.DestroyWindow();
    }
    CWnd& Window() { return m_parent; }
    CWnd& AddChild(const CRect& rect)
    {
        m_children.push_back(std::make_unique<CWnd>());
        CWnd& child = *m_children.back();
        child.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.Width(),
                       rect.Height(), m_parent.GetSafeHwnd(), nullptr);
        return child;
    }
    void Resize(int width, int height)
    {
        ::SetWindowPos(m_parent.GetSafeHwnd(), nullptr, 0, 0, width, height,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CRect Client()
    {
        CRect client;
        m_parent.GetClientRect(&client);
        return client;
    }
    static CRect RectOf(CWnd& child)
    {
        CRect rect;
        child.GetWindowRect(&rect);
        ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child.GetSafeHwnd()),
                          reinterpret_cast<LPPOINT>(&rect), 2);
        return rect;
    }

private:
    CWnd m_parent;
    std::vector<std::unique_ptr<CWnd>> m_children;
};

inline ::testing::AssertionResult IsAt(CWnd& child, const CRect& expected)
{
    const CRect actual = ParentWindow::RectOf(child);
    if (::EqualRect(&actual, &expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << ::testing::PrintToString(actual)
                                         << ", expected " << ::testing::PrintToString(expected);
}

} // namespace LayoutTest
