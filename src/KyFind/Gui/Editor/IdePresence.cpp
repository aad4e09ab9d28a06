// The development environments' presence as the Find front-end asks for it, behind a replaceable
// table.
#include "KyFind/Gui/Editor/IdePresence.h"

#include "KyGuiTool/DevEnvPages/DevEnvPresence.h"

namespace Kyvant {
namespace FindEditor {

namespace {

const IdePresence kSystemPresence = {&VC::IsPresent, &VsNet::IsPresent, &VsNet::IsRunning};
IdePresence g_presence = kSystemPresence;

} // namespace

const IdePresence& GetIdePresence()
{
    return g_presence;
}

IdePresence SetIdePresence(const IdePresence* presence)
{
    const IdePresence old = g_presence;
    g_presence = presence ? *presence : kSystemPresence;
    return old;
}

Ide IdeToUse()
{
    const IdePresence& p = GetIdePresence();
    if (p.vsNetPresent() && (!p.vcPresent() || p.vsNetRunning()))
        return Ide::VsNet;
    return p.vcPresent() ? Ide::VisualCpp : Ide::None;
}

} // namespace FindEditor
} // namespace Kyvant
