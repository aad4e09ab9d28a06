// Indexing Service queries against the stand-in query library: the command
// it receives, rows in batches, the asynchronous open, query status,
// catalog location and the errors of a starting search.
#include "IndexingServiceTestSupport.h"
#include "IterTestSupport.h"
#include "KyConTool/Args/ItemHooks.h"
#include "KyConTool/IndexingService/IndexingService.h"
#include "KyConTool/IndexingService/IndexingServiceCatalogs.h"
#include "KyConTool/IndexingService/IndexingServiceIterator.h"
#include "KyConTool/IndexingService/IndexingServiceStatus.h"
#include "KyStd/Files/UniversalName.h"
#include "KyStd/Shell/ComError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

using namespace Kyvant;
namespace IS = Kyvant::IndexingService;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

struct Stopped {};

// Counts its calls and throws at the n-th one (never with 0).
class CountingTerminator : public ky_filename_argv_iterator::Terminator {
public:
    explicit CountingTerminator(int stopAt = 0) : stopAt_(stopAt) {}
    void CheckTerminate() override
    {
        if (++calls == stopAt_)
            throw Stopped();
    }
    int calls = 0;

private:
    int stopAt_;
};

// Maps the folder localRoot to the share uncRoot, as a mapped drive would.
std::string g_localRoot;
std::string g_uncRoot;

DWORD WINAPI FakeResolver(LPCSTR local, DWORD level, LPVOID buffer, LPDWORD size)
{
    std::string path(local);
    if (level != UNIVERSAL_NAME_INFO_LEVEL || g_localRoot.empty() ||
        path.size() < g_localRoot.size() ||
        lstrcmpiA(path.substr(0, g_localRoot.size()).c_str(), g_localRoot.c_str()) != 0)
        return ERROR_NOT_CONNECTED;
    std::string unc = g_uncRoot + path.substr(g_localRoot.size());
    auto* info = static_cast<UNIVERSAL_NAME_INFOA*>(buffer);
    char* text = static_cast<char*>(buffer) + sizeof *info;
    if (*size < sizeof *info + unc.size() + 1)
        return ERROR_MORE_DATA;
    std::memcpy(text, unc.c_str(), unc.size() + 1);
    info->lpUniversalName = text;
    return NO_ERROR;
}

std::string Row(const std::string& machine, const std::string& catalog, const std::string& path,
                const std::string& size = "1", const std::string& attrib = "0x20",
                const std::string& write = "130000000000000000", const std::string& rank = "500")
{
    return "row|" + machine + "|" + catalog + "|" + path + "|" + size + "|" + attrib + "|" + write +
           "|" + rank + "\n";
}

ky_filename_indexing_service_iterator Open(const std::string& scope, const std::string& catalog,
                                           const std::string& machine,
                                           ky_filename_argv_iterator::Terminator* t = nullptr)
{
    return ky_filename_indexing_service_iterator(ky_I("#filename *"), false, 2, 1033,
                                                 ky_F(scope.c_str()), 1, ky_I(),
                                                 ky_I(catalog.c_str()), ky_I(machine.c_str()), t);
}

std::vector<std::string> Names(ky_filename_indexing_service_iterator it)
{
    std::vector<std::string> out;
    for (ky_filename_indexing_service_iterator end; it != end; ++it)
        out.push_back(it->c_str());
    return out;
}

std::vector<std::string> Drain(FileNameSource& source)
{
    std::vector<std::string> out;
    FileNameResult r;
    while (source.Next(r))
        out.push_back(r.name.c_str());
    return out;
}

IndexingServiceSearch Search(const std::string& scope, const std::string& catalog,
                             const std::string& machine)
{
    IndexingServiceSearch s;
    s.query = "#filename *.txt";
    s.scope = scope.c_str();
    s.catalog = catalog.c_str();
    s.machine = machine.c_str();
    s.deep = true;
    s.depth = INT_MAX;
    return s;
}

