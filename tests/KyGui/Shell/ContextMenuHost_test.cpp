// The merged menu of several objects and the single-object menu, driven through a scripted track
// call.
#include "KyGui/Shell/ContextMenuHost.h"
#include "KyGui/Shell/MultiContextMenu.h"
#include "KyGui/Shell/ShellIds.h"

#include "Shell/RegistryFixture.h"
#include "Shell/TestContextMenu.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Kyvant::ky_F;
using Kyvant::Shell::ExplorerContextMenuHost;
using Kyvant::Shell::FsObj;
using Kyvant::Shell::IContextMenuHost;

namespace {

const char GType[] = "{2F0A1001-0000-4000-8000-000000000028}";
const char GAllObj[] = "{2F0A1002-0000-4000-8000-000000000028}";
const char GRefuse[] = "{2F0A1003-0000-4000-8000-000000000028}";
const char GNoMenu[] = "{2F0A1004-0000-4000-8000-000000000028}";

// What the scripted track call saw and what it chooses.
struct Track {
    std::vector<std::string> items; // "-" for a separator
    UINT choose = 0;                // a command id, or the item at choosePosition
    int choosePosition = -1;
};
Track g_track;

UINT ScriptedTrack(HMENU menu, UINT, POINT, HWND)
{
    g_track.items.clear();
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        if (::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION) == 0 &&
            (::GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR))
            g_track.items.push_back("-");
        else
            g_track.items.push_back(text);
    }
    if (g_track.choosePosition >= 0)
        return ::GetMenuItemID(menu, g_track.choosePosition);
    return g_track.choose;
}

// Records the WM_COMMANDs the owner receives.
class OwnerWnd : public CWnd {
public:
    std::vector<UINT> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

class ShellMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::OleInitialize(nullptr);
        m_old = Kyvant::Shell::SetTrackPopupFunction(ScriptedTrack);
        g_track = Track();
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "ky28 owner", WS_OVERLAPPEDWINDOW,
                                     0, 0, 200, 100, nullptr, nullptr));
    }
    void TearDown() override
    {
        m_owner.DestroyWindow();
        Kyvant::Shell::SetTrackPopupFunction(m_old);
    }
    OwnerWnd m_owner;
    Kyvant::Shell::TrackPopupFunction m_old = nullptr;
};

// Registers a class object for one GUID for the test's lifetime.
class Registered {
public:
    Registered(const char* guid, TestMenuFactory* factory)
    {
        wchar_t wide[64];
        ::MultiByteToWideChar(CP_ACP, 0, guid, -1, wide, 64);
        ::CLSIDFromString(wide, &m_clsid);
        ::CoRegisterClassObject(m_clsid, factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                &m_cookie);
    }
    ~Registered() { ::CoRevokeClassObject(m_cookie); }

private:
    CLSID m_clsid;
    DWORD m_cookie = 0;
};

TEST_F(ShellMenuTest, SingleMenuOwnDeleteGoesToTheOwner)
{
    std::vector<std::string> verbs(26);
    verbs[17] = "Delete";
    struct Case {
        const char* name;
        bool ownEdit;
        bool folder;
        UINT choose;
        std::vector<UINT> commands;
        int invoked;
    } cases[] = {
        {"own delete", true, false, 18, {ID_EDIT_CLEAR}, -1},
        {"shell delete", false, false, 18, {}, 17},
        {"other item", true, false, 3, {}, 2},
        {"containing folder",
         false,
         true,
         ID_KY_OPEN_CONTAINING_FOLDER,
         {ID_KY_OPEN_CONTAINING_FOLDER},
         -1},
    };
    for (const Case& c : cases) {
        m_owner.commands.clear();
        TestMenuLog log;
        TestContextMenu* menu = new TestContextMenu("item", 26, &log, false, true, verbs);
        IContextMenuHost host(m_owner, c.ownEdit, c.folder);
        host.SetInterfaces(menu, nullptr);
        menu->Release();
        g_track.choose = c.choose;
        EXPECT_TRUE(host.DoContextMenu(POINT{5, 5})) << c.name;
        host.ResetInterfaces();
        EXPECT_EQ(c.commands, m_owner.commands) << c.name;
        EXPECT_EQ(c.invoked, log.invoked) << c.name;
        if (c.folder) {
            ASSERT_GE(g_track.items.size(), 2u);
            EXPECT_EQ("Open Conta&ining Folder", g_track.items[0]);
            EXPECT_EQ("-", g_track.items[1]);
        }
    }
}

TEST_F(ShellMenuTest, NoChoiceIsFalse)
{
    TestContextMenu* menu = new TestContextMenu("item", 2, nullptr);
    IContextMenuHost host(m_owner, true, false);
    host.SetInterfaces(menu, nullptr);
    menu->Release();
    g_track.choose = 0;
    EXPECT_FALSE(host.DoContextMenu(POINT{0, 0}));
    host.ResetInterfaces();
    EXPECT_THROW(host.QueryContextMenu(nullptr, 0, 1, 2, 0), _com_error);
}

