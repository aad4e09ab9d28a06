// Tests of the sheet's pages on systems without the Indexing Service: each
// case runs the probe program under a Windows version set for it alone in
// the prefix's per-program settings (this process keeps the prefix's own).
#include "common/ChildProcess.h"
#include "common/ProgramFolder.h"
#include "common/SplitText.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const char kProbe[] = "KyGuiToolAdvancedFiltersProbe.exe";
const char kProbeSettings[] = "Software\\Wine\\AppDefaults\\KyGuiToolAdvancedFiltersProbe.exe";
const char kCancelled[] = "result 2";

class AdvancedFiltersWindowsVersion : public ::testing::Test {
protected:
    void TearDown() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, kProbeSettings); }

    // The probe's lines under the Windows version, showing the filters given.
    static Lines Probe(const char* version, const std::vector<std::string>& filters)
    {
        HKEY key = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kProbeSettings, 0, nullptr, 0,
                                                   KEY_SET_VALUE, nullptr, &key, nullptr));
        ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                         static_cast<DWORD>(std::strlen(version) + 1));
        ::RegCloseKey(key);
        const kytest::ProgramRun run =
            kytest::RunProgram(kytest::ProgramFolder() + kProbe, filters, "", {});
        EXPECT_FALSE(run.timedOut);
        Lines lines = kytest::Split(run.out, '\n');
        if (!lines.empty() && lines.back().empty())
            lines.pop_back();
        return lines;
    }
};

TEST_F(AdvancedFiltersWindowsVersion, WithoutTheServiceThreePagesUnlessTheFiltersHoldAQuery)
{
    const struct Case {
        const char* version;
        std::vector<std::string> filters;
        Lines shown;
    } cases[] = {
        {"nt40",
         {},
         {"version 2 4.0", "active 0", "tab Time", "tab Size", "tab Attributes", kCancelled}},
        {"win98",
         {"A+H"},
         {"version 1 4.10", "active 2", "tab Time", "tab Size", "tab * Attributes", kCancelled}},
        {"nt40",
         {"Iqsome words"},
         {"version 2 4.0", "active 3", "tab Time", "tab Size", "tab Attributes",
          "tab * Indexing Service", kCancelled}},
        {"win2k",
         {},
         {"version 2 5.0", "active 0", "tab Time", "tab Size", "tab Attributes",
          "tab Indexing Service", kCancelled}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.shown, Probe(c.version, c.filters)) << c.version;
}

} // namespace
