// Window rectangles, sibling walks, saved placements, alignment, menu updates and font setters.
#include "KyGui/Helpers/WndEx.h"

#include "HelperWindows.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegValues.h"

#include <afxcmn.h>

#include <functional>

using namespace Kyvant;

namespace {

const char kTestsKey[] = "Software\\Kyvant\\Tests";
const char kStateKey[] = "Software\\Kyvant\\Tests\\KyGuiWindowState";

class WndExTest : public HelperWindowTest
{
};

class WindowStateTest : public HelperWindowTest
{
protected:
    void SetUp() override
    {
        HelperWindowTest::SetUp();
        RegKey(HKEY_CURRENT_USER, kTestsKey).DeleteKey("KyGuiWindowState");
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &m_workArea, 0);
    }
    void TearDown() override
    {
        RegKey(HKEY_CURRENT_USER, kTestsKey).DeleteKey("KyGuiWindowState");
        HelperWindowTest::TearDown();
    }

    static void Store(DWORD flags, DWORD showCmd, const RECT& rect)
    {
        RegKey key(HKEY_CURRENT_USER, kStateKey);
        WriteRegistryDWORD(key.get(), "Flags", flags);
        WriteRegistryDWORD(key.get(), "ShowCmd", showCmd);
        WriteRegistryDWORD(key.get(), "x1", static_cast<DWORD>(rect.left));
        WriteRegistryDWORD(key.get(), "y1", static_cast<DWORD>(rect.top));
        WriteRegistryDWORD(key.get(), "x2", static_cast<DWORD>(rect.right));
        WriteRegistryDWORD(key.get(), "y2", static_cast<DWORD>(rect.bottom));
    }

    WINDOWPLACEMENT Placement() const
    {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        ::GetWindowPlacement(m_main->m_hWnd, &placement);
        return placement;
    }

    CRect m_workArea;
};

// Records the command-update calls that reach it.
class MenuTarget : public CCmdTarget
{
public:
    enum : UINT { kDisabled = 201, kHandled = 202, kUnhandled = 203, kInSubmenu = 204 };

protected:
    afx_msg void OnUpdateDisabled(CCmdUI* ui) { ui->Enable(FALSE); }
    afx_msg void OnUpdateSubmenu(CCmdUI* ui) { ui->Enable(FALSE); }
    afx_msg void OnHandled() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuTarget, CCmdTarget)
    ON_UPDATE_COMMAND_UI(MenuTarget::kDisabled, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(MenuTarget::kInSubmenu, OnUpdateSubmenu)
    ON_COMMAND(MenuTarget::kHandled, OnHandled)
END_MESSAGE_MAP()

bool IsGrayed(CMenu& menu, UINT position)
{
    return (menu.GetMenuState(position, MF_BYPOSITION) & MF_GRAYED) != 0;
}

} // namespace

TEST_F(WndExTest, RectanglesInTheParentsCoordinates)
{
    CWnd& child = AddChild(CRect(20, 30, 120, 80));
    EXPECT_EQ(CRect(20, 30, 120, 80), WndEx::WindowRect(child, true));
    EXPECT_EQ(CRect(20, 30, 120, 80), WndEx::ClientRect(child, true));
    EXPECT_EQ(CRect(0, 0, 100, 50), WndEx::ClientRect(child));
    CRect screen;
    child.GetWindowRect(&screen);
    EXPECT_EQ(screen, WndEx::WindowRect(child));
}