class IndexingServiceQuery : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(istest::InstallStandIns());
        IS::ClearSummary();
    }
    void TearDown() override
    {
        SetUniversalNameResolver(nullptr);
        g_localRoot.clear();
        IS::ClearSummary();
    }
    istest::QueryScript script;
};

} // namespace

TEST_F(IndexingServiceQuery, CommandCarriesScopeDepthCatalogMachineAndDefaults)
{
    struct Case {
        const char* scope;
        const char* catalog;
        const char* machine;
        const char* sort;
        bool deep;
        bool force;
        const char* make;
        const char* sortSent;
        const char* execute;
    };
    const Case cases[] = {
        // A catalog without a machine on a share asks the share's server.
        {"\\\\server\\share\\dir", "Web", "", "", true, false,
         "scope=\\\\server\\share\\dir\\ depth=1 catalog=Web machine=server", "rank[d]",
         "machine=server catalog=Web"},
        // ... and this computer for a local scope.
        {"C:\\data", "Web", "", "size[a]", false, true,
         "scope=C:\\data\\ depth=0 catalog=Web machine=.", "size[a]", "machine=. catalog=Web"},
        // A machine without a catalog asks its "System" catalog.
        {"C:\\data\\", "", "far", "", true, false,
         "scope=C:\\data\\ depth=1 catalog=System machine=far", "rank[d]",
         "machine=far catalog=System"},
        // An empty scope is the whole catalog.
        {"", "Docs", "near", "", true, false, "scope=\\ depth=1 catalog=Docs machine=near",
         "rank[d]", "machine=near catalog=Docs"},
    };
    IndexingServiceSearchFactory factory = GetIndexingServiceSearchFactory();
    ASSERT_NE(factory, nullptr);
    const std::string locale = std::to_string(GetSystemDefaultLCID());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scope);
        script.ClearLog();
        IndexingServiceSearch s = Search(c.scope, c.catalog, c.machine);
        s.sort = c.sort;
        s.deep = c.deep;
        s.force = c.force;
        std::unique_ptr<FileNameSource> source = factory(s);
        EXPECT_TRUE(Drain(*source).empty());
        EXPECT_THAT(script.Log("CIMakeICommand"),
                    ElementsAre(std::string("CIMakeICommand scopes=1 ") + c.make));
        EXPECT_THAT(script.Log("CITextToFullTreeEx"),
                    ElementsAre("CITextToFullTreeEx query=#filename *.txt dialect=2 "
                                "columns=path,size,attrib,write,rank sort=" +
                                std::string(c.sortSent) +
                                " groupings=<null> properties=0/none locale=" + locale));
        std::vector<std::string> properties = {"SetProperty set=QUERYEXT id=4 value=true optional"};
        if (c.force)
            properties.push_back("SetProperty set=QUERYEXT id=2 value=true optional");
        properties.push_back("SetProperty set=ROWSET id=203 value=true required");
        EXPECT_THAT(script.Log("SetProperty"), ElementsAreArray(properties));
        EXPECT_THAT(script.Log("Execute"),
                    ElementsAre(std::string("Execute riid=IRowset ") + c.execute));
    }
    // The five columns are bound as provider-owned variant references in a
    // buffer of five pointers.
    const size_t pointer = sizeof(void*);
    EXPECT_THAT(script.Log("CreateAccessor"),
                ElementsAre("CreateAccessor flags=0x2 bindings=5 rowsize=" +
                            std::to_string(5 * pointer)));
    std::vector<std::string> bindings;
    for (int i = 1; i <= 5; ++i)
        bindings.push_back("Binding ordinal=" + std::to_string(i) + " offset=" +
                           std::to_string(pointer * (i - 1)) + " part=0x1 owner=0x1 type=0x400c");
    EXPECT_THAT(script.Log("Binding"), ElementsAreArray(bindings));
}

