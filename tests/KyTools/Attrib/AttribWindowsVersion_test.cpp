// Tests of the Attrib rows that depend on the Windows version: each version
// runs the probe program with its own per-program setting; this prefix's own
// version runs in the test program.
#include "KyTools/Attrib/KyAttribGSubDialogPage.h"

#include "Host/SettingsHost.h"
#include "KyStd/Registry/RegValues.h"
#include "KyStd/Win32/OsVersion.h"
#include "KyTools/Attrib/AttribResource.h"
#include "common/ChildProcess.h"
#include "common/ProgramFolder.h"
#include "common/SplitText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace hosttest;
using Lines = std::vector<std::string>;

const char kProbe[] = "KyToolsAttribProbe.exe";
const char kProbeSettings[] = "Software\\Wine\\AppDefaults\\KyToolsAttribProbe.exe";
const char kSettingsName[] = "AttribProbe";

class AttribWindowsVersion : public ::testing::Test {
protected:
    void SetUp() override
    {
        const Kyvant::RegKey key = FreshKey(kSettingsName);
        // Everything set, so a disabled row shows that it was put back.
        for (const char* name : {"Archive", "Compressed", "Encrypted", "NotContentIndexed"})
            WriteDword(key, name, KyAttribGSubDialogPage::Set);
    }
    void TearDown() override
    {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kProbeSettings);
        DeleteTestsKey();
    }

    // The probe's lines under the given Windows version.
    static Lines Probe(const char* version)
    {
        const Kyvant::RegKey settings(HKEY_CURRENT_USER, kProbeSettings);
        Kyvant::WriteRegistryString(settings.get(), "Version", version,
                                    static_cast<DWORD>(std::strlen(version) + 1));
        const std::string program = kytest::ProgramFolder() + kProbe;
        const kytest::ProgramRun run =
            kytest::RunProgram(program, {std::string(kTestsKey) + "\\" + kSettingsName}, "", {});
        EXPECT_FALSE(run.timedOut);
        Lines lines = kytest::Split(run.out, '\n');
        if (!lines.empty() && lines.back().empty())
            lines.pop_back();
        return lines;
    }
};

TEST_F(AttribWindowsVersion, NinetyFiveFamilyHasOnlyTheFourClassicRows)
{
    EXPECT_EQ((Lines{"version 1 4.10", "Compressed disabled 2", "Encrypted disabled 2",
                     "NotContentIndexed disabled 2", "argv +a"}),
              Probe("win98"));
}

TEST_F(AttribWindowsVersion, NtFourAddsCompression)
{
    EXPECT_EQ((Lines{"version 2 4.0", "Compressed enabled 0", "Encrypted disabled 2",
                     "NotContentIndexed disabled 2", "argv +ac"}),
              Probe("nt40"));
}

TEST_F(AttribWindowsVersion, NtFiveAndLaterHaveEveryRow)
{
    ASSERT_GE(Kyvant::OsVersion::Info().dwMajorVersion, 5u);
    const Kyvant::rc_ptr<Kyvant::AppBridge> noBridge;
    KyAttribGSubDialogPage page(noBridge, Kyvant::RegKey{});
    SettingsHost host(page);
    std::vector<bool> enabled;
    host.Run([&] {
        for (int id = IDC_KY_ATTRIB_COMPRESSED_SET; id <= IDC_KY_ATTRIB_NOT_INDEXED_LEAVE; ++id) {
            if (page.GetDlgItem(id) != nullptr)
                enabled.push_back(Enabled(page, id));
        }
    });
    EXPECT_EQ(std::vector<bool>(12, true), enabled);
}

} // namespace