TEST_F(WndExTest, SiblingWalksStopBeforeLast)
{
    CWnd& a = AddChild(CRect(0, 0, 10, 10));
    CWnd& b = AddChild(CRect(0, 20, 10, 30));
    CWnd& c = AddChild(CRect(0, 40, 10, 50));
    for (bool repaint : { true, false }) {
        WndEx::MoveWindows(5, 7, &a, &c, repaint);
        SCOPED_TRACE(repaint);
    }
    EXPECT_EQ(CRect(10, 14, 20, 24), RectIn(a));
    EXPECT_EQ(CRect(10, 34, 20, 44), RectIn(b));
    EXPECT_EQ(CRect(0, 40, 10, 50), RectIn(c));

    WndEx::EnableWindows(&b, nullptr, false);
    EXPECT_TRUE(a.IsWindowEnabled());
    EXPECT_FALSE(b.IsWindowEnabled());
    EXPECT_FALSE(c.IsWindowEnabled());
    WndEx::ShowWindows(&a, &b, SW_HIDE);
    EXPECT_FALSE(a.IsWindowVisible());
    EXPECT_TRUE(b.IsWindowVisible());
}

TEST_F(WndExTest, SizesAndEdgesTakenFromAModel)
{
    struct Case
    {
        const char* name;
        std::function<void(CWnd&, const CWnd&)> apply;
        CRect expected;
    };
    const Case cases[] = {
        { "width", [](CWnd& w, const CWnd& m) { WndEx::SetWidthEqual(w, m); }, CRect(10, 10, 110, 30) },
        { "height", [](CWnd& w, const CWnd& m) { WndEx::SetHeightEqual(w, m); }, CRect(10, 10, 50, 50) },
        { "x and width", [](CWnd& w, const CWnd& m) { WndEx::SetXWEqual(w, m, false); }, CRect(60, 10, 160, 30) },
        { "y and height", [](CWnd& w, const CWnd& m) { WndEx::SetYHEqual(w, m, false); }, CRect(10, 70, 50, 110) },
    };
    for (const Case& c : cases) {
        CWnd& window = AddChild(CRect(10, 10, 50, 30));
        CWnd& model = AddChild(CRect(60, 70, 160, 110));
        c.apply(window, model);
        EXPECT_EQ(c.expected, RectIn(window)) << c.name;
    }
}

TEST_F(WndExTest, AlignsWithAComboBoxsEditControl)
{
    CComboBox dropDown;
    ASSERT_TRUE(dropDown.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(100, 50, 250, 200), m_main, 301));
    CWnd& label = AddChild(CRect(10, 0, 90, 10));
    WndEx::SetYHEqualToInternalEditBox(label, dropDown);
    CWnd* edit = dropDown.GetWindow(GW_CHILD);
    ASSERT_NE(edit, nullptr);
    CRect editRect;
    edit->GetWindowRect(&editRect);
    m_main->ScreenToClient(&editRect);
    EXPECT_EQ(CRect(10, editRect.top, 90, editRect.bottom), RectIn(label));
    EXPECT_GT(editRect.top, 50);  // inside the combo box's border

    CComboBox dropList;
    ASSERT_TRUE(dropList.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(100, 100, 250, 250), m_main, 302));
    WndEx::SetYHEqualToInternalEditBox(label, dropList);
    const CRect listRect = RectIn(dropList);
    EXPECT_EQ(CRect(10, listRect.top, 90, listRect.bottom), RectIn(label));

    CComboBoxEx extended;
    ASSERT_TRUE(extended.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(100, 150, 250, 300), m_main, 303));
    WndEx::SetYHEqualToInternalEditBox(label, extended);
    CEdit* extendedEdit = extended.GetEditCtrl();
    ASSERT_NE(extendedEdit, nullptr);
    CRect extendedRect;
    extendedEdit->GetWindowRect(&extendedRect);
    m_main->ScreenToClient(&extendedRect);
    EXPECT_EQ(CRect(10, extendedRect.top, 90, extendedRect.bottom), RectIn(label));
}

TEST_F(WndExTest, EquiSpacingKeepsTheFirstGap)
{
    CWnd& a = AddChild(CRect(0, 10, 20, 30));
    CWnd& b = AddChild(CRect(0, 40, 20, 60));
    CWnd& c = AddChild(CRect(0, 100, 20, 130));
    CWnd& d = AddChild(CRect(0, 200, 20, 210));
    CWnd& e = AddChild(CRect(0, 300, 20, 310));
    WndEx::EquiSpaceVertically_2(&a, &e);
    EXPECT_EQ(CRect(0, 40, 20, 60), RectIn(b));
    EXPECT_EQ(CRect(0, 70, 20, 100), RectIn(c));
    EXPECT_EQ(CRect(0, 110, 20, 120), RectIn(d));
    EXPECT_EQ(CRect(0, 300, 20, 310), RectIn(e));
}