TEST_F(IndexingServiceQuery, FortyFiveRowsArriveInBatchesIntact)
{
    itertest::Tree tree;
    g_localRoot = tree.Root();
    g_uncRoot = "\\\\fs\\share\\";
    SetUniversalNameResolver(&FakeResolver);
    std::string rows;
    for (int i = 1; i <= 45; ++i) {
        std::string n = std::to_string(i);
        rows += Row("*", "Web", "\\\\fs\\share\\sub\\f" + n + ".txt", std::to_string(1000 + i),
                    std::to_string(0x20 + (i % 2)), std::to_string(130000000000000000LL + i),
                    std::to_string(1000 - i));
    }
    script.Write(rows);

    ky_filename_indexing_service_iterator it = Open(tree.Root(), "Web", "");
    EXPECT_EQ(std::string(it.GetUNCScope().c_str()), "\\\\fs\\share\\");
    EXPECT_EQ(std::string(it.GetScope().c_str()), tree.Root());
    int count = 0;
    for (ky_filename_indexing_service_iterator end; it != end; ++it) {
        ++count;
        SCOPED_TRACE(count);
        ASSERT_EQ(std::string(it->c_str()),
                  tree.Root() + "sub\\f" + std::to_string(count) + ".txt");
        const ky_filename_argv_iterator::FileDetails* d = it.GetFileDetails();
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->size, 1000u + count);
        EXPECT_EQ(d->attributes, 0x20u + (count % 2));
        unsigned long long t = 130000000000000000ULL + count;
        EXPECT_EQ(d->lastWriteTime.dwLowDateTime, static_cast<DWORD>(t));
        EXPECT_EQ(d->lastWriteTime.dwHighDateTime, static_cast<DWORD>(t >> 32));
        EXPECT_EQ(d->reserved, 1000u - count);
        EXPECT_FALSE(it.IsFolder());
    }
    EXPECT_EQ(count, 45);
    EXPECT_THAT(script.Log("GetNextRows"),
                ElementsAre("GetNextRows asked=20 obtained=20", "GetNextRows asked=20 obtained=20",
                            "GetNextRows asked=20 obtained=5", "GetNextRows asked=20 obtained=0"));
    EXPECT_THAT(script.Log("ReleaseRows"),
                ElementsAre("ReleaseRows count=20", "ReleaseRows count=20", "ReleaseRows count=5"));
    EXPECT_THAT(script.Log("Rowset released"),
                ElementsAre("Rowset released rows-held=0 accessors-held=0"));
}

TEST_F(IndexingServiceQuery, OnlyPathsUnderTheUNCScopeGoBackToTheScope)
{
    itertest::Tree tree;
    g_localRoot = tree.Root();
    g_uncRoot = "\\\\fs\\share\\";
    SetUniversalNameResolver(&FakeResolver);
    script.Write(Row("*", "Web", "\\\\fs\\share\\a.txt") +
                 Row("*", "Web", "\\\\FS\\Share/b.txt") + // compared as file names
                 Row("*", "Web", "\\\\fs\\shared\\c.txt") + Row("*", "Web", "\\\\fs\\share\\") +
                 Row("*", "Web", "D:\\elsewhere\\d.txt") + Row("*", "Web", "folder", "0", "0x10"));
    ky_filename_indexing_service_iterator it = Open(tree.Root(), "Web", "");
    EXPECT_THAT(Names(it),
                ElementsAre(tree.Root() + "a.txt", tree.Root() + "b.txt", "\\\\fs\\shared\\c.txt",
                            "\\\\fs\\share\\", "D:\\elsewhere\\d.txt", "folder"));

    // A scope the system cannot map keeps every path as it came.
    g_localRoot.clear();
    EXPECT_THAT(Names(Open("C:\\data", "Web", "")),
                ElementsAre("\\\\fs\\share\\a.txt", "\\\\FS\\Share/b.txt", "\\\\fs\\shared\\c.txt",
                            "\\\\fs\\share\\", "D:\\elsewhere\\d.txt", "folder"));
}

