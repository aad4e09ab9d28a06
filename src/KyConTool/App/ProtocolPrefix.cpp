// The protocol prefix: taken from the environment or made from the process id, reset and removed.
#include "KyConTool/App/ProtocolPrefix.h"

#include "KyStd/Core/CritSec.h"

#include <windows.h>

#include <string>

namespace Kyvant {

namespace {

const char kVariable[] = "Kyvant_Protocol_Prefix_EnvVar";

struct PrefixState {
    Win32::CritSec lock;
    ky_S prefix;
    bool computed = false;
};

PrefixState& State()
{
    static PrefixState state;
    return state;
}

// Both the C runtime's copy (for _spawn) and the process's own environment
// (for CreateProcess) carry the variable.
void RemoveVariable()
{
    ky_S().PutEnv(kVariable, ky_S::npos, true);
}

} // namespace

const ky_S& GetProtocolPrefix()
{
    PrefixState& state = State();
    Win32::CritSecLock lock(state.lock);
    if (!state.computed) {
        ky_S value;
        value.GetEnv(kVariable, "");
        if (value.empty()) {
            value = std::to_string(GetCurrentProcessId()).c_str();
            value += '_';
            value.PutEnv(kVariable, ky_S::npos, true);
        }
        state.prefix = value;
        state.computed = true;
    }
    return state.prefix;
}

void ResetProtocolPrefix()
{
    PrefixState& state = State();
    Win32::CritSecLock lock(state.lock);
    if (state.computed) {
        RemoveVariable();
        state.prefix = "";
        state.computed = false;
    }
}

void RemoveProtocolPrefixFromEnvironment()
{
    RemoveVariable();
}

} // namespace Kyvant
