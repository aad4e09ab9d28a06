// A dialog standing in as the main window while there is none, or only a
// hidden one: taken over, given back, and no WM_QUIT left behind.
#include "KyGuiTool/App/DlgMainWndManager.h"
#include "KyGuiTool/Watchdog/WatchdogResource.h"
#include "TestApp.h"

#include <gtest/gtest.h>

using Kyvant::DlgMainWndManager;

namespace {

bool QuitPending()
{
    MSG msg;
    return ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

// Keeps the test program's main window as it was.
class MainWindowKept {
public:
    MainWindowKept() : m_saved(theApp.m_pMainWnd) {}
    ~MainWindowKept() { theApp.m_pMainWnd = m_saved; }

private:
    CWnd* m_saved;
};

} // namespace

TEST(DlgMainWndManager, TakesOverOnlyFromNoneOrAHiddenMainWindow)
{
    MainWindowKept kept;
    CWnd* hidden = CreateMainWindow("hidden main");
    ASSERT_NE(hidden, nullptr);
    hidden->ShowWindow(SW_HIDE);
    CWnd* visible = CreateMainWindow("visible main");
    ASSERT_NE(visible, nullptr);

    const struct {
        const char* title;
        CWnd* window;
    } cases[] = {{"none", nullptr}, {"hidden", hidden}, {"visible", visible}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        CWnd* const before = c.window;
        theApp.m_pMainWnd = before;
        CDialog dialog(IDD_KY_END_TASK_STATUS);
        {
            DlgMainWndManager manager(dialog);
            EXPECT_EQ(theApp.m_pMainWnd, before == visible ? visible : &dialog);
            ASSERT_TRUE(dialog.Create(IDD_KY_END_TASK_STATUS));
            // The dialog's end as main window posts WM_QUIT.
            dialog.DestroyWindow();
            EXPECT_EQ(QuitPending(), before != visible);
        }
        EXPECT_FALSE(QuitPending());
        EXPECT_EQ(theApp.m_pMainWnd, before);
    }
    hidden->DestroyWindow();
    visible->DestroyWindow();
}

TEST(DlgMainWndManager, AMainWindowDestroyedMeanwhileIsNotPutBack)
{
    MainWindowKept kept;
    CWnd* hidden = CreateMainWindow("hidden main");
    ASSERT_NE(hidden, nullptr);
    hidden->ShowWindow(SW_HIDE);
    theApp.m_pMainWnd = hidden;
    CDialog dialog(IDD_KY_END_TASK_STATUS);
    {
        DlgMainWndManager manager(dialog);
        hidden->DestroyWindow(); // deletes its object
    }
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
}