TEST_F(IndexingServiceQuery, FolderRowsAreFoldersAndAMissingRankIsZero)
{
    script.Write(Row("*", "Web", "C:\\d\\sub", "0", "0x10") +
                 Row("*", "Web", "C:\\d\\x.txt", "5", "0x20", "1", ""));
    ky_filename_indexing_service_iterator it = Open("C:\\d", "Web", "");
    EXPECT_TRUE(it.IsFolder());
    ++it;
    EXPECT_FALSE(it.IsFolder());
    EXPECT_EQ(it.GetFileDetails()->reserved, 0u);
    ++it;
    EXPECT_TRUE(it.AtEnd());
    EXPECT_EQ(it.GetFileDetails(), nullptr);
}

TEST_F(IndexingServiceQuery, IncompleteRowIsAnErrorAndItsBatchIsReleased)
{
    struct Case {
        const char* what;
        std::string row;
    };
    const Case cases[] = {
        {"path", Row("*", "Web", "")},
        {"size", Row("*", "Web", "C:\\d\\x.txt", "")},
        {"attributes", Row("*", "Web", "C:\\d\\x.txt", "1", "")},
        {"write time", Row("*", "Web", "C:\\d\\x.txt", "1", "0x20", "")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        script.ClearLog();
        script.Write(Row("*", "Web", "C:\\d\\ok.txt") + c.row);
        try {
            Open("C:\\d", "Web", "");
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Indexing Service returned incomplete data");
        }
        EXPECT_THAT(script.Log("ReleaseRows"), ElementsAre("ReleaseRows count=2"));
        EXPECT_THAT(script.Log("Rowset released"),
                    ElementsAre("Rowset released rows-held=0 accessors-held=0"));
    }
}

TEST_F(IndexingServiceQuery, SlowOpenIsPolledUntilCompleteAndAStopRequestEndsIt)
{
    script.Write("polls|*|Web|3\n" + Row("*", "Web", "C:\\d\\x.txt"));
    CountingTerminator patient;
    EXPECT_THAT(Names(Open("C:\\d", "Web", "", &patient)), ElementsAre("C:\\d\\x.txt"));
    EXPECT_THAT(script.Log("GetStatus"),
                ElementsAre("GetStatus operation=0 phase=1", "GetStatus operation=0 phase=1",
                            "GetStatus operation=0 phase=1", "GetStatus operation=0 phase=2"));
    // One call per wait, then one per batch (the rows, then the end).
    EXPECT_EQ(patient.calls, 5);

    script.ClearLog();
    CountingTerminator stopper(2);
    EXPECT_THROW(Open("C:\\d", "Web", "", &stopper), Stopped);
    EXPECT_EQ(script.Log("GetStatus").size(), 2u);
    EXPECT_TRUE(script.Log("CreateAccessor").empty());
    EXPECT_THAT(script.Log("Rowset released"),
                ElementsAre("Rowset released rows-held=0 accessors-held=0"));

    // A stop between batches ends the rows too.
    script.ClearLog();
    CountingTerminator later(5);
    ky_filename_indexing_service_iterator it = Open("C:\\d", "Web", "", &later);
    EXPECT_THROW(++it, Stopped);
}

TEST_F(IndexingServiceQuery, FatalStatusThrowsItsTextAndOtherStatusGoesToTheSummary)
{
    const char* tooComplex = "The content query was too complex to complete or required "
                             "enumeration instead of use of the content index. ";
    struct Case {
        const char* status;
        const char* error; // null: the rows come
    };
    const Case cases[] = {
        {"0x1", "The query is in an error state. "},
        {"0x19", "The query is in an error state. "},
        {"0x80", tooComplex},
        {"0x82", tooComplex},
        {"0x92", "Noise words were replaced by wildcard characters in the content query. "
                 "The content query was too complex to complete or required enumeration "
                 "instead of use of the content index. "},
        {"0x10", nullptr},
        {"0x228", nullptr},
        {"0x3", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        script.Write(std::string("status|.|System|") + c.status + "\n" +
                     Row(".", "System", "C:\\d\\x.txt"));
        if (c.error) {
            try {
                Open("C:\\d", "", ".");
                ADD_FAILURE() << "no error";
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), c.error);
            }
        } else {
            ky_filename_indexing_service_iterator it = Open("C:\\d", "", ".");
            EXPECT_EQ(it.GetQueryStatus(), std::stoul(c.status, nullptr, 16));
            EXPECT_THAT(Names(it), ElementsAre("C:\\d\\x.txt"));
        }
    }
    EXPECT_EQ(std::string(IS::GetSummary(false).c_str()),
              "Machine: My Computer\n"
              "Catalog: System\n"
              "The results of the query are incomplete because one or more servers in a "
              "multivolume query were unavailable.\n"
              "Noise words were replaced by wildcard characters in the content query.\n"
              "The results of the query might be incorrect because the query involved "
              "modified, but unindexed files.\n"
              "The results of the query might be incorrect because a sharing violation "
              "occurred on the query result.\n");
}

