// KyRichEditCtrl on Windows 98: the right button's release opens the context menu
// where it was released, the control asking itself for it.
#include "KyGui/RichEdit/KyRichEditCtrl.h"
#include "KyStd/Win32/OsVersion.h"

#include "TestApp.h"

#include <gtest/gtest.h>

namespace {

class CountingRichEdit : public KyRichEditCtrl {
public:
    int m_contextMenus = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CONTEXTMENU)
            ++m_contextMenus;
        return KyRichEditCtrl::WindowProc(message, wParam, lParam);
    }
};

TEST(KyRichEditCtrl98, TheRightButtonsReleaseOpensTheMenuThere)
{
    ASSERT_FALSE(Kyvant::OsVersion::AtLeast2K())
        << "the prefix should report Windows 98 for this program";
    CWnd* main = CreateMainWindow("Rich edit 98");
    ASSERT_NE(main, nullptr);
    CountingRichEdit edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 300, 200), main, 4002));
    CRect menu;
    RunSoon(
        [&menu] {
            HWND popup = ::FindWindowA("#32768", nullptr);
            if (popup == nullptr)
                return;
            ::GetWindowRect(popup, &menu);
            ::PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
        },
        150);
    edit.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(30, 12));
    CPoint expected(30, 12);
    edit.ClientToScreen(&expected);
    EXPECT_EQ(menu.TopLeft(), expected);
    EXPECT_EQ(edit.m_contextMenus, 1);
    edit.DestroyWindow();
    main->DestroyWindow();
}

} // namespace
