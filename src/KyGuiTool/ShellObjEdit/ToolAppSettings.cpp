// Kyvant::ToolAppSettings: the front-end's keys and browse folder, or their
// registry places when the program has no application base.
#include "KyGuiTool/ShellObjEdit/ToolAppSettings.h"

#include "KyGuiTool/App/KyGuiApp.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Registry/RegValues.h"

#include <afxwin.h>

namespace Kyvant {
namespace ToolAppSettings {

namespace {

const char kToolsKey[] = "Software\\Kyvant\\Tools";
const char kSharedKey[] = "Software\\Kyvant\\Tools\\Shared";
const char kBrowseFolderValue[] = "BrowseFolderPath";
const char kUnnamedProgram[] = "Shared";

} // namespace

RegKey ApplicationKey()
{
    if (KyGuiApp::s_pApp != nullptr)
        return KyGuiApp::s_pApp->GetRegKey();
    const RegKey tools(HKEY_CURRENT_USER, kToolsKey);
    const char* name = AfxGetAppName();
    return RegKey(tools, name != nullptr && name[0] != '\0' ? name : kUnnamedProgram);
}

ky_S BrowseFolderPath()
{
    if (KyGuiApp::s_pApp != nullptr)
        return KyGuiApp::s_pApp->GetBrowseFolderPath();
    ky_S path;
    path.LoadStringA(RegKey(HKEY_CURRENT_USER, kSharedKey).get(), kBrowseFolderValue, "");
    return path;
}

void SetBrowseFolderPath(const ky_BSB<char>& folder)
{
    if (KyGuiApp::s_pApp != nullptr) {
        KyGuiApp::s_pApp->SetBrowseFolderPath(folder);
        return;
    }
    WriteRegistryString(RegKey(HKEY_CURRENT_USER, kSharedKey).get(), kBrowseFolderValue, folder);
}

void RememberFolderOf(const ky_BSB<char>& file)
{
    ky_F folder(file);
    folder.ToPathPart(true);
    SetBrowseFolderPath(folder);
}

} // namespace ToolAppSettings
} // namespace Kyvant
