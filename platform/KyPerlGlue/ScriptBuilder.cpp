// The engine's script for one configuration: its events, its temporary file and its removal.
#include "KyPerlGlue/ScriptBuilder.h"

#include "KyPerlGlue/PerlConfiguration.h"
#include "KyPerlGlue/PerlEvents.h"
#include "KyPerlGlue/ScriptFile.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <string>

namespace Kyvant {
namespace PerlGlue {

Win32::Event g_evPerlReady;
Win32::Event g_evPerlNormalExit;

namespace {

// The ready event is named for the front-end, which opens it under the
// protocol prefix that this process shares with it through the environment.
std::string ReadyEventName()
{
    const char* prefix = std::getenv("Kyvant_Protocol_Prefix_EnvVar");
    return std::string(prefix ? prefix : "") + "Kyvant_Perl_Ready_Event";
}

// Unique per process and builder, so several runs never share an event.
std::string EventName(const char* role)
{
    static std::atomic<unsigned> counter{0};
    return std::string("KyPerlGlue_") + role + "_" + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(++counter);
}

} // namespace

ScriptBuilder::ScriptBuilder(PerlConfiguration& configuration)
{
    ScriptContents contents;
    contents.readyEventName = ReadyEventName();
    contents.normalExitEventName = EventName("NormalExit");
    contents.options = configuration.Options();
    contents.rules = configuration.Rules();

    // An earlier builder's event goes first: the name is created exclusively.
    g_evPerlReady = Win32::Event();
    g_evPerlReady = Win32::Event(true, contents.readyEventName.c_str());
    g_evPerlNormalExit = Win32::Event(true, contents.normalExitEventName.c_str());

    scriptName_.ToTempFileName();
    try {
        WriteScript(scriptName_.c_str(), contents);
    } catch (...) {
        DeleteFileA(scriptName_.c_str());
        throw;
    }
}

ScriptBuilder::~ScriptBuilder()
{
    DeleteFileA(scriptName_.c_str());
}

} // namespace PerlGlue
} // namespace Kyvant