TEST_F(WindowStateTest, ValuesRoundTrip)
{
    m_main->MoveWindow(40, 50, 300, 200);
    WndEx::SaveWindowState(*m_main, HKEY_CURRENT_USER, kStateKey);
    const WINDOWPLACEMENT saved = Placement();
    RegKey key(KyOpen, HKEY_CURRENT_USER, kStateKey);
    EXPECT_EQ(saved.flags, GetRegistryDWORD(key.get(), "Flags", 99));
    EXPECT_EQ(saved.showCmd, GetRegistryDWORD(key.get(), "ShowCmd", 99));
    EXPECT_EQ(static_cast<DWORD>(saved.rcNormalPosition.left), GetRegistryDWORD(key.get(), "x1", 99));
    EXPECT_EQ(static_cast<DWORD>(saved.rcNormalPosition.bottom), GetRegistryDWORD(key.get(), "y2", 99));

    m_main->MoveWindow(0, 0, 100, 100);
    WndEx::RestoreWindowState(*m_main, HKEY_CURRENT_USER, kStateKey, true);
    EXPECT_EQ(CRect(saved.rcNormalPosition), CRect(Placement().rcNormalPosition));
}

TEST_F(WindowStateTest, ALargeRectangleIsBroughtIntoTheWorkArea)
{
    struct Case
    {
        CSize oversize;
        CRect expected;
    };
    const CRect& wa = m_workArea;
    const Case cases[] = {
        { CSize(0, 0), wa },
        { CSize(800, 600), CRect(wa.left, wa.top, wa.left + 800, wa.top + 600) },
    };
    for (const Case& c : cases) {
        Store(0, SW_SHOWNORMAL, CRect(1000, 800, 3000, 2300));
        WndEx::RestoreWindowState(*m_main, HKEY_CURRENT_USER, kStateKey, true, c.oversize);
        EXPECT_EQ(c.expected, CRect(Placement().rcNormalPosition)) << c.oversize.cx;
    }
    // A rectangle that fits is only shifted inside.
    Store(0, SW_SHOWNORMAL, CRect(wa.right - 50, wa.bottom - 40, wa.right + 150, wa.bottom + 60));
    WndEx::RestoreWindowState(*m_main, HKEY_CURRENT_USER, kStateKey, true);
    EXPECT_EQ(CRect(wa.right - 200, wa.bottom - 100, wa.right, wa.bottom), CRect(Placement().rcNormalPosition));
}

TEST_F(WindowStateTest, EditedValuesCannotHideTheWindow)
{
    // An inverted rectangle is ordered; an unknown show command shows the window normally.
    Store(0, 7, CRect(300, 250, 100, 50));
    WndEx::RestoreWindowState(*m_main, HKEY_CURRENT_USER, kStateKey, false);
    const WINDOWPLACEMENT placement = Placement();
    EXPECT_EQ(CRect(100, 50, 300, 250), CRect(placement.rcNormalPosition));
    EXPECT_EQ(static_cast<UINT>(SW_SHOWNORMAL), placement.showCmd);
    EXPECT_TRUE(m_main->IsWindowVisible());
}

TEST_F(WindowStateTest, AMinimisedWindowComesBackMaximisedOrNormal)
{
    struct Case
    {
        DWORD flags;
        bool zoomed;
    };
    for (const Case& c : { Case{ WPF_RESTORETOMAXIMIZED, true }, Case{ 0, false } }) {
        Store(c.flags, SW_SHOWMINIMIZED, CRect(50, 50, 350, 250));
        WndEx::RestoreWindowState(*m_main, HKEY_CURRENT_USER, kStateKey, true);
        EXPECT_FALSE(m_main->IsIconic()) << c.flags;
        EXPECT_EQ(c.zoomed, ::IsZoomed(m_main->m_hWnd) != FALSE) << c.flags;
    }
}

