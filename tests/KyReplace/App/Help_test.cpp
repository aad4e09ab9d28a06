// A lone "-?" opens the help file at the program's topic and ends with 2.
#include "KyReplace/Console/App/HelpLauncher.h"
#include "KyReplace/Console/App/RunKyReplace.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct HelpCall {
    int count = 0;
    std::string file;
    UINT command = 0;
    ULONG_PTR data = 0;
} g_help;

void RecordHelp(const char* file, UINT command, ULONG_PTR data)
{
    ++g_help.count;
    g_help.file = file;
    g_help.command = command;
    g_help.data = data;
}

} // namespace

TEST(KyReplaceHelp, LoneQuestionMarkOpensTheHelpFile)
{
    for (const char* word : {"-?", "-?more"}) {
        g_help = HelpCall();
        const Kyvant::HelpOpener previous = Kyvant::SetHelpOpener(RecordHelp);
        char program[] = "KyReplace.exe";
        std::string arg = word;
        char* argv[] = {program, &arg[0], nullptr};
        const int exitCode = Kyvant::RunKyReplace(2, argv);
        Kyvant::SetHelpOpener(previous);

        EXPECT_EQ(2, exitCode) << word;
        EXPECT_EQ(1, g_help.count) << word;
        EXPECT_EQ("KyTools.hlp", g_help.file);
        EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), g_help.command);
        EXPECT_EQ(0x68u, g_help.data);
    }
}
