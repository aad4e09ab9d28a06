// Publication while an environment is connected: slots, variables and what a tool started from it reads.
#include "AddInTestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using addintest::AddInSuite;
using addintest::Environment;
using addintest::Field;
using addintest::kSlotTexts;

class Handoff : public AddInSuite {};

TEST_F(Handoff, VsNetPublishesSlotOneAndItsToolReadsTheDteAcrossProcesses)
{
    Environment vs(Folder(), "vsnet", true);
    const std::string& report = vs.Connected();
    EXPECT_EQ("0", Field(report, "connected")) << report;
    EXPECT_EQ(kSlotTexts[0], Field(report, "vc")) << report;
    EXPECT_EQ(kSlotTexts[0], Field(report, "vsnet")) << report;
    EXPECT_NE(std::string::npos, report.find("reach_active=0 reach_interface=0\n"))
        << "the slot's class answers IKyvantVcApp1 in the tool's process: " << report;
    EXPECT_EQ("1", Field(report, "probe_found")) << report;
    EXPECT_EQ("7.1", Field(report, "probe_version")) << report;

    const std::string after = vs.Disconnect();
    EXPECT_EQ("", Field(after, "vc")) << after;
    EXPECT_EQ("", Field(after, "vsnet")) << after;
}

TEST_F(Handoff, EnvironmentsTakeTheFirstFreeSlotAndAFifthPublishesNothing)
{
    std::vector<std::unique_ptr<Environment>> running;
    for (int i = 0; i < 4; ++i) {
        running.emplace_back(new Environment(Folder(), "vsnet", false));
        EXPECT_EQ(kSlotTexts[i], Field(running.back()->Connected(), "vc")) << i;
        EXPECT_EQ(kSlotTexts[i], Field(running.back()->Connected(), "vsnet")) << i;
    }
    Environment fifth(Folder(), "vsnet", false);
    EXPECT_EQ("0", Field(fifth.Connected(), "connected")) << "the add-in still loads";
    EXPECT_EQ("", Field(fifth.Connected(), "vc"));
    EXPECT_EQ("", Field(fifth.Connected(), "vsnet"));

    // A freed slot is the first free one again.
    running[1]->Disconnect();
    Environment again(Folder(), "vsnet", false);
    EXPECT_EQ(kSlotTexts[1], Field(again.Connected(), "vc"));
}

TEST_F(Handoff, Vc6SetsOnlyTheVcVariableAndIsToldTheAddInsInfo)
{
    Environment vc(Folder(), "vc6", true);
    const std::string& report = vc.Connected();
    EXPECT_EQ(kSlotTexts[0], Field(report, "vc")) << report;
    EXPECT_EQ("", Field(report, "vsnet")) << report;
    EXPECT_NE(std::string::npos,
              report.find("info_instance=module info_dispatch=IConnectVC6 info_bitmaps=-1,-1 "
                          "info_cookie=42\n"))
        << report;
    EXPECT_EQ("0", Field(report, "connected"));
    EXPECT_EQ("-1", Field(report, "onconnection"));
    EXPECT_EQ("1", Field(report, "probe_found")) << report;

    const std::string after = vc.Disconnect();
    EXPECT_EQ("", Field(after, "vc"));
    EXPECT_EQ("", Field(after, "vsnet"));
}

TEST_F(Handoff, RefusedAddInInfoIsPassedOnAsTheConnectionResult)
{
    Environment vc(Folder(), "vc6-refuse", false);
    const std::string& report = vc.Connected();
    EXPECT_EQ("80070005", Field(report, "connected")) << report;
    EXPECT_EQ("0", Field(report, "onconnection")) << report;
}

TEST_F(Handoff, WithoutAnEnvironmentObjectTheToolGetsTheFailure)
{
    Environment vs(Folder(), "vsnet-nodte", true);
    const std::string& report = vs.Connected();
    EXPECT_EQ(kSlotTexts[0], Field(report, "vc")) << report;
    EXPECT_EQ("80004005", Field(report, "probe_error")) << report;
}

} // namespace