TEST_F(WindowStateTest, AMissingKeyKeepsThePlacement)
{
    m_main->MoveWindow(40, 50, 300, 200);
    const WINDOWPLACEMENT before = Placement();
    WndEx::RestoreWindowState(*m_main, HKEY_CURRENT_USER, kStateKey, true);
    EXPECT_EQ(CRect(before.rcNormalPosition), CRect(Placement().rcNormalPosition));
}

TEST(DoPopupCmdUI, DisablesWhatHandlersDisableAndOptionallyUnhandledItems)
{
    for (bool disableUnhandled : { false, true }) {
        CMenu popup;
        ASSERT_TRUE(popup.CreatePopupMenu());
        popup.AppendMenu(MF_STRING, MenuTarget::kDisabled, "Disabled");
        popup.AppendMenu(MF_SEPARATOR);
        popup.AppendMenu(MF_STRING, MenuTarget::kHandled, "Handled");
        popup.AppendMenu(MF_STRING, MenuTarget::kUnhandled, "Unhandled");
        CMenu sub;
        ASSERT_TRUE(sub.CreatePopupMenu());
        sub.AppendMenu(MF_STRING, MenuTarget::kInSubmenu, "Inner");
        popup.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), "Sub");
        MenuTarget target;
        WndEx::DoPopupCmdUI(popup, target, FALSE, disableUnhandled);
        SCOPED_TRACE(disableUnhandled);
        EXPECT_TRUE(IsGrayed(popup, 0));
        EXPECT_FALSE(IsGrayed(popup, 2));
        EXPECT_EQ(disableUnhandled, IsGrayed(popup, 3));
        EXPECT_FALSE(IsGrayed(popup, 4));  // a submenu's item is never disabled

        CMenu system;
        ASSERT_TRUE(system.CreatePopupMenu());
        system.AppendMenu(MF_STRING, MenuTarget::kDisabled, "Disabled");
        WndEx::DoPopupCmdUI(system, target, TRUE, true);
        EXPECT_FALSE(IsGrayed(system, 0));
    }
}

TEST_F(WndExTest, FontSetterDerivesFromTheParentsFont)
{
    CWnd& parent = AddChild(CRect(0, 0, 200, 100));
    CFont parentFont;
    ASSERT_TRUE(parentFont.CreatePointFont(100, "Courier New"));
    parent.SetFont(parentFont);
    CWnd& child = AddChild(CRect(0, 0, 100, 20), &parent);
    CWnd& orphan = AddChild(CRect(0, 0, 100, 20), &AddChild(CRect(0, 0, 10, 10)));

    WndEx::FontSetter derived(FW_BOLD, TRUE, FALSE, TRUE, ANSI_CHARSET);
    derived.DoSetFont(child);
    LOGFONTA logFont = {};
    ASSERT_NE(nullptr, child.GetFont());
    ::GetObjectA(child.GetFont(), sizeof(logFont), &logFont);
    EXPECT_STREQ("Courier New", logFont.lfFaceName);
    EXPECT_EQ(FW_BOLD, logFont.lfWeight);
    EXPECT_TRUE(logFont.lfItalic);
    EXPECT_TRUE(logFont.lfStrikeOut);

    // The parent has no font: nothing happens.
    derived.DoSetFont(orphan);
    EXPECT_EQ(nullptr, orphan.GetFont());

    LOGFONTA whole = {};
    whole.lfHeight = -20;
    lstrcpyA(whole.lfFaceName, "Arial");
    WndEx::FontSetter stored(whole);
    stored.DoSetFont(orphan);
    ASSERT_NE(nullptr, orphan.GetFont());
    ::GetObjectA(orphan.GetFont(), sizeof(logFont), &logFont);
    EXPECT_EQ(-20, logFont.lfHeight);
}