// A menu with IContextMenu2 and IContextMenu3 that counts the messages it is handed.
class OwnerDrawnMenu : public IContextMenu3 {
public:
    int handled = 0;
    int handled2 = 0;
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IContextMenu && iid != IID_IContextMenu2 &&
            iid != IID_IContextMenu3)
            return E_NOINTERFACE;
        *out = static_cast<IContextMenu3*>(this);
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP QueryContextMenu(HMENU, UINT, UINT, UINT, UINT) override { return S_OK; }
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO*) override { return S_OK; }
    STDMETHODIMP GetCommandString(UINT_PTR, UINT, UINT*, LPSTR, UINT) override { return E_NOTIMPL; }
    STDMETHODIMP HandleMenuMsg(UINT, WPARAM, LPARAM) override
    {
        ++handled;
        return S_OK;
    }
    STDMETHODIMP HandleMenuMsg2(UINT, WPARAM, LPARAM, LRESULT* result) override
    {
        ++handled2;
        *result = 0x10002;
        return S_OK;
    }
};

TEST_F(ShellMenuTest, MenuMessagesReachTheMenuWhileItIsSet)
{
    OwnerDrawnMenu menu;
    IContextMenuHost host(m_owner, false, false);
    LRESULT result = 99;
    EXPECT_FALSE(host.HandleContextMenuMsg(WM_DRAWITEM, 0, 0, result)); // no menu yet
    host.SetInterfaces(&menu, nullptr);
    struct Case {
        UINT message;
        bool handled;
        LRESULT result;
    } cases[] = {
        {WM_DRAWITEM, true, TRUE},    {WM_MEASUREITEM, true, TRUE}, {WM_INITMENUPOPUP, true, 0},
        {WM_MENUCHAR, true, 0x10002}, {WM_COMMAND, false, 99},
    };
    for (const Case& c : cases) {
        result = 99;
        EXPECT_EQ(c.handled, host.HandleContextMenuMsg(c.message, 0, 0, result)) << c.message;
        EXPECT_EQ(c.result, result) << c.message;
    }
    EXPECT_EQ(3, menu.handled);
    EXPECT_EQ(1, menu.handled2);
    host.ResetInterfaces();
    EXPECT_FALSE(host.HandleContextMenuMsg(WM_MENUCHAR, 0, 0, result));
}

struct MultiFixture {
    HandlerRegistry reg;
    TestMenuLog typeLog, allLog, refuseLog, noMenuLog;
    TestMenuFactory typeFactory{"type", 2, &typeLog};
    TestMenuFactory allFactory{"all", 1, &allLog};
    TestMenuFactory refuseFactory{"refuse", 1, &refuseLog, true};
    TestMenuFactory noMenuFactory{"nomenu", 1, &noMenuLog, false, false};
    Registered r1{GType, &typeFactory};
    Registered r2{GAllObj, &allFactory};
    Registered r3{GRefuse, &refuseFactory};
    Registered r4{GNoMenu, &noMenuFactory};
    MultiFixture()
    {
        reg.AddExtension(".kyt28m", "KyTest28.Menu");
        reg.AddHandler("KyTest28.Menu", "type", GType);
        reg.AddHandler("KyTest28.Menu", "refuse", GRefuse);
        reg.AddHandler("KyTest28.Menu", "nomenu", GNoMenu);
        reg.AddHandler("AllFileSystemObjects", "KyTest28MenuAll", GAllObj);
    }
};

TEST_F(ShellMenuTest, MergedMenuOrderAndRouting)
{
    MultiFixture f;
    std::vector<FsObj> objects = {FsObj(ky_F("C:\\x\\one.kyt28m"), 0),
                                  FsObj(ky_F("C:\\y\\two.kyt28m"), 0)};
    Kyvant::forward_input_sequencer<std::vector<FsObj>> selection(objects);
    ExplorerContextMenuHost host(m_owner, false, false);
    g_track.choosePosition = 1; // the second type item
    EXPECT_TRUE(host.DoExplorerContextMenu(selection, POINT{1, 1}));
    const std::vector<std::string> expected = {
        "type0", "type1", "-", "all0", "-", "Cu&t", "&Copy", "-", "&Delete", "-", "P&roperties"};
    EXPECT_EQ(expected, g_track.items);
    EXPECT_EQ(1, f.typeLog.invoked);
    EXPECT_EQ((std::vector<std::string>{"C:\\x\\one.kyt28m", "C:\\y\\two.kyt28m"}),
              f.typeLog.paths);
    EXPECT_EQ(1, f.refuseLog.initializeCalls);

    g_track.choosePosition = 3; // the all-objects item
    EXPECT_TRUE(host.DoExplorerContextMenu(selection, POINT{1, 1}));
    EXPECT_EQ(0, f.allLog.invoked);

    m_owner.commands.clear();
    g_track.choosePosition = 8; // own Delete
    EXPECT_TRUE(host.DoExplorerContextMenu(selection, POINT{1, 1}));
    EXPECT_EQ(std::vector<UINT>{ID_EDIT_CLEAR}, m_owner.commands);
}

