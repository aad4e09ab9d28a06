// The Find and Dir task protocols.
#include "KyStandInTool/TaskProtocol.h"

namespace Kyvant {
namespace StandIn {

const TaskProtocol kFindTaskProtocol = {"KyFindG", "KyFind", "Kyvant_KyFindG_Process_Hdl", 1, true};
const TaskProtocol kDirTaskProtocol = {"KyDirG", "KyDir", "Kyvant_KyDirG_Process_Hdl", 0, false};

std::string TaskObjectName(const TaskProtocol& protocol, const char* role)
{
    return std::string("Kyvant_") + protocol.frontEnd + "_" + protocol.tool + "_" + role;
}

} // namespace StandIn
} // namespace Kyvant
