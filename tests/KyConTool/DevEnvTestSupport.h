// Helpers of the development-environment tests: COM and an application
// object for a test suite, scoped environment variables, and an add-in
// hand-off published the way the add-in does it.
#pragma once

#include "devenv/HandoffObject.h"
#include "devenv/Registration.h"
#include "KyConTool/App/KyConApp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

namespace devtest {

// COM for the suite, and an application object unless the program already
// has one (only one may exist at a time). Warnings go to standard error.
class DevEnvSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CoInitialize(nullptr);
        try {
            Kyvant::KyConApp::Instance();
        } catch (const std::logic_error&) {
            app_ = new App;
        }
    }
    static void TearDownTestSuite()
    {
        delete app_;
        app_ = nullptr;
        CoUninitialize();
    }
    void SetUp() override { Kyvant::KyConApp::Instance().ExitCode.Set(0); }
    static int ExitCode() { return Kyvant::KyConApp::Instance().ExitCode; }

private:
    class App : public Kyvant::KyConApp {
    public:
        App() : KyConApp(Kyvant::ky_F("none.exe"), Kyvant::ky_S("DevEnv tests")) {}
        void Main(int, char**) override {}
    };
    static inline App* app_ = nullptr;
};

// Sets (or, with null, removes) a variable of the C runtime's environment
// and restores it at the end.
class EnvVar {
public:
    EnvVar(const std::string& name, const char* value) : name_(name)
    {
        const char* old = std::getenv(name.c_str());
        hadOld_ = old != nullptr;
        if (old)
            old_ = old;
        Put(value);
    }
    ~EnvVar() { Put(hadOld_ ? old_.c_str() : nullptr); }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

private:
    void Put(const char* value)
    {
        std::string text = name_ + "=" + (value ? value : "");
        _putenv(text.c_str());
    }
    std::string name_;
    std::string old_;
    bool hadOld_ = false;
};

// The add-in of an environment: its object published in the running-object
// table under class `index`, answering interface `index` with app, and the
// variables that it sets ("KYVANT_VSNET_CLSID" only for VS.NET).
struct Handoff {
    Handoff(IUnknown* app, bool vsNet, int index = 0)
        : object(DevEnvStandIn::HandoffObject::New()),
          text(DevEnvStandIn::ClassText(DevEnvStandIn::kHandoffClasses[index])),
          vc("KYVANT_VC_CLSID", text.c_str()),
          vsnet("KYVANT_VSNET_CLSID", vsNet ? text.c_str() : nullptr)
    {
        object->Answer(index, app);
        running.reset(
            new DevEnvStandIn::RunningObject(object.get(), DevEnvStandIn::kHandoffClasses[index]));
        EXPECT_EQ(S_OK, running->Result());
    }

    DevEnvStandIn::ComRef<DevEnvStandIn::HandoffObject> object;
    std::string text;
    EnvVar vc;
    EnvVar vsnet;
    std::unique_ptr<DevEnvStandIn::RunningObject> running; // revoked first
};

} // namespace devtest
