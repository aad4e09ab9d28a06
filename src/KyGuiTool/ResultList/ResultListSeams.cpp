// The replaceable outside effects of the result list view.
#include "KyGuiTool/ResultList/ResultListSeams.h"

#include "KyStd/Win32/DllVersion.h"

namespace Kyvant {
namespace ResultList {

namespace {

bool DefaultExplorerMenu(Shell::ExplorerContextMenuHost& host, const ExplorerMenuRequest& request)
{
    if (request.path != nullptr)
        return host.DoExplorerContextMenu(request.path, request.point);
    if (request.selection == nullptr)
        return false;
    const forward_input_sequencer<std::vector<Shell::FsObj>> objects(*request.selection);
    return host.DoExplorerContextMenu(objects, request.point);
}

ComCtlVersionFunction& VersionFunction()
{
    static ComCtlVersionFunction f = &Shell::GetComCtl32Version;
    return f;
}

ExplorerMenuFunction& MenuFunction()
{
    static ExplorerMenuFunction f = &DefaultExplorerMenu;
    return f;
}

BeepFunction& BeepFunctionInstalled()
{
    static BeepFunction f = &::MessageBeep;
    return f;
}

template <class F>
F Exchange(F& installed, F f, F standard)
{
    const F old = installed;
    installed = f != nullptr ? f : standard;
    return old;
}

} // namespace

ComCtlVersionFunction SetComCtlVersionFunction(ComCtlVersionFunction f)
{
    return Exchange(VersionFunction(), f, &Shell::GetComCtl32Version);
}

DWORD ComCtlVersion()
{
    return VersionFunction()();
}

ExplorerMenuFunction SetExplorerMenuFunction(ExplorerMenuFunction f)
{
    return Exchange(MenuFunction(), f, &DefaultExplorerMenu);
}

bool ShowExplorerMenu(Shell::ExplorerContextMenuHost& host, const ExplorerMenuRequest& request)
{
    return MenuFunction()(host, request);
}

BeepFunction SetBeepFunction(BeepFunction f)
{
    return Exchange(BeepFunctionInstalled(), f, static_cast<BeepFunction>(&::MessageBeep));
}

void Beep(UINT type)
{
    BeepFunctionInstalled()(type);
}

} // namespace ResultList
} // namespace Kyvant
