// Kyvant::TaskFileInitialDirManager: the value name and the program's keys.
#include "KyGuiTool/TaskFiles/TaskFileInitialDirManager.h"

#include <afxwin.h>

namespace Kyvant {

namespace {

const char kToolsKey[] = "Software\\Kyvant\\Tools";
const char kSharedKey[] = "Software\\Kyvant\\Tools\\Shared";

// The program's own key under the tools' key, named after the program.
RegKey ProgramKey()
{
    const RegKey tools(HKEY_CURRENT_USER, kToolsKey);
    const char* name = AfxGetAppName();
    return RegKey(tools, name != nullptr && name[0] != '\0' ? name : "Shared");
}

} // namespace

const char TaskFileInitialDirManager::kValueName[] = "TaskFileLastLocation";

TaskFileInitialDirManager::TaskFileInitialDirManager(KyFileDialog& dialog)
    : TaskFileInitialDirManager(dialog, ProgramKey(), RegKey(HKEY_CURRENT_USER, kSharedKey))
{
}

TaskFileInitialDirManager::TaskFileInitialDirManager(KyFileDialog& dialog, const RegKey& appKey,
                                                     const RegKey& sharedKey)
    : InitialDirManager2(dialog, appKey, sharedKey, ky_S(kValueName))
{
}

} // namespace Kyvant
