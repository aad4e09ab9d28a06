// The Indexing Service's texts, sort specifications, summary and query
// history, and how a missing or incomplete query library fails.
#include "IndexingServiceTestSupport.h"
#include "KyConTool/IndexingService/IndexingService.h"
#include "KyConTool/IndexingService/IndexingServiceMRU.h"
#include "KyConTool/IndexingService/IndexingServiceStatus.h"
#include "KyStd/Core/Errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Kyvant;
namespace IS = Kyvant::IndexingService;
using ::testing::ElementsAre;

namespace {

std::string S(const ky_S& s)
{
    return s.c_str();
}

// Runs the probe program and returns the line it printed.
std::string RunProbe()
{
    const std::string exe = kytest::ProgramFolder() + "KyConTool_isprobe.exe";
    const std::string outPath =
        kytest::ScratchDir::Temp() + "kyis_probe_" + std::to_string(GetCurrentProcessId()) + ".txt";
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0,
                             nullptr);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = out;
    si.hStdError = out;
    PROCESS_INFORMATION pi = {};
    std::string cmd = "\"" + exe + "\"";
    if (CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                       &pi)) {
        WaitForSingleObject(pi.hProcess, 60000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(out);
    std::string text = kytest::ReadText(outPath);
    DeleteFileA(outPath.c_str());
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

// Moves the installed query library aside for the object's lifetime.
class LibraryAside {
public:
    LibraryAside()
        : installed_(istest::SystemFolder() + "query.dll"),
          aside_(istest::SystemFolder() + "query_aside.dll")
    {
        moved_ = MoveFileExA(installed_.c_str(), aside_.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    }
    ~LibraryAside()
    {
        DeleteFileA(installed_.c_str());
        if (moved_)
            MoveFileExA(aside_.c_str(), installed_.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    bool Moved() const { return moved_; }
    const std::string& Installed() const { return installed_; }

private:
    std::string installed_;
    std::string aside_;
    bool moved_;
};

} // namespace

TEST(IndexingServiceText, StatusTextsInBitOrder)
{
    const std::string error = "The query is in an error state.\n";
    const std::string multivolume = "The results of the query are incomplete because one or more "
                                    "servers in a multivolume query were unavailable.\n";
    const std::string noise =
        "Noise words were replaced by wildcard characters in the content query.\n";
    const std::string unindexed = "The results of the query might be incorrect because the "
                                  "query involved modified, but unindexed files.\n";
    const std::string reindexed =
        "The results of the query might be incorrect because the query involved modified and "
        "re-indexed files whose content wasn't included.\n";
    const std::string complex = "The content query was too complex to complete or required "
                                "enumeration instead of use of the content index.\n";
    const std::string timeout = "The results of the query might be incorrect because the query "
                                "execution time reached the maximum allowable time.\n";
    const std::string sharing = "The results of the query might be incorrect because a sharing "
                                "violation occurred on the query result.\n";
    struct Case {
        unsigned long status;
        std::string text;
    };
    const Case cases[] = {
        {0x0, ""},
        {0x2, ""},
        {0x1, error},
        {0x3F9, error}, // the error state stands alone
        {0x8, multivolume},
        {0x3F8, multivolume + noise + unindexed + reindexed + complex + timeout + sharing},
        {0x240, reindexed + sharing},
        {0x400, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        EXPECT_EQ(S(IS::GetQueryStatusString(c.status)), c.text);
    }
}

TEST(IndexingServiceText, SortSpecifications)
{
    EXPECT_EQ(S(IS::Sort::GetSpecification(IS::Sort::Rank, IS::Sort::Descending)), "Rank[d]");
    EXPECT_EQ(S(IS::Sort::GetSpecification(IS::Sort::Path, IS::Sort::Ascending)), "Path[a]");
    EXPECT_EQ(S(IS::Sort::GetSpecification(IS::Sort::Size, IS::Sort::Descending)), "Size[d]");
    EXPECT_EQ(S(IS::Sort::GetSpecification(IS::Sort::Write, IS::Sort::Ascending)), "Write[a]");
    EXPECT_THROW(IS::Sort::GetSpecification(static_cast<IS::Sort::Order>(4), IS::Sort::Ascending),
                 std::runtime_error);
    EXPECT_THROW(IS::Sort::GetSpecification(IS::Sort::Rank, static_cast<IS::Sort::Direction>(2)),
                 std::runtime_error);
}

TEST(IndexingServiceText, ErrorMessagesComeFromTheLibraryWithoutTheirEnd)
{
    ASSERT_TRUE(istest::InstallStandIns());
    EXPECT_EQ(S(IS::GetErrorMessage(static_cast<long>(0x80041660))), "Syntax error in the query");
    EXPECT_EQ(S(IS::GetErrorMessage(static_cast<long>(0x8004FFF1))), "");
    EXPECT_TRUE(IS::Available());
}

TEST(IndexingServiceSummary, GroupsFlagsByMachineAndCatalog)
{
    IS::ClearSummary();
    IS::AddStatusToSummary("b", "Web", "C:\\x\\", 0x10);
    IS::AddStatusToSummary("b", "Web", "C:\\y\\", 0x200);
    IS::AddStatusToSummary("b", "Web", "C:\\x\\", 0x10);
    IS::AddStatusToSummary("", "", "C:\\x\\", 0x8);
    IS::AddStatusToSummary("A", "Docs", "C:\\x\\", 0x7);     // no flag
    IS::AddStatusToSummary("A", "Docs", "C:\\x\\", 0x10002); // none in the low 16 bits
    IS::AddStatusToSummary("a", "", "C:\\x\\", 0x20);
    EXPECT_EQ(S(IS::GetSummary(false)),
              "Machine: My Computer\n"
              "Catalog: System\n"
              "The results of the query are incomplete because one or more servers in a "
              "multivolume query were unavailable.\n"
              "Machine: a\n"
              "Catalog: System\n"
              "The results of the query might be incorrect because the query involved "
              "modified, but unindexed files.\n"
              "Machine: b\n"
              "Catalog: Web\n"
              "Noise words were replaced by wildcard characters in the content query.\n"
              "The results of the query might be incorrect because a sharing violation "
              "occurred on the query result.\n");
    EXPECT_EQ(IS::GetSummary(true), IS::GetSummary(false));
    IS::ClearSummary();
    EXPECT_TRUE(IS::GetSummary(false).empty());
}

TEST(IndexingServiceHistory, KeepsTwentyQueriesMostRecentFirst)
{
    const char* key = "Software\\Kyvant\\Tools\\Shared\\PathPlanDB\\ISQueryMRU";
    RegDeleteKeyA(HKEY_CURRENT_USER, key);
    IS::QueryMRU& mru = IS::QueryMRU::Instance();
    EXPECT_EQ(&mru, &IS::QueryMRU::Instance());
    for (int i = 1; i <= 25; ++i)
        mru.Add(("query " + std::to_string(i)).c_str());
    mru.Add("query 10");
    mru.Add("");
    std::vector<std::string> texts;
    for (const ky_S* t = mru.GetFirst(); t; t = mru.GetNext())
        texts.push_back(t->c_str());
    ASSERT_EQ(texts.size(), 20u);
    EXPECT_EQ(texts[0], "query 10");
    EXPECT_EQ(texts[1], "query 25");
    EXPECT_EQ(texts[19], "query 6");

    // The list is in the registry as it is in memory.
    HKEY h = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &h), ERROR_SUCCESS);
    char order[80] = "";
    DWORD size = sizeof order;
    EXPECT_EQ(RegQueryValueExA(h, "Order", nullptr, nullptr, reinterpret_cast<BYTE*>(order), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::strlen(order), 20u);
    RegCloseKey(h);
}

TEST(IndexingServiceLibrary, AMissingLibraryOrEntryPointIsASystemError)
{
    ASSERT_TRUE(istest::InstallStandIns());
    EXPECT_EQ(RunProbe(), "ok 0");
    LibraryAside aside;
    ASSERT_TRUE(aside.Moved());
    EXPECT_EQ(RunProbe(), "os_error " + std::to_string(ERROR_MOD_NOT_FOUND));
    ASSERT_TRUE(CopyFileA((kytest::ProgramFolder() + "query_partial.dll").c_str(),
                          aside.Installed().c_str(), FALSE));
    EXPECT_EQ(RunProbe(), "os_error " + std::to_string(ERROR_PROC_NOT_FOUND));
}
