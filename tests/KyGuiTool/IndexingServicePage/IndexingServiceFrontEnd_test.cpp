// The Indexing Service page end to end: a console tool started without
// arguments gets the page's arguments through the test front-end's settings
// dialog and lists exactly the rows the service gives for the checked
// catalogs, each catalog searched on its own.
#include "FrontEndTestSupport.h"
#include "IndexingServicePage/IndexingServicePageTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace istree;
using guitest::Scratch;
using guitest::Script;
using guitest::Started;

const char kFrontEndKey[] = "Software\\Kyvant\\Tools\\PathPlanTests\\FrontEnd";

std::string FrontEndOptions()
{
    return std::string(kFrontEndKey) + "\\KyvantToolOptions";
}

// The tool's output lines that name files, sorted.
Strings Lines(const std::string& output)
{
    Strings lines;
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find('\n', start);
        if (end == std::string::npos)
            end = output.size();
        std::string line = output.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
        start = end + 1;
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

TEST_F(IndexingServiceTest, TheToolListsExactlyTheRowsOfTheCheckedCatalogs)
{
    Scratch files;
    std::string rows;
    const struct {
        const char* machine;
        const char* catalog;
        const char* file;
    } served[] = {{".", "System", "sys.txt"},
                  {".", "Web", "web.txt"},
                  {"far", "Docs", "docs.txt"},
                  {"far", "Mail", "mail.txt"}};
    for (const auto& row : served) {
        kytest::WriteFile(files[row.file], "text");
        rows += std::string("row|") + row.machine + "|" + row.catalog + "|" + files[row.file] +
                "|4|0x20|130000000000000000|1\n";
    }
    m_query.Write(std::string(kComputers) + rows);
    const std::string page = FrontEndOptions() + "\\" + kPageGuid;
    SetValue(FrontEndOptions(), "PageGUID", kPageGuid);
    SetValue(page, "Masks", "*.txt");
    SetList(page, "Catalogs", {".\\System", "far\\Docs"});

    Scratch dir;
    Script script(dir);
    script("settings=pathplans")("stage=click:1");
    Started tool("KyConTool_itertool.exe", {},
                 {{"KYTEST_FRONTEND", "KyGuiTool_frontend.exe"},
                  {"KYTEST_FRONTEND_SCRIPT", script.Write()},
                  {"KYTEST_FRONTEND_KEY", kFrontEndKey},
                  {"Kyvant_Protocol_Prefix_EnvVar", guitest::Unique("kypp")}},
                 dir);
    EXPECT_EQ(0u, tool.Wait()) << tool.Err();
    EXPECT_EQ((Strings{files["docs.txt"], files["sys.txt"]}), Lines(tool.Out())) << tool.Out();
    EXPECT_EQ(0u, guitest::WaitForFrontEnd(script));
    EXPECT_TRUE(guitest::Has(script.Log(), "settings result=1 ")) << script.Log();
    Strings opened;
    for (const std::string& line : m_query.Log("CIMakeICommand"))
        opened.push_back(line.substr(line.find("catalog=")));
    EXPECT_EQ((Strings{"catalog=System machine=.", "catalog=Docs machine=far"}), opened);
}

} // namespace
