// The Dir page on a Windows without the Indexing Service: the probe program
// runs under Windows NT 4 (its per-program setting in the prefix), where the
// service's controls go, the listing's controls move up, the page shrinks
// about its middle, the service's stored values are neither read nor
// written, its records carry the defaults, and a task file's query is kept
// but gives no arguments.
#include "Dir/DirTestSupport.h"

#include "KyStd/Registry/RegValues.h"
#include "common/ChildProcess.h"
#include "common/ProgramFolder.h"
#include "common/SplitText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace dirtest;
using Lines = std::vector<std::string>;

const char kProbe[] = "KyToolsDirProbe.exe";
const char kProbeSettings[] = "Software\\Wine\\AppDefaults\\KyToolsDirProbe.exe";
const char kSettingsName[] = "DirProbe";

class DirWindowsVersion : public ::testing::Test {
protected:
    void TearDown() override
    {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kProbeSettings);
        DeleteTestsKey();
    }

    static Lines Probe(const char* version, const char* picture = nullptr)
    {
        const Kyvant::RegKey settings(HKEY_CURRENT_USER, kProbeSettings);
        Kyvant::WriteRegistryString(settings.get(), "Version", version,
                                    static_cast<DWORD>(std::strlen(version) + 1));
        std::vector<std::string> args = {std::string(kTestsKey) + "\\" + kSettingsName};
        if (picture != nullptr)
            args.push_back(picture);
        const kytest::ProgramRun run =
            kytest::RunProgram(kytest::ProgramFolder() + kProbe, args, "", {});
        EXPECT_FALSE(run.timedOut);
        Lines lines = kytest::Split(run.out, '\n');
        if (!lines.empty() && lines.back().empty())
            lines.pop_back();
        return lines;
    }
};

TEST_F(DirWindowsVersion, NtFourHasNoIndexingServiceControls)
{
    const Kyvant::RegKey key = FreshKey(kSettingsName);
    WriteDword(key, "UseIndexingService", 1);
    WriteDword(key, "Mode", 2);
    WriteDword(key, "SortOrder", 3);
    WriteDword(key, "SortDir", 0);
    WriteDword(key, "QuoteFileNames", 1);
    Kyvant::WriteRegistryString(key.get(), "Query", Kyvant::ky_S("stored"));

    // The gap is the list file button's top (68) less the check box's (4).
    EXPECT_EQ((Lines{"version 4.0", "hidden 11", "list file button 4", "page 32 38", "argv -f -q",
                     "records 2004= 2003=00 2000=01 2001=01 2002=00 2006= 2005=00 2007=00000000 "
                     "2008=00000000 2009=01000000",
                     "task file argv -f -q",
                     "task file records 2004= 2003=00 2000=01 2001=01 2002=00 2006= 2005=01 "
                     "2007=00000000 2008=00000000 2009=01000000"}),
              Probe("nt40", "dir_page_nt40"))
        << "a task file's query is kept but not used";
    EXPECT_EQ(1u, ReadDword(key, "QuoteFileNames")) << "OK stored the listing's values";
    EXPECT_EQ(1u, ReadDword(key, "UseIndexingService")) << "and left the service's alone";
    EXPECT_EQ(2u, ReadDword(key, "Mode"));
    EXPECT_EQ(3u, ReadDword(key, "SortOrder"));
    EXPECT_EQ(0u, ReadDword(key, "SortDir"));
    EXPECT_STREQ("stored", Kyvant::ky_S().LoadStringA(key.get(), "Query", nullptr).c_str());

    // Windows 2000 has the service: every control, the stored values used.
    EXPECT_EQ((Lines{"version 5.0", "hidden 0", "list file button 68", "page 0 102",
                     "argv -f -q @i+ @iastored @isWrite[a]",
                     "records 2004= 2003=00 2000=01 2001=01 2002=00 2006=73746f726564 "
                     "2005=01 2007=02000000 2008=03000000 2009=00000000",
                     "task file argv -f -q @i+ @iastored @isWrite[a]",
                     "task file records 2004= 2003=00 2000=01 2001=01 2002=00 2006=73746f726564 "
                     "2005=01 2007=02000000 2008=03000000 2009=00000000"}),
              Probe("win2k"));
}

} // namespace
