// The administration object through the stand-in "Microsoft.ISAdm".
#include "IndexingServiceTestSupport.h"
#include "KyConTool/IndexingService/IndexingServiceAdmin.h"
#include "KyStd/Shell/Co.h"
#include "KyStd/Shell/ComError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using namespace Kyvant;
using IndexingService::Admin;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

class IndexingServiceAdmin : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(istest::InstallStandIns());
        log_ = kytest::ScratchDir::Temp() + "kyisadm_" + std::to_string(GetCurrentProcessId()) +
               ".log";
        DeleteFileA(log_.c_str());
        SetEnvironmentVariableA("KY_ISADM_LOG", log_.c_str());
    }
    void TearDown() override
    {
        for (const char* v : {"KY_ISADM_LOG", "KY_ISADM_STATE", "KY_ISADM_FAIL"})
            SetEnvironmentVariableA(v, nullptr);
        DeleteFileA(log_.c_str());
    }
    std::vector<std::string> Log() const { return kytest::ReadLines(log_); }

    Co::Initializer com_;
    std::string log_;
};

} // namespace

TEST_F(IndexingServiceAdmin, CallsReachTheObject)
{
    struct Case {
        const char* state;
        std::function<void(Admin&)> act;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"stopped", [](Admin& a) { a.Start(); }, {"Start"}},
        {"running", [](Admin& a) { a.Stop(); }, {"Stop"}},
        {"running", [](Admin& a) { a.Pause(); }, {"Pause"}},
        {"paused", [](Admin& a) { a.Continue(); }, {"Continue"}},
        {"stopped",
         [](Admin& a) { a.StartPaused(); },
         {"IsRunning -> false", "IsPaused -> false", "Start", "IsPaused -> false", "Pause"}},
        {"running",
         [](Admin& a) { a.StartPaused(); },
         {"IsRunning -> true", "IsPaused -> false", "Pause"}},
        {"paused",
         [](Admin& a) { a.StartPaused(); },
         {"IsRunning -> false", "IsPaused -> true", "IsPaused -> true"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        DeleteFileA(log_.c_str());
        SetEnvironmentVariableA("KY_ISADM_STATE", c.state);
        Admin admin;
        c.act(admin);
        std::vector<std::string> expected = {"Create"};
        expected.insert(expected.end(), c.calls.begin(), c.calls.end());
        EXPECT_THAT(Log(), ElementsAreArray(expected));
    }
}

TEST_F(IndexingServiceAdmin, StateQueries)
{
    struct Case {
        const char* state;
        bool running, paused, stopped;
    };
    const Case cases[] = {
        {"stopped", false, false, true},
        {"running", true, false, false},
        {"paused", false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        SetEnvironmentVariableA("KY_ISADM_STATE", c.state);
        Admin admin;
        EXPECT_EQ(admin.Running(), c.running);
        EXPECT_EQ(admin.Paused(), c.paused);
        EXPECT_EQ(admin.Stopped(), c.stopped);
    }
}

TEST_F(IndexingServiceAdmin, MachineNameGoesToTheObject)
{
    Admin local;
    EXPECT_TRUE(local.Machine().empty());
    Admin remote(ky_I("far"));
    EXPECT_EQ(std::string(remote.Machine().c_str()), "far");
    EXPECT_THAT(Log(), ElementsAre("Create", "Create", "put_MachineName name=far"));
}

TEST_F(IndexingServiceAdmin, FailuresCarryTheObjectsErrorInformation)
{
    SetEnvironmentVariableA("KY_ISADM_FAIL", "Start");
    Admin admin;
    try {
        admin.Start();
        ADD_FAILURE() << "no error";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_ACCESSDENIED);
        EXPECT_STREQ(static_cast<const char*>(e.Description()), "The service refused Start");
    }
    SetEnvironmentVariableA("KY_ISADM_FAIL", "put_MachineName");
    EXPECT_THROW(Admin(ky_I("far")), _com_error);
}
