// Message maps chained across the test DLL and the layer, command routing, updates and run-time classes.
#include "TestApp.h"
#include "TestIds.h"
#include "dll/KyMfcTestDll.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A program class over the DLL's class: three maps in a chain.
class CExeWnd : public CDllCmdWnd
{
    DECLARE_DYNCREATE(CExeWnd)
public:
    int m_disabledRuns = 0;

protected:
    afx_msg void OnExeCommand() { m_log.push_back("exe command"); }
    afx_msg void OnDisabledCommand() { ++m_disabledRuns; }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CExeWnd, CDllCmdWnd)

BEGIN_MESSAGE_MAP(CExeWnd, CDllCmdWnd)
    ON_COMMAND(ID_EXE_COMMAND, OnExeCommand)
    ON_COMMAND(ID_DISABLED_COMMAND, OnDisabledCommand)
    ON_UPDATE_COMMAND_UI(ID_DISABLED_COMMAND, OnUpdateDisabled)
END_MESSAGE_MAP()

class ExeWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), "chain", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    }
    void TearDown() override { m_wnd.DestroyWindow(); }
    LRESULT Command(UINT id) { return m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    CExeWnd m_wnd;
};

TEST_F(ExeWindow, MapsChainFromProgramThroughDllToLayer)
{
    EXPECT_EQ(&CDllCmdWnd::messageMap, CExeWnd::messageMap.pfnGetBaseMap());
    EXPECT_EQ(&CWnd::messageMap, CDllCmdWnd::messageMap.pfnGetBaseMap());
    EXPECT_EQ(&CCmdTarget::messageMap, CWnd::messageMap.pfnGetBaseMap());
    EXPECT_EQ(1, m_wnd.m_createCount);  // WM_CREATE reached the DLL's map
}

TEST_F(ExeWindow, CommandsReachHandlersInEachModule)
{
    Command(ID_EXE_COMMAND);
    Command(ID_DLL_COMMAND);
    EXPECT_EQ((std::vector<std::string>{ "exe command", "dll command" }), m_wnd.m_log);
}

TEST_F(ExeWindow, RangeHandlersGetTheCommandId)
{
    struct Case { UINT id; const char* logged; };
    const Case cases[] = { { ID_RANGE_FIRST, "range 0x8110" }, { 0x8112, "range 0x8112" }, { ID_RANGE_LAST, "range 0x8114" } };
    for (const Case& c : cases) {
        m_wnd.m_log.clear();
        Command(c.id);
        EXPECT_EQ(std::vector<std::string>{ c.logged }, m_wnd.m_log) << c.id;
    }
    m_wnd.m_log.clear();
    Command(ID_RANGE_LAST + 1);
    EXPECT_TRUE(m_wnd.m_log.empty());
}

TEST_F(ExeWindow, UserAndRegisteredMessagesReachTheDllMap)
{
    EXPECT_EQ(42, m_wnd.SendMessage(WM_APP + 1, 41, 0));
    EXPECT_EQ(86, m_wnd.SendMessage(g_dllRegisteredMessage, 0, 43));
}

TEST_F(ExeWindow, MenuCommandDisabledByItsUpdateHandlerDoesNotRun)
{
    Command(ID_DISABLED_COMMAND);
    EXPECT_EQ(0, m_wnd.m_disabledRuns);
    // From a control the command is a notification, not a menu choice.
    HWND hButton = ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD, 0, 0, 10, 10, m_wnd.m_hWnd,
                                     reinterpret_cast<HMENU>(ID_DISABLED_COMMAND), nullptr, nullptr);
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_DISABLED_COMMAND, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
    EXPECT_EQ(1, m_wnd.m_disabledRuns);
}

TEST_F(ExeWindow, DestroyingDetachesThroughTheLayersMap)
{
    HWND hWnd = m_wnd.m_hWnd;
    EXPECT_EQ(&m_wnd, CWnd::FromHandlePermanent(hWnd));
    m_wnd.DestroyWindow();
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(nullptr, m_wnd.m_hWnd);
}

