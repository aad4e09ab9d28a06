// The task link's names made from two programs' names: each object, the
// command line, the process variable and the start's errors, and the
// protocol that carries them with the end message and the read size.
#include "FinderLink/Task/TaskLinkNames.h"

#include <gtest/gtest.h>

#include <string>

namespace SampleTask {

const UINT kSampleEnd = WM_APP + 7;
const unsigned kSampleReadSize = 321;

KYVANT_TASK_LINK("KySampleG", "KySample", kSampleEnd, kSampleReadSize);

} // namespace SampleTask

namespace {

struct NameCase {
    const char* made;
    const char* expected;
};

TEST(TaskLinkNames, FollowTheTwoProgramsNames)
{
    const NameCase cases[] = {
        {SampleTask::kBlockName, "Kyvant_KySampleG_KySample_ShMem"},
        {SampleTask::kDialogEndedName, "Kyvant_KySampleG_KySample_Dlg_Term_Event"},
        {SampleTask::kGoName, "Kyvant_KySampleG_KySample_Go_Event"},
        {SampleTask::kGoAwayName, "Kyvant_KySampleG_KySample_GoAway_Event"},
        {SampleTask::kToolCommandLine, "KySample.exe"},
        {SampleTask::kProcessVariable, "Kyvant_KySampleG_Process_Hdl"},
        {SampleTask::kToolMissingError, "Unable to initialize KySample - Code 5"},
        {SampleTask::kToolEndedError, "Unable to initialize KySample - Code 4"},
    };
    for (const NameCase& name : cases)
        EXPECT_EQ(std::string(name.expected), name.made);
}

TEST(TaskLinkNames, ProtocolCarriesTheNamesInTheirPlaces)
{
    const Kyvant::FinderLink::LinkProtocol& protocol = SampleTask::kProtocol;
    EXPECT_EQ(SampleTask::kBlockName, protocol.blockName);
    EXPECT_EQ(SampleTask::kDialogEndedName, protocol.dialogEndedName);
    EXPECT_EQ(SampleTask::kGoName, protocol.goName);
    EXPECT_EQ(SampleTask::kGoAwayName, protocol.goAwayName);
    EXPECT_EQ(SampleTask::kToolCommandLine, protocol.commandLine);
    EXPECT_EQ(SampleTask::kToolMissingError, protocol.toolMissingError);
    EXPECT_EQ(SampleTask::kToolEndedError, protocol.toolEndedError);
    EXPECT_EQ(SampleTask::kSampleEnd, protocol.taskEndMessage);
    EXPECT_EQ(SampleTask::kSampleReadSize, protocol.messageReadSize);
}

} // namespace
