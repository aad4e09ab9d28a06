// Kyvant::TaskFileInitialDirManager: the value name and the program's keys.
#include "KyGuiTool/TaskFiles/TaskFileInitialDirManager.h"

#include "KyGuiTool/App/KyGuiApp.h"

#include <afxwin.h>

namespace Kyvant {

namespace {

const char kToolsKey[] = "Software\\Kyvant\\Tools";
const char kSharedKey[] = "Software\\Kyvant\\Tools\\Shared";

// The front-end's own key; a program without the application base uses the
// key named after it under the tools' key.
RegKey ProgramKey()
{
    if (KyGuiApp::s_pApp != nullptr)
        return KyGuiApp::s_pApp->GetRegKey();
    const RegKey tools(HKEY_CURRENT_USER, kToolsKey);
    const char* name = AfxGetAppName();
    return RegKey(tools, name != nullptr && name[0] != '\0' ? name : "Shared");
}

RegKey SharedKey()
{
    if (KyGuiApp::s_pApp != nullptr)
        return KyGuiApp::s_pApp->GetKyvantSharedRegKey();
    return RegKey(HKEY_CURRENT_USER, kSharedKey);
}

} // namespace

const char TaskFileInitialDirManager::kValueName[] = "TaskFileLastLocation";

TaskFileInitialDirManager::TaskFileInitialDirManager(KyFileDialog& dialog)
    : TaskFileInitialDirManager(dialog, ProgramKey(), SharedKey())
{
}

TaskFileInitialDirManager::TaskFileInitialDirManager(KyFileDialog& dialog, const RegKey& appKey,
                                                     const RegKey& sharedKey)
    : InitialDirManager2(dialog, appKey, sharedKey, ky_S(kValueName))
{
}

} // namespace Kyvant
