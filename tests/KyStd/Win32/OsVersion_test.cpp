// Tests of the system-version predicates on known systems, and of the process's record read once.
#include "KyStd/Win32/OsVersion.h"

#include <gtest/gtest.h>

#include <string>

using namespace Kyvant;

namespace {

// The names of the tests that hold for a version, in a fixed order.
std::string TrueTests(DWORD platform, DWORD major, DWORD minor)
{
    OSVERSIONINFOA v = {};
    v.dwOSVersionInfoSize = sizeof v;
    v.dwPlatformId = platform;
    v.dwMajorVersion = major;
    v.dwMinorVersion = minor;
    using namespace OsVersion;
    struct Test {
        const char* name;
        bool (*fn)(const OSVERSIONINFOA&);
    } tests[] = {{"AtLeastXP", AtLeastXP}, {"AtLeast2K", AtLeast2K}, {"AtLeastNT4", AtLeastNT4},
                 {"AtLeastME", AtLeastME}, {"AtLeast98", AtLeast98}, {"AtLeast95", AtLeast95},
                 {"IsXP", IsXP},           {"Is2K", Is2K},           {"IsNT4", IsNT4},
                 {"IsME", IsME},           {"Is98", Is98},           {"Is95", Is95}};
    std::string out;
    for (const Test& t : tests) {
        if (t.fn(v))
            out += std::string(out.empty() ? "" : " ") + t.name;
    }
    return out;
}

} // namespace

TEST(OsVersion, PredicatesOnKnownSystems)
{
    const DWORD NT = VER_PLATFORM_WIN32_NT, W9X = VER_PLATFORM_WIN32_WINDOWS;
    struct Row {
        const char* system;
        DWORD platform, major, minor;
        const char* expected;
    } rows[] = {
        {"Windows 95", W9X, 4, 0, "AtLeast95 Is95"},
        {"Windows 98", W9X, 4, 10, "AtLeast98 AtLeast95 Is98"},
        {"Windows ME", W9X, 4, 90, "AtLeastME AtLeast98 AtLeast95 IsME"},
        {"NT 3.51", NT, 3, 51, ""},
        {"NT 4.0", NT, 4, 0, "AtLeastNT4 IsNT4"},
        {"NT 4 minor 1", NT, 4, 1, "AtLeastNT4 IsNT4"},
        {"Windows 2000", NT, 5, 0, "AtLeast2K AtLeastNT4 Is2K"},
        {"Windows XP", NT, 5, 1, "AtLeastXP AtLeast2K AtLeastNT4 IsXP"},
        {"Server 2003", NT, 5, 2, "AtLeastXP AtLeast2K AtLeastNT4"},
        {"Windows 7", NT, 6, 1, "AtLeastXP AtLeast2K AtLeastNT4"},
        {"9x 5.0", W9X, 5, 0, "AtLeastME AtLeast98 AtLeast95"},
        {"Win32s", VER_PLATFORM_WIN32s, 4, 0, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(TrueTests(r.platform, r.major, r.minor), r.expected) << r.system;
}

TEST(OsVersion, ProcessRecordIsReadOnce)
{
    const OSVERSIONINFOA& info = OsVersion::Info();
    EXPECT_EQ(&info, &OsVersion::Info());
    EXPECT_EQ(info.dwMajorVersion, static_cast<DWORD>(LOBYTE(LOWORD(GetVersion()))));
}