TEST(RuntimeClass, NamesDerivationAndDynamicCreation)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CExeWnd);
    EXPECT_STREQ("CExeWnd", pClass->m_lpszClassName);
    EXPECT_EQ(&CExeWnd::classCExeWnd, pClass);
    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CDllCmdWnd)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CDialog, pObject));
    EXPECT_NE(nullptr, DYNAMIC_DOWNCAST(CDllCmdWnd, pObject));
    delete pObject;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CException)->CreateObject());  // dynamic, not creatable
}

// A non-window target of the storage commands, asked first by its host dialog.
class CStorageTarget : public CCmdTarget
{
public:
    std::vector<UINT> m_commands;
    int m_selChanges = 0;

protected:
    afx_msg void OnCommandRange(UINT nID) { m_commands.push_back(nID); }
    afx_msg void OnUpdateRange(CCmdUI* pCmdUI)
    {
        if (pCmdUI->m_nID == ID_STORE_SHOWALL)
            pCmdUI->SetCheck(1);
        else
            pCmdUI->Enable(pCmdUI->m_nID == ID_STORE_SAVE);
    }
    afx_msg void OnSelChange() { ++m_selChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStorageTarget, CCmdTarget)
    ON_COMMAND_RANGE(ID_STORE_FIRST, ID_STORE_LAST, OnCommandRange)
    ON_UPDATE_COMMAND_UI_RANGE(ID_STORE_FIRST, ID_STORE_LAST, OnUpdateRange)
    ON_CBN_SELCHANGE(IDC_STORE_COMBO, OnSelChange)
END_MESSAGE_MAP()

class CHostDlg : public CDialog
{
public:
    CHostDlg() : CDialog(IDD_HOST) {}
    CStorageTarget m_target;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (m_target.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

class HostDialog : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_host.Create(IDD_HOST)); }
    void TearDown() override { m_host.DestroyWindow(); }
    HWND Item(int id) { return ::GetDlgItem(m_host.m_hWnd, id); }
    void Notify(int id, int code)
    {
        m_host.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    }

    CHostDlg m_host;
};

TEST_F(HostDialog, CommandsAndSelectionChangesGoToTheTargetFirst)
{
    Notify(ID_STORE_DELETE, BN_CLICKED);
    Notify(ID_STORE_SAVE, BN_CLICKED);
    Notify(IDC_STORE_COMBO, CBN_SELCHANGE);
    Notify(IDC_STORE_COMBO, CBN_DROPDOWN);  // another code: no handler
    EXPECT_EQ((std::vector<UINT>{ ID_STORE_DELETE, ID_STORE_SAVE }), m_host.m_target.m_commands);
    EXPECT_EQ(1, m_host.m_target.m_selChanges);
}

TEST_F(HostDialog, UpdateDialogControlsSetsButtonsFromTheTargetsUpdateHandlers)
{
    ::EnableWindow(Item(ID_STORE_SAVE), FALSE);
    m_host.UpdateDialogControls(&m_host, FALSE);
    EXPECT_TRUE(::IsWindowEnabled(Item(ID_STORE_SAVE)));
    EXPECT_FALSE(::IsWindowEnabled(Item(ID_STORE_DELETE)));
    EXPECT_EQ(BST_CHECKED, ::SendMessageA(Item(ID_STORE_SHOWALL), BM_GETCHECK, 0, 0));
    EXPECT_TRUE(::IsWindowEnabled(Item(ID_STORE_ORPHAN)));  // no handler, not asked to disable
    m_host.UpdateDialogControls(&m_host, TRUE);
    EXPECT_FALSE(::IsWindowEnabled(Item(ID_STORE_ORPHAN)));
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_STORE_COMBO)));  // only push buttons are disabled
}

}  // namespace
