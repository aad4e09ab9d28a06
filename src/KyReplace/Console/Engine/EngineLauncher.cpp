// Starting the engine program with its options and script, its standard error into a pipe.
#include "KyReplace/Console/Engine/EngineLauncher.h"

#include "KyReplace/Console/App/ReplaceRegistry.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Processes/Redirector.h"
#include "KyStd/Strings/CommandLine.h"

#include <process.h>

#include <vector>

namespace Kyvant {

CRT::Process LaunchEngine(const ky_F& program, const ky_F& scriptName, CRT::Pipe& stderrPipe)
{
    std::vector<ky_S> words;
    words.push_back(program);
    const ky_S options = ReadEngineOptions();
    for (CommandLine::Iterator it(options), end; it != end; ++it)
        words.push_back(*it);
    words.push_back(scriptName);
    std::vector<const char*> args;
    for (const ky_S& word : words)
        args.push_back(word.c_str());

    CRT::Process engine;
    CRT::Redirector redirect(stderrPipe.GetFd(CRT::Pipe::WriteEnd), 2);
    engine.Spawn(_P_NOWAIT, program.c_str(),
                 forward_input_sequencer<std::vector<const char*>>(args), true);
    stderrPipe.CloseImp(CRT::Pipe::WriteEnd);
    redirect.Restore();
    return engine;
}

} // namespace Kyvant
