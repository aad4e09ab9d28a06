// The test front-end's settings dialog and the stages that drive it and the
// dialogs it opens.
#include "FrontEndSettings.h"

#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogTabCtrl.h"
#include "KyGuiTool/Settings/AppBridges.h"
#include "KyGuiTool/Settings/KyBaseDialog.h"
#include "Settings/SettingsPages.h"
#include "common/SplitText.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace frontend {

namespace {

const char kConsoleProgram[] = "KyConTool_tool.exe";
const char kGuiProgram[] = "KyGuiTool_frontend.exe";
const char kExtension[] = "kytst";
const char kFilter[] = "Test Tasks (*.kytst)|*.kytst|All Files (*.*)|*.*||";
const int kHelpId = 7;
const char kPathPlanPages[] = "pathplans";
const char kHandoffSubkey[] = "\\ShellExArgs";

struct Found {
    int id;
    HWND window;
};

BOOL CALLBACK FindById(HWND window, LPARAM param)
{
    Found* found = reinterpret_cast<Found*>(param);
    if (::GetDlgCtrlID(window) != found->id)
        return TRUE;
    found->window = window;
    return FALSE;
}

// The first descendant with the id.
HWND Descendant(HWND dialog, int id)
{
    Found found = {id, nullptr};
    ::EnumChildWindows(dialog, &FindById, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

std::string TextOf(HWND window)
{
    char text[1024] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

BOOL CALLBACK AddText(HWND window, LPARAM param)
{
    const std::string text = TextOf(window);
    if (!text.empty())
        *reinterpret_cast<std::string*>(param) +=
            " " + std::to_string(::GetDlgCtrlID(window)) + "=" + text;
    return TRUE;
}

void Step(CWnd& dialog, const std::string& step)
{
    const std::vector<std::string> parts = kytest::Split(step, ':');
    const std::string& verb = parts[0];
    const int id = parts.size() > 1 ? std::atoi(parts[1].c_str()) : 0;
    HWND control = id != 0 ? Descendant(dialog.m_hWnd, id) : nullptr;
    if (verb == "text" && control != nullptr) {
        const size_t at = step.find(':', step.find(':') + 1);
        ::SetWindowTextA(control, at == std::string::npos ? "" : step.c_str() + at + 1);
    } else if (verb == "click" && control != nullptr) {
        ::PostMessageA(control, BM_CLICK, 0, 0);
    } else if (verb == "click" || verb == "cmd") {
        dialog.PostMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    } else if (verb == "main" && AfxGetMainWnd() != nullptr) {
        AfxGetMainWnd()->PostMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    } else if (verb == "log") {
        std::string line = "stage caption=" + TextOf(dialog.m_hWnd) + " controls:";
        ::EnumChildWindows(dialog.m_hWnd, &AddText, reinterpret_cast<LPARAM>(&line));
        Log(line);
    } else {
        Log("unknown step " + step);
    }
}

} // namespace

bool RunNextStage(const Script& script, size_t& used, CWnd& dialog)
{
    if (used >= script.stages.size())
        return false;
    for (const std::string& step : kytest::Split(script.stages[used++], ';'))
        Step(dialog, step);
    return true;
}

INT_PTR RunSettingsDialog(KyGuiApp& app, const std::string& pages, const std::string& appKeyPath)
{
    KyBaseDialog dialog(kHelpId, Kyvant::ky_S("Test Task"), Kyvant::ky_F(kGuiProgram),
                        Kyvant::ky_F(kConsoleProgram), Kyvant::ky_S(kExtension),
                        Kyvant::ky_S(kFilter));
    if (pages == kPathPlanPages) {
        const Kyvant::rc_ptr<Kyvant::AppBridge> bridge(new Kyvant::PathPlanAppBridge(dialog));
        dialog.SetSubDialogs(
            nullptr, new KyPathPlanSubDialogTabCtrl(bridge, (appKeyPath + kHandoffSubkey).c_str()));
    } else {
        settingstest::AddTestPages(dialog, Kyvant::RegKey(app.GetRegKey(), "Pages"),
                                   [](const std::string& call) { Log("page " + call); });
    }
    return dialog.DoModal();
}

} // namespace frontend
