// The tests' application object and the start of the windowing layer before the first test.
#include "ReplaceGTestApp.h"

#include "KyReplace/Gui/Task/FrontEndProcessVariable.h"
#include "KyStd/Registry/RegKey.h"

#include <gtest/gtest.h>

namespace replgtest {

namespace {

const char kAppKey[] = "Software\\Kyvant\\Tools\\KyReplaceGTest";

ReplaceGTestApp theApp;

class LayerEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_SHOWNORMAL);
        theApp.InitApplication();
        ASSERT_TRUE(theApp.InitInstance());
    }
};

const ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new LayerEnvironment);

} // namespace

ReplaceGTestApp::ReplaceGTestApp()
    : KyGuiApp(Kyvant::RegKey(HKEY_CURRENT_USER, kAppKey), "Kyvant KyReplaceG Tests")
{
}

BOOL ReplaceGTestApp::InitInstance()
{
    KyGuiApp::InitRichEdit();
    Kyvant::PublishFrontEndProcess();
    return TRUE;
}

int ReplaceGTestApp::DoMessageBox(LPCSTR prompt, UINT type, UINT)
{
    boxes.push_back(prompt ? prompt : "");
    boxTypes.push_back(type);
    return answerBox ? answerBox(boxes.back()) : IDOK;
}

BOOL ReplaceGTestApp::OnIdle(LONG count)
{
    if (idleHook && idleHook())
        idleHook = nullptr;
    return KyGuiApp::OnIdle(count);
}

ReplaceGTestApp& TestApp()
{
    return theApp;
}

} // namespace replgtest
