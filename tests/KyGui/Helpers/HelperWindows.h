// Windows for the helper tests: a main window with plain child windows, and an empty dialog.
#pragma once

#include "TestApp.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A main window for one test, destroyed with the test.
class HelperWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_main = CreateMainWindow("KyGui helpers");
        ASSERT_NE(m_main, nullptr);
        PumpPending();
    }
    void TearDown() override
    {
        m_children.clear();
        if (m_main != nullptr)
            m_main->DestroyWindow();
        PumpPending();
    }

    // A borderless child of the parent (the main window when null), with the rectangle in the parent's
    // client coordinates.
    CWnd& AddChild(const CRect& rect, CWnd* parent = nullptr, LPCSTR className = "STATIC", DWORD style = 0,
                   DWORD exStyle = 0)
    {
        auto child = std::make_unique<CWnd>();
        CWnd* owner = parent != nullptr ? parent : m_main;
        child->CreateEx(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, rect.left, rect.top, rect.Width(),
                        rect.Height(), owner->m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(100 + m_children.size())));
        m_children.push_back(std::move(child));
        return *m_children.back();
    }

    static CRect RectIn(CWnd& window)
    {
        CRect rect;
        window.GetWindowRect(&rect);
        ::MapWindowPoints(nullptr, ::GetParent(window.m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    CWnd* m_main = nullptr;
    std::vector<std::unique_ptr<CWnd>> m_children;
};

// An empty modeless dialog (from a template in memory) of the given size in pixels.
class EmptyDialog : public CDialog
{
public:
    bool Open(CWnd* owner)
    {
        struct alignas(4) Template
        {
            DLGTEMPLATE header;
            WORD menu, windowClass, title;
        } dialogTemplate = {};
        dialogTemplate.header.style = WS_POPUP | WS_VISIBLE;
        dialogTemplate.header.cx = 200;
        dialogTemplate.header.cy = 150;
        return CreateIndirect(&dialogTemplate.header, owner) != FALSE;
    }
};