// A handler that fails the question for IContextMenu3 with an unexpected
// error, which ends the set-up of the merged menu.
class FailingQueryMenu : public TestContextMenu {
public:
    FailingQueryMenu() : TestContextMenu("failing", 1, nullptr) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IContextMenu3 || iid == IID_IContextMenu2) {
            *out = nullptr;
            return E_UNEXPECTED;
        }
        return TestContextMenu::QueryInterface(iid, out);
    }
};

class FailingQueryFactory : public TestMenuFactory {
public:
    FailingQueryFactory() : TestMenuFactory("failing", 1, nullptr) {}
    STDMETHODIMP CreateInstance(IUnknown*, REFIID iid, void** out) override
    {
        FailingQueryMenu* menu = new FailingQueryMenu;
        const HRESULT hr = menu->QueryInterface(iid, out);
        menu->Release();
        return hr;
    }
};

TEST_F(ShellMenuTest, FailedSetUpReleasesTheMenuAndEveryHandler)
{
    const int before = TestContextMenu::Live();
    {
        MultiFixture f;
        FailingQueryFactory failingFactory;
        const char GFailing[] = "{2F0A1005-0000-4000-8000-000000000028}";
        Registered r5{GFailing, &failingFactory};
        f.reg.AddHandler("KyTest28.Menu", "failing", GFailing);
        std::vector<FsObj> objects = {FsObj(ky_F("C:\\x\\one.kyt28m"), 0)};
        Kyvant::forward_input_sequencer<std::vector<FsObj>> selection(objects);
        ExplorerContextMenuHost host(m_owner, false, false);
        EXPECT_THROW(host.DoExplorerContextMenu(selection, POINT{1, 1}), _com_error);
        EXPECT_EQ(before, TestContextMenu::Live()) << "every handler loaded is released";
        EXPECT_TRUE(g_track.items.empty()) << "no menu was shown";
    }

    // A menu whose set-up fails is not kept by the host.
    FailingQueryMenu* menu = new FailingQueryMenu;
    IContextMenuHost host(m_owner, false, false);
    EXPECT_THROW(host.SetInterfaces(menu, nullptr), _com_error);
    EXPECT_EQ(0u, menu->Release()) << "the host holds no reference";
    EXPECT_EQ(before, TestContextMenu::Live());
    EXPECT_THROW(host.QueryContextMenu(nullptr, 0, 1, 2, 0), _com_error) << "no menu is set";
}

TEST_F(ShellMenuTest, MergedMenuVerbsOutsideRangesAndStringVerbs)
{
    MultiFixture f;
    std::vector<FsObj> objects = {FsObj(ky_F("C:\\one.kyt28m"), 0)};
    Kyvant::forward_input_sequencer<std::vector<FsObj>> selection(objects);
    Kyvant::Shell::CommonRootGuids guids(
        Kyvant::Shell::CommonRootGuids::ShellExContextMenuHandlers);
    guids.IntersectGuidsOfFileExt(".kyt28m");
    guids.Finalize();
    Kyvant::Shell::MultiContextMenu* menu =
        Kyvant::Shell::MultiContextMenu::Create(guids, nullptr, nullptr, nullptr);
    EXPECT_EQ(2u, menu->HandlerCount()); // the refusing and the menu-less ones are left out
    HMENU popup = ::CreatePopupMenu();
    ::AppendMenuA(popup, MF_STRING, 500, "own");
    const HRESULT hr = menu->QueryContextMenu(popup, 0, 1, 0x7FFF, CMF_EXPLORE);
    EXPECT_EQ(3, HRESULT_CODE(hr));
    CMINVOKECOMMANDINFO info = {};
    info.cbSize = sizeof info;
    struct Case {
        UINT_PTR verb;
        HRESULT expected;
    } cases[] = {{0, S_OK}, {2, S_OK}, {3, E_NOTIMPL}, {100, E_NOTIMPL}};
    for (const Case& c : cases) {
        info.lpVerb = MAKEINTRESOURCEA(c.verb);
        EXPECT_EQ(c.expected, menu->InvokeCommand(&info)) << c.verb;
    }
    info.lpVerb = "open";
    EXPECT_EQ(E_NOTIMPL, menu->InvokeCommand(&info));
    char buffer[16] = "junk";
    EXPECT_EQ(S_OK, menu->GetCommandString(100, GCS_VERBA, nullptr, buffer, sizeof buffer));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(S_OK, menu->GetCommandString(100, GCS_VERBA, nullptr, nullptr, 0));
    ::DestroyMenu(popup);
    menu->Release();
}

} // namespace
