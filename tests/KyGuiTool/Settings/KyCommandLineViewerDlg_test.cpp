// Tests of the command-line viewer: a command line longer than an edit's
// usual limit shows whole, both fields in a fixed-pitch font.
#include "KyGuiTool/Settings/KyCommandLineViewerDlg.h"

#include "KyGuiTool/Settings/SettingsResource.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string FaceOf(HWND control)
{
    LOGFONTA font = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font,
                 &font);
    return font.lfFaceName;
}

TEST(CommandLineViewer, ShowsALongCommandLineWholeInAFixedPitchFont)
{
    const std::string longArgument(40000, 'a');
    const Kyvant::ky_S commandLine(("KyTest.exe " + longArgument).c_str());
    const Kyvant::ky_S arguments(("KyTest.exe\r\n" + longArgument + "\r\n").c_str());
    int commandLength = 0, argumentsLength = 0;
    std::string commandFace, argumentsFace;
    OnNextModalIdle([&](CWnd* viewer) {
        HWND command = ::GetDlgItem(viewer->m_hWnd, IDC_KY_VIEWER_COMMAND);
        HWND args = ::GetDlgItem(viewer->m_hWnd, IDC_KY_VIEWER_ARGS);
        commandLength = ::GetWindowTextLengthA(command);
        argumentsLength = ::GetWindowTextLengthA(args);
        commandFace = FaceOf(command);
        argumentsFace = FaceOf(args);
        ::SendMessageA(viewer->m_hWnd, WM_COMMAND, IDOK, 0);
    });
    KyCommandLineViewerDlg viewer(arguments, commandLine);
    EXPECT_EQ(IDOK, viewer.DoModal());
    EXPECT_EQ(static_cast<int>(commandLine.size()), commandLength);
    EXPECT_EQ(static_cast<int>(arguments.size()), argumentsLength);
    EXPECT_EQ("Courier New", commandFace);
    EXPECT_EQ("Courier New", argumentsFace);
}

} // namespace
