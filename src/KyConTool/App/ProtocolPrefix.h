// The protocol prefix: put before the name of every named kernel object of
// the suite, and shared by a tool and the processes it starts through the
// environment variable "Kyvant_Protocol_Prefix_EnvVar".
#pragma once

#include "KyConTool/KyConToolExport.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {

// The inherited variable's value, or else this process's id in decimal and
// "_", which is then exported to the environment for child processes.
// Computed once and kept until ResetProtocolPrefix.
KYCONTOOL_API const ky_S& GetProtocolPrefix();

// When a prefix was computed: removes the variable and forgets the prefix,
// so the next GetProtocolPrefix computes it again.
KYCONTOOL_API void ResetProtocolPrefix();

// Removes the variable from the environment; the kept prefix stays.
KYCONTOOL_API void RemoveProtocolPrefixFromEnvironment();

} // namespace Kyvant
