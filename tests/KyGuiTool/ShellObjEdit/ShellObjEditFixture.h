// The fixture of the shell-object edit tests: a single-line and a multi-line
// control in a host dialog, scratch databases, and the remembered browse
// folder put back afterwards.
#pragma once

#include "KyGuiTool/ShellObjEdit/KyShellObjListEditCtrl.h"
#include "ShellObjEdit/ShellObjTestSupport.h"
#include "Storage/StorageTestSupport.h"

namespace ShellObjTest {

const DWORD kMultiLineStyle =
    ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL;
const char kBrowseFolderValue[] = "BrowseFolderPath";

class ShellObjEditFixture : public StorageTest::StorageFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.AddEdit(m_single, ES_AUTOHSCROLL, CRect(10, 10, 410, 32), 100));
        ASSERT_TRUE(m_host.AddEdit(m_multi, kMultiLineStyle, CRect(10, 40, 410, 200), 101));
    }

    // Puts the text into the control with the caret at the end.
    static void Show(KyShellObjListEditCtrl& edit, const char* text)
    {
        edit.SetWindowText(text);
        edit.SetSel(-1, -1);
    }

    // Right-clicks the control and walks its menu.
    std::vector<MenuShown> RightClickMenu(KyShellObjListEditCtrl& edit, std::vector<MenuStep> steps,
                                          const char* snapshot = nullptr)
    {
        return WalkMenu(
            [&edit] {
                const LPARAM at = MAKELPARAM(kClickX, kClickY);
                edit.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, at);
                edit.SendMessage(WM_RBUTTONUP, 0, at);
            },
            std::move(steps), snapshot);
    }

    static const int kClickX = 20;
    static const int kClickY = 6;

    NamedDbTest::SavedValue m_browseFolder{Kyvant::kSharedSettingsKey, kBrowseFolderValue};
    HostDialog m_host;
    KyShellObjListEditCtrl m_single;
    KyShellObjListEditCtrl m_multi;
};

} // namespace ShellObjTest
