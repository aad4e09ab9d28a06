// The commands every front-end's application chains to: the Indexing Service
// message, the home page, the About box and the main help topic.
#include "KyGuiTool/App/KyGuiApp.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGuiTool/App/AboutBox.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Shell/ShellLaunch.h"

using namespace Kyvant;

BEGIN_MESSAGE_MAP(KyGuiApp, CWinApp)
    ON_COMMAND(ID_KY_INDEXING_SERVICE_MESSAGE, OnDisplayIndexingServiceMessage)
    ON_UPDATE_COMMAND_UI(ID_KY_INDEXING_SERVICE_MESSAGE, OnUpdateIndexingServiceMessage)
    ON_COMMAND(ID_KY_HELP_WEB, OnHelpWeb)
    ON_COMMAND(ID_KY_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_KY_HELP_MAIN, CWinApp::OnHelp)
END_MESSAGE_MAP()

namespace {

const char kHomePage[] = "http://www.kyvant.com/";

} // namespace

void KyGuiApp::OnHelpWeb()
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.hwnd = AfxGetMainWnd()->GetSafeHwnd();
    info.lpVerb = "open";
    info.lpFile = kHomePage;
    info.nShow = SW_SHOWNORMAL;
    if (!Shell::RunShellExecute(info))
        throw MfcStdException::Create(os_error());
}

void KyGuiApp::OnAppAbout()
{
    ShowAboutBox();
}
