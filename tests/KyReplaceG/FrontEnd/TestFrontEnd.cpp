// A front-end for the tests that KyReplace starts: built as KyReplaceG.exe
// in a folder of its own beside copies of KyReplace.exe and KyPerl.exe, so
// that KyReplace run from there starts it. Its application is a KyGuiApp,
// so it takes KyReplace's hand-off variables as the front-end does, and its
// view is the tests' view, run by the script in KYTEST_REPLACEG_SCRIPT
// (View/ViewScript.h, with "log=<file>" for where its log goes). It runs one
// task inside InitInstance and logs every line its view logged, then
// "end".
#include "View/TestReplaceView.h"
#include "View/ViewScript.h"

#include "KyGuiTool/App/KyGuiApp.h"
#include "KyReplace/Gui/Task/FrontEndProcessVariable.h"
#include "KyStd/Registry/RegKey.h"
#include "common/SplitText.h"

#include <afxwin.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

using namespace replgtest;

namespace {

const char kAppKey[] = "Software\\Kyvant\\Tools\\KyReplaceGTestFrontEnd";
const DWORD kTaskTimeoutMs = 60000;

std::string LogPath(const std::string& script)
{
    for (const std::string& item : kytest::Split(script, ';'))
        if (item.compare(0, 4, "log=") == 0)
            return item.substr(4);
    return std::string();
}

class TestFrontEndApp : public KyGuiApp {
public:
    TestFrontEndApp() : KyGuiApp(Kyvant::RegKey(HKEY_CURRENT_USER, kAppKey), "Replace Test") {}

    BOOL InitInstance() override
    {
        const char* text = std::getenv("KYTEST_REPLACEG_SCRIPT");
        const std::string script = text ? text : "";
        std::string log = std::string("console=") + (GetConProcess().empty() ? "no" : "yes") + "\n";
        try {
            InitRichEdit();
            Kyvant::PublishFrontEndProcess();
            TestReplaceView view(ViewScript::Parse(script));
            if (!view.Create("Replace (test front-end)"))
                throw std::runtime_error("no view window");
            m_pMainWnd = &view;
            view.StartTask();
            if (!PumpUntil([&view] { return view.Ended(); }, kTaskTimeoutMs))
                log += "timed out\n";
            log += view.LogText();
            m_pMainWnd = nullptr;
        } catch (const std::exception& e) {
            log += std::string("failed: ") + e.what() + "\n";
        }
        log += "end\n";
        if (FILE* f = std::fopen(LogPath(script).c_str(), "wb")) {
            std::fputs(log.c_str(), f);
            std::fclose(f);
        }
        return FALSE;
    }

    int DoMessageBox(LPCSTR prompt, UINT, UINT) override
    {
        std::fprintf(stderr, "box: %s\n", prompt ? prompt : "");
        return IDOK;
    }
};

TestFrontEndApp theApp;

} // namespace
