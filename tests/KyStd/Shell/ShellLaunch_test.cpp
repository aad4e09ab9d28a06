// Tests of opening files through the shell: the "openas" retry, given verbs and "properties".
#include "KyStd/Shell/ShellLaunch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Kyvant;

namespace {

// How the fake shell answers one call.
struct Answer {
    BOOL ok;
    INT_PTR instApp;
    DWORD lastError;
};
const Answer kDone = {TRUE, 42, 0};
const Answer kNotFound = {FALSE, SE_ERR_FNF, ERROR_FILE_NOT_FOUND};

std::vector<SHELLEXECUTEINFOA> calls; // verbs and files point to the caller's texts
std::vector<Answer> answers;

BOOL WINAPI FakeShell(SHELLEXECUTEINFOA* info)
{
    calls.push_back(*info);
    Answer a = answers.empty() ? kNotFound : answers.front();
    if (!answers.empty())
        answers.erase(answers.begin());
    info->hInstApp = reinterpret_cast<HINSTANCE>(a.instApp);
    SetLastError(a.lastError);
    return a.ok;
}

// Installs the fake shell with its answers for one scope.
struct FakeShellScope {
    explicit FakeShellScope(std::vector<Answer> a)
        : previous(Shell::SetShellExecuteFunction(&FakeShell))
    {
        calls.clear();
        answers = a;
    }
    ~FakeShellScope() { Shell::SetShellExecuteFunction(previous); }
    Shell::ShellExecuteFunction previous;
};

std::string Verb(const SHELLEXECUTEINFOA& call)
{
    return call.lpVerb ? call.lpVerb : "";
}

} // namespace

TEST(ShellLaunch, NoAssociationInEitherFormRetriesWithOpenAs)
{
    const struct {
        Answer first, second;
        bool result;
        size_t calls;
    } cases[] = {
        {kDone, kDone, true, 1},
        {{FALSE, SE_ERR_NOASSOC, 0}, kDone, true, 2},
        {{FALSE, ERROR_NO_ASSOCIATION, 0}, kDone, true, 2},
        {{FALSE, 0, ERROR_NO_ASSOCIATION}, kNotFound, false, 2},
        {kNotFound, kDone, false, 1}, // a missing file
    };
    for (const auto& c : cases) {
        FakeShellScope shell({c.first, c.second});
        EXPECT_EQ(c.result, Shell::LaunchFile("C:\\data\\file.xyz", "-a"));
        ASSERT_EQ(c.calls, calls.size());
        EXPECT_EQ("", Verb(calls[0]));
        EXPECT_EQ(SW_SHOWNORMAL, calls[0].nShow);
        if (c.calls == 2) {
            EXPECT_EQ("openas", Verb(calls[1]));
            EXPECT_STREQ("C:\\data\\file.xyz", calls[1].lpFile);
            EXPECT_STREQ("-a", calls[1].lpParameters);
        }
    }
    FakeShellScope shell({kDone});
    EXPECT_FALSE(Shell::LaunchFile(nullptr));
    EXPECT_TRUE(calls.empty()) << "a null file never reaches the shell";
}

TEST(ShellLaunch, GivenVerbsAreNotRetriedAndPropertiesInvokesTheItemVerb)
{
    const struct {
        const char* verb;
        ULONG mask;
    } cases[] = {{"open", 0}, {"properties", SEE_MASK_INVOKEIDLIST}, {"PROPERTIES", 0x0C}};
    for (const auto& c : cases) {
        FakeShellScope shell({{FALSE, SE_ERR_NOASSOC, ERROR_NO_ASSOCIATION}});
        EXPECT_FALSE(Shell::LaunchFile("f.txt", nullptr, c.verb, GetDesktopWindow()));
        ASSERT_EQ(1u, calls.size()) << c.verb;
        EXPECT_EQ(c.verb, Verb(calls[0]));
        EXPECT_EQ(c.mask, calls[0].fMask) << c.verb;
        EXPECT_EQ(nullptr, calls[0].hwnd) << "no owner window";
    }
}
