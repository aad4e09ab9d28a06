// KYVANT_TASK_LINK: what a front-end's task link makes of its own and its
// console tool's program names: the names of the task objects (each after
// the protocol prefix, "Kyvant_<front-end>_<tool>_<role>"), the tool's
// command line, the environment variable with the front-end's process
// handle, the start's errors, and the whole protocol with the task-end
// message and the message reader's read size. Standing in a namespace it
// declares there kBlockName, kDialogEndedName, kGoName, kGoAwayName,
// kToolCommandLine, kProcessVariable, kToolMissingError, kToolEndedError
// and kProtocol.
#pragma once

#include "FinderLink/Task/LinkProtocol.h"

#define KYVANT_TASK_LINK(frontEnd, tool, taskEndMessage, messageReadSize)                          \
    constexpr char kBlockName[] = "Kyvant_" frontEnd "_" tool "_ShMem";                            \
    constexpr char kDialogEndedName[] = "Kyvant_" frontEnd "_" tool "_Dlg_Term_Event";             \
    constexpr char kGoName[] = "Kyvant_" frontEnd "_" tool "_Go_Event";                            \
    constexpr char kGoAwayName[] = "Kyvant_" frontEnd "_" tool "_GoAway_Event";                    \
    /* Started from the search path, without arguments. */                                         \
    constexpr char kToolCommandLine[] = tool ".exe";                                               \
    /* The front-end's inheritable process handle, in decimal, for the tool. */                    \
    constexpr char kProcessVariable[] = "Kyvant_" frontEnd "_Process_Hdl";                         \
    constexpr char kToolMissingError[] = "Unable to initialize " tool " - Code 5";                 \
    constexpr char kToolEndedError[] = "Unable to initialize " tool " - Code 4";                   \
    inline constexpr ::Kyvant::FinderLink::LinkProtocol kProtocol = {                              \
        kBlockName,        kDialogEndedName, kGoName,        kGoAwayName,    kToolCommandLine,     \
        kToolMissingError, kToolEndedError,  taskEndMessage, messageReadSize}
