// What the Dir page's tests share: a host bridge of the Dir front-end's kind
// that records what the page tells it, a runner of the page in the tests'
// settings dialog on such a bridge, and driving the page's combo boxes.
#pragma once

#include "Host/SettingsHost.h"
#include "KyTools/Dir/DirResource.h"
#include "KyTools/Dir/KyDirGAppBridgeBase.h"
#include "KyTools/Dir/KyDirGSubDialogPage.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dirtest {

using namespace hosttest;
using Args = std::vector<std::string>;

class DirBridge : public Kyvant::KyDirGAppBridgeBase {
public:
    void DocSetModified() override { ++modified; }
    bool DocFileIncludesTool() override { return true; }
    bool DocFileIncludesFileSearch() override { return true; }
    void SetPathPlanLoadedFromNonDocFile() override {}
    void OnListFileNamed(bool named) override { listFileNamed.push_back(named); }
    bool QueryAllowOK(bool useIndexingService) override
    {
        allowAsked.push_back(useIndexingService);
        return allow;
    }

    int modified = 0;
    std::vector<bool> listFileNamed;
    std::vector<bool> allowAsked;
    bool allow = true;
};

class DirPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        theApp.m_boxes.clear();
        m_key = FreshKey("Dir");
    }
    void TearDown() override { DeleteTestsKey(); }

    // A page made anew on a new Dir bridge, run in the settings dialog.
    INT_PTR Run(const std::function<void(KyDirGSubDialogPage&, SettingsHost&)>& script)
    {
        m_bridge = new DirBridge;
        m_page.reset(new KyDirGSubDialogPage(Kyvant::rc_ptr<Kyvant::AppBridge>(m_bridge), m_key));
        m_host.reset(new SettingsHost(*m_page));
        return m_host->Run([this, script] { script(*m_page, *m_host); });
    }
    // The arguments of OK after the script.
    Args OkArgs(const std::function<void(KyDirGSubDialogPage&)>& script)
    {
        Run([&](KyDirGSubDialogPage& page, SettingsHost& host) {
            script(page);
            host.PressOK();
        });
        return m_host->argv;
    }

    Kyvant::RegKey m_key;
    DirBridge* m_bridge = nullptr;
    std::unique_ptr<KyDirGSubDialogPage> m_page;
    std::unique_ptr<SettingsHost> m_host;
};

// Picks the entry of a drop list as the user does: the selection changes
// and the page hears of it.
inline void Choose(CWnd& page, int id, int index)
{
    CWnd* combo = page.GetDlgItem(id);
    combo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
    page.SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo->m_hWnd));
    PumpPending();
}

// Types into a drop-down combo's edit key by key, replacing what it holds
// (an empty text deletes it).
inline void TypeIn(CWnd& page, int id, const std::string& text)
{
    CWnd* edit = page.GetDlgItem(id)->GetWindow(GW_CHILD);
    edit->SendMessage(EM_SETSEL, 0, -1);
    if (text.empty())
        edit->SendMessage(WM_CHAR, VK_BACK, 0);
    for (char c : text)
        edit->SendMessage(WM_CHAR, static_cast<unsigned char>(c), 0);
    PumpPending();
}

// The editor buttons answer a press of the mouse, as the user gives it.
inline void ClickEditorButton(CWnd& page, int id)
{
    CWnd* button = page.GetDlgItem(id);
    CRect client;
    button->GetClientRect(&client);
    const LPARAM at = MAKELPARAM(client.CenterPoint().x, client.CenterPoint().y);
    button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    button->SendMessage(WM_LBUTTONUP, 0, at);
    PumpPending();
}

inline std::string Flag(bool on)
{
    return std::string(1, on ? '\1' : '\0');
}

} // namespace dirtest
