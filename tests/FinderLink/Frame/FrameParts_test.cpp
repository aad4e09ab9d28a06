// What the frames share, on real windows: a frame kept hidden until placed
// stays unseen whatever a move asks for and keeps only the flags that do
// not show it; the tab-size box gets one item per size in order and knows
// when the focus is in it; the working cursor follows the status text.
#include "FinderLink/Frame/FrameWindow.h"
#include "FinderLink/Frame/StatusPanes.h"
#include "FinderLink/Frame/TabSizeBox.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using Kyvant::FinderLink::FillTabSizeBox;
using Kyvant::FinderLink::FollowWorkingCursor;
using Kyvant::FinderLink::HasFocusWithin;
using Kyvant::FinderLink::KeepHidden;

struct FlagsCase {
    UINT asked;
    UINT kept;
};

TEST(FrameWindow, KeepHiddenKeepsOnlyWhatDoesNotShowTheFrame)
{
    const UINT hidden = SWP_HIDEWINDOW | SWP_NOREDRAW;
    const FlagsCase cases[] = {
        {SWP_SHOWWINDOW, hidden},
        {SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE, SWP_NOSIZE | SWP_NOMOVE | hidden},
        {SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED,
         SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | hidden},
        {SWP_NOCOPYBITS | SWP_NOOWNERZORDER | SWP_DEFERERASE, hidden},
        {0, hidden},
    };
    for (const FlagsCase& flags : cases) {
        WINDOWPOS position = {};
        position.flags = flags.asked;
        KeepHidden(position);
        EXPECT_EQ(flags.kept, position.flags) << "asked " << flags.asked;
    }
}

LRESULT CALLBACK HiddenFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGING)
        KeepHidden(*reinterpret_cast<WINDOWPOS*>(lParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow(const char* className, WNDPROC procedure)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    return CreateWindowA(className, "", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

TEST(FrameWindow, FrameKeptHiddenStaysUnseen)
{
    const HWND frame = MakeWindow("FramePartsHidden", &HiddenFrameProc);
    ASSERT_TRUE(frame != nullptr);
    ShowWindow(frame, SW_SHOWNORMAL);
    EXPECT_FALSE(IsWindowVisible(frame));
    SetWindowPos(frame, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    EXPECT_FALSE(IsWindowVisible(frame));
    RECT placed = {};
    GetWindowRect(frame, &placed);
    EXPECT_EQ(20, placed.left); // a move itself still happens
    DestroyWindow(frame);
}

class TabSizeBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_USEREX_CLASSES};
        InitCommonControlsEx(&controls);
        m_parent = MakeWindow("FramePartsParent", &DefWindowProcA);
        ASSERT_TRUE(m_parent != nullptr);
        ShowWindow(m_parent, SW_SHOWNORMAL);
        m_other = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE, 150, 10, 60, 20, m_parent,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        const HWND box =
            CreateWindowExA(0, WC_COMBOBOXEXA, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 10, 10, 60,
                            200, m_parent, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(box != nullptr);
        m_box.Attach(box);
    }
    void TearDown() override
    {
        m_box.Detach();
        DestroyWindow(m_parent);
    }

    std::string ItemText(int index)
    {
        char text[16] = "";
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = index;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        return m_box.GetItem(&item) ? text : "(none)";
    }

    HWND m_parent = nullptr;
    HWND m_other = nullptr;
    CComboBoxEx m_box;
};

TEST_F(TabSizeBoxTest, OneItemPerSizeInOrder)
{
    FillTabSizeBox(m_box, 1, 20);
    ASSERT_EQ(20, m_box.GetCount());
    for (int index = 0; index < 20; ++index)
        EXPECT_EQ(std::to_string(index + 1), ItemText(index));
}

TEST_F(TabSizeBoxTest, FocusInTheBoxOrItsEditCountsOtherFocusDoesNot)
{
    const HWND edit = reinterpret_cast<HWND>(m_box.SendMessage(CBEM_GETEDITCONTROL));
    ASSERT_TRUE(edit != nullptr);
    SetFocus(edit);
    EXPECT_TRUE(HasFocusWithin(m_box));
    SetFocus(m_other);
    EXPECT_FALSE(HasFocusWithin(m_box));
}

TEST(TabSizeBox, BoxWithoutWindowHasNoFocus)
{
    CComboBoxEx box;
    EXPECT_FALSE(HasFocusWithin(box));
}

struct CursorCase {
    bool shownBefore;
    UINT statusId;
    bool shownAfter;
};

TEST(StatusPanes, WorkingCursorFollowsTheWorkingAndTheIdleText)
{
    const UINT working = 1044;
    const UINT other = 1043; // "Stopping..." leaves the cursor as it is
    const CursorCase cases[] = {
        {false, working, true},
        {true, working, true},
        {true, AFX_IDS_IDLEMESSAGE, false},
        {false, AFX_IDS_IDLEMESSAGE, false},
        {true, other, true},
        {false, other, false},
    };
    for (const CursorCase& step : cases) {
        bool shown = step.shownBefore;
        FollowWorkingCursor(shown, step.statusId, working);
        EXPECT_EQ(step.shownAfter, shown) << "status " << step.statusId;
    }
}

} // namespace