TEST_F(IndexingServiceQuery, LocatorSkipsUnusableCatalogsAndChainsTheRest)
{
    const std::string longName(300, 'm');
    script.Write("catalog|.|Stopped|0x1|\n"
                 "catalog|.|Closed|0x8|\n"
                 "catalog|.|Broken|unreadable|\n"
                 "catalog|" +
                 longName +
                 "|Long|0|\n"
                 "catalog|.|First|0x0|\n"
                 "catalog|far|Second|0x2|\n"
                 "catalog|far|Elsewhere|0x0|D:\\\n" +
                 Row(".", "Stopped", "C:\\d\\stopped.txt") +
                 Row(".", "Closed", "C:\\d\\closed.txt") + Row(".", "First", "C:\\d\\one.txt") +
                 Row(".", "First", "C:\\d\\two.txt") + Row("far", "Second", "C:\\d\\three.txt") +
                 Row("far", "Elsewhere", "C:\\d\\four.txt"));
    ky_filename_indexing_service_iterator it = Open("C:\\d", "", "");
    EXPECT_EQ(std::string(it.GetCatalog().c_str()), "First");
    EXPECT_EQ(std::string(it.GetMachine().c_str()), ".");
    std::vector<std::string> seen;
    for (ky_filename_indexing_service_iterator end; it != end; ++it)
        seen.push_back(std::string(it.GetMachine().c_str()) + "/" + it.GetCatalog().c_str() + ":" +
                       it->c_str());
    EXPECT_THAT(seen, ElementsAre("./First:C:\\d\\one.txt", "./First:C:\\d\\two.txt",
                                  "far/Second:C:\\d\\three.txt"));
    EXPECT_THAT(script.Log("Execute"),
                ElementsAre("Execute riid=IRowset machine=. catalog=First",
                            "Execute riid=IRowset machine=far catalog=Second"));
    std::vector<std::string> walk = script.Log("LocateCatalogsW");
    ASSERT_FALSE(walk.empty());
    EXPECT_EQ(walk.front(), "LocateCatalogsW scope=C:\\d\\ index=0");
    EXPECT_EQ(walk.back(), "LocateCatalogsW scope=C:\\d\\ index=6");
}

TEST_F(IndexingServiceQuery, ACatalogOnAShareWithoutAServerNameIsAnError)
{
    try {
        Open("\\\\\\share\\dir", "Web", "");
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Bad UNC path: \\\\\\share\\dir\\");
    }
    EXPECT_TRUE(script.Log("CIMakeICommand").empty());
}

TEST_F(IndexingServiceQuery, NoUsableCatalogIsAnError)
{
    for (const char* catalogs : {"", "catalog|.|Stopped|0x1|\ncatalog|.|Broken|unreadable|\n"}) {
        script.Write(catalogs);
        try {
            Open("C:\\data", "", "");
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Could not locate catalog for path: C:\\data\\");
        }
    }
}

