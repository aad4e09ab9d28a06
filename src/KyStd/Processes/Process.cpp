// Spawning a child through _spawnvp, preferring the copy beside the program, and its exit code.
#include "KyStd/Processes/Process.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Strings/CommandLine.h"

#include <process.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace Kyvant {
namespace CRT {

namespace {

bool HasPathChar(const char* name)
{
    return std::strpbrk(name, "\\:/") != nullptr;
}

// The path of name in the running program's folder when such a file exists
// there; otherwise name itself.
std::string PreferBesideProgram(const char* name)
{
    if (HasPathChar(name))
        return name;
    char module[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, module, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return name;
    std::string path(module, n);
    std::string::size_type slash = path.find_last_of("\\/");
    if (slash == std::string::npos)
        return name;
    path.erase(slash + 1);
    path += name;
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return name;
    return path;
}

} // namespace

Process::Process(UINT_PTR handleValue)
    : Win32::BasicWaitableHandle<>(reinterpret_cast<HANDLE>(handleValue)), mode_(_P_NOWAIT),
      exitCode_(1)
{
}

Process::~Process() {}

void Process::init(int mode, bool closeHandle)
{
    mode_ = mode;
    exitCode_ = 1;
    if (closeHandle)
        close();
}

Process& Process::Spawn(int mode, const char* program, const char* const* argv)
{
    init(mode, true);
    if (!program || !argv)
        throw rtl_error(EINVAL);
    std::string path = PreferBesideProgram(program);
    intptr_t result = _spawnvp(mode, path.c_str(), argv);
    if (result == -1)
        throw rtl_error(errno);
    if (mode == _P_NOWAIT)
        attach(reinterpret_cast<HANDLE>(result));
    else if (mode != _P_OVERLAY)
        exitCode_ = static_cast<DWORD>(result);
    return *this;
}

Process& Process::Spawn(int mode, const char* program, const input_sequencer<const char*>& args,
                        bool quote)
{
    std::vector<ky_S> quoted;
    std::vector<const char*> argv;
    for (; !args.at_end(); args.next()) {
        const char* arg = args.current();
        // A null element would cut the list short.
        if (!arg)
            throw rtl_error(EINVAL);
        argv.push_back(arg);
    }
    if (quote) {
        // Forced quotes keep empty arguments and blanks intact.
        quoted.reserve(argv.size());
        for (const char*& arg : argv) {
            quoted.push_back(CommandLine::QuoteArg(arg, ky_S::npos, true));
            arg = quoted.back().c_str();
        }
    }
    argv.push_back(nullptr);
    return Spawn(mode, program, argv.data());
}

bool Process::GetExitCode(const std::nothrow_t&, DWORD& code) const
{
    if (mode_ == _P_WAIT || mode_ == _P_DETACH) {
        code = exitCode_;
        return true;
    }
    return !empty() && GetExitCodeProcess(get(), &code);
}

void Process::GetExitCode(DWORD& code) const
{
    if (GetExitCode(std::nothrow, code))
        return;
    if (empty())
        throw os_error(ERROR_INVALID_HANDLE);
    throw os_error();
}

} // namespace CRT
} // namespace Kyvant
