// A program that answers, in a process of its own, whether Visual C++ 6 and
// Visual Studio .NET are installed and running, then shows the settings
// dialog with the path-plan pages and prints its tabs and the page it opened
// on. Lines: "vc <present> <running>", "vsnet <present> <running>", one
// "tab <caption>" per tab, "active <caption>".
#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyGuiTool/DevEnvPages/DevEnvPresence.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogTabCtrl.h"
#include "KyGuiTool/Settings/AppBridges.h"
#include "KyGuiTool/Settings/KyBaseDialog.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/Win32/SharedMemory.h"

#include <afxwin.h>
#include <objbase.h>

#include <string>

namespace {

void Print(const std::string& line)
{
    const std::string text = line + "\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
                &written, nullptr);
}

std::string Answers(bool present, bool running)
{
    return std::to_string(present ? 1 : 0) + " " + std::to_string(running ? 1 : 0);
}

KyPathPlanSubDialogTabCtrl* g_tabs = nullptr;

// Prints the tabs once the dialog is up, then cancels it.
void ShowAndCancel(CWnd* window)
{
    AfxSetModalIdleHook(nullptr);
    for (unsigned i = 0; i < g_tabs->GetPageCount(); ++i)
        Print("tab " + std::string(g_tabs->GetPageCaption(i).c_str()));
    Print("active " + std::string(g_tabs->GetActivePageCaption().c_str()));
    window->PostMessage(WM_COMMAND, IDCANCEL);
}

class ProbeApp : public CWinApp {
public:
    ProbeApp() : CWinApp("KyGuiToolDevEnvProbe") {}

    BOOL InitInstance() override
    {
        ::CoInitialize(nullptr);
        Print("vc " + Answers(Kyvant::VC::IsPresent(), Kyvant::VC::IsRunning()));
        Print("vsnet " + Answers(Kyvant::VsNet::IsPresent(), Kyvant::VsNet::IsRunning()));
        {
            // The dialog hands its arguments over in a block of this
            // process's own, as a console tool would have made it.
            Kyvant::ResetProtocolPrefix();
            Kyvant::Win32::SharedMemory handoff(
                Kyvant::KyCreate, Kyvant::ToolHandoffBlock::kSize,
                (Kyvant::GetProtocolPrefix() + Kyvant::ToolHandoffBlock::kName).c_str());
            KyBaseDialog dialog(1, Kyvant::ky_S("Probe"), Kyvant::ky_F("ProbeG.exe"),
                                Kyvant::ky_F("Probe.exe"), Kyvant::ky_S("kyprb"),
                                Kyvant::ky_S("Probe Tasks (*.kyprb)|*.kyprb||"));
            const Kyvant::rc_ptr<Kyvant::AppBridge> bridge(new Kyvant::PathPlanAppBridge(dialog));
            g_tabs = new KyPathPlanSubDialogTabCtrl(bridge, nullptr);
            dialog.SetSubDialogs(nullptr, g_tabs);
            AfxSetModalIdleHook(&ShowAndCancel);
            Print("result " + std::to_string(dialog.DoModal()));
        }
        ::CoUninitialize();
        return FALSE;
    }

    // A probe that got this far ends with 0, whatever the dialog gave.
    int ExitInstance() override
    {
        CWinApp::ExitInstance();
        return 0;
    }
};

ProbeApp theApp;

} // namespace