TEST_F(IndexingServiceQuery, MapAllCatalogsListsEveryReadableCatalogByMachine)
{
    script.Write("catalog|.|System|0x1|\n"
                 "catalog|.|Web|0x0|\n"
                 "catalog|.|Broken|unreadable|\n"
                 "catalog|far|Docs|0x8|\n"
                 "catalog|far|Only|0x0|\\\\far\n");
    IS::CatalogMap map;
    EXPECT_EQ(IS::MapAllCatalogs("\\", map), 3u);
    ASSERT_EQ(map.size(), 2u);
    EXPECT_EQ(map[ky_I(".")][ky_I("SYSTEM")], 1u);
    EXPECT_EQ(map[ky_I(".")][ky_I("web")], 0u);
    EXPECT_EQ(map[ky_I("far")][ky_I("Docs")], 8u);
    EXPECT_EQ(map[ky_I(".")].count(ky_I("Broken")), 0u);

    IS::CatalogMap remote;
    EXPECT_EQ(IS::MapAllCatalogs("\\\\far", remote), 5u - 1u);
    EXPECT_EQ(remote[ky_I("far")].count(ky_I("Only")), 1u);
}

TEST_F(IndexingServiceQuery, ACatalogServiceThatCannotBeAskedIsAnError)
{
    script.Write("catalog|.|Web|0x0|\nlocateerr|1|0x80070005\n");
    IS::CatalogMap map;
    try {
        IS::MapAllCatalogs("\\", map);
        ADD_FAILURE() << "no error";
    } catch (const _com_error& e) {
        EXPECT_EQ(static_cast<unsigned long>(e.Error()), 0x80070005ul);
    }
    // A search asks the service the same way and ends with the error.
    script.Write("locateerr|0|0x80070005\n");
    IndexingServiceSearch s = Search("C:\\data\\", "", "");
    // The system's text for the code; no machine was named to add.
    const std::string text = IS::GetErrorMessage(static_cast<long>(0x80070005)).c_str();
    ASSERT_FALSE(text.empty());
    try {
        GetIndexingServiceSearchFactory()(s);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), text);
    }
    // A success code other than the end of the list is an error too.
    script.Write("locateerr|0|0x00041826\n");
    try {
        IS::MapAllCatalogs("\\", map);
        ADD_FAILURE() << "no error";
    } catch (const _com_error& e) {
        EXPECT_EQ(static_cast<unsigned long>(e.Error()), 0x00041826ul);
    }
}

TEST_F(IndexingServiceQuery, StartErrorsNameWhatTheyAreAbout)
{
    struct Case {
        std::string script;
        std::string message;
    };
    const Case cases[] = {
        {"execerr|*|Web|0x8004160C|The catalog is missing.\r\n", "The catalog is missing: Web"},
        {"execerr|*|Web|0x80041603|Bad sort\n", "Bad sort: rank[d]"},
        {"execerr|*|Web|0x8004160A|Bad scope. \n", "Bad scope: C:\\data\\"},
        {"execerr|*|Web|0x80070035|No network path\n", "No network path: far"},
        // The library's own text for its code.
        {"texterr|#filename|0x80041660\n", "Syntax error in the query: #filename *.txt"},
        {"execerr|*|Web|0x80004005|Something failed\n", "Something failed"},
    };
    IndexingServiceSearchFactory factory = GetIndexingServiceSearchFactory();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        script.Write(c.script);
        IndexingServiceSearch s = Search("C:\\data\\", "Web", "far");
        try {
            factory(s);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        } catch (const _com_error& e) {
            ADD_FAILURE() << "COM error " << std::hex << e.Error();
        }
    }
    // Without any text the service's error goes on as it is.
    script.Write("execerr|*|Web|0x8004FFF1|\n");
    try {
        factory(Search("C:\\data\\", "Web", "far"));
        ADD_FAILURE() << "no error";
    } catch (const _com_error& e) {
        EXPECT_EQ(static_cast<unsigned long>(e.Error()), 0x8004FFF1ul);
    }
}

TEST_F(IndexingServiceQuery, ARefusedCommandTreeIsFreed)
{
    script.Write("treeerr|0x80040E14\n");
    EXPECT_THROW(Open("C:\\d", "Web", ""), _com_error);
    EXPECT_THAT(script.Log("FreeCommandTree"), ElementsAre("FreeCommandTree"));
}
