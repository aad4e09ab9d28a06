// Icons and type names of 20,000 result records over 20 extensions, prepared
// through the records' shared shell answers, against one shell-information
// call per item in the same run. Prints items per second, the number of shell
// queries of each way and the ratio of their best times. Usage:
// KyGuiTool_records_bench (the first file of each extension is made in a new
// folder under the temporary folder, removed at the end).
#include "BenchSupport.h"
#include "KyGuiTool/FileRecords/ShFileRecItem.h"
#include "KyGuiTool/FileRecords/ShellInfoFunction.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace KyBench;
using Kyvant::ShFileRec::Item;

namespace {

const int kItems = 20000;
const int kRounds = 3;
const char* const kExtensions[] = {".txt", ".log", ".dat", ".ini", ".cpp", ".h",  ".doc",
                                   ".xml", ".htm", ".csv", ".bak", ".cfg", ".md", ".rc",
                                   ".obj", ".lib", ".zip", ".bmp", ".wav", ".pdf"};
const int kExtensionCount = sizeof kExtensions / sizeof kExtensions[0];

long g_queries = 0;

DWORD_PTR WINAPI CountedShellInfo(LPCSTR path, DWORD attributes, SHFILEINFOA* info, UINT size,
                                  UINT flags)
{
    ++g_queries;
    return ::SHGetFileInfoA(path, attributes, info, size, flags);
}

std::string NameOf(int i)
{
    char name[32];
    std::snprintf(name, sizeof name, "item%05d%s", i, kExtensions[i % kExtensionCount]);
    return name;
}

// One query per item, as a list without shared answers would make.
double PerItemQueries(const std::string& folder, long& queries)
{
    const double t0 = Now();
    for (int i = 0; i < kItems; ++i) {
        SHFILEINFOA info = {};
        CountedShellInfo((folder + NameOf(i)).c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                         SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON |
                             SHGFI_TYPENAME);
        ++queries;
    }
    return Now() - t0;
}

// The records: made with the console tool's details, then prepared.
double SharedAnswers(const std::string& folder)
{
    Item::FileDetails details = {};
    details.attributes = FILE_ATTRIBUTE_NORMAL;
    std::vector<std::unique_ptr<Item>> items;
    items.reserve(kItems);
    for (int i = 0; i < kItems; ++i)
        items.push_back(std::make_unique<Item>(Kyvant::ky_F(folder.c_str()),
                                               Kyvant::ky_F(NameOf(i).c_str()), &details));
    const double t0 = Now();
    for (const auto& item : items)
        item->PrepForDisplay_imp_1(Item::Icon | Item::TypeName);
    const double elapsed = Now() - t0;
    items.clear();
    Item::ClearStaticData();
    return elapsed;
}

} // namespace

int main()
{
    ::CoInitialize(nullptr);
    const std::string folder =
        TempFolder() + "kyrecords_bench_" + std::to_string(GetCurrentProcessId()) + "\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < kExtensionCount; ++i) {
        HANDLE h = ::CreateFileA((folder + NameOf(i)).c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ::CloseHandle(h);
    }
    Kyvant::ShFileRec::SetShellInfoFunction(&CountedShellInfo);

    double bestBase = 1e9, bestShared = 1e9;
    long baseQueries = 0, sharedQueries = 0;
    for (int round = 0; round < kRounds; ++round) {
        long counted = 0;
        const double base = PerItemQueries(folder, counted);
        g_queries = 0;
        const double shared = SharedAnswers(folder);
        baseQueries = counted;
        sharedQueries = g_queries;
        bestBase = base < bestBase ? base : bestBase;
        bestShared = shared < bestShared ? shared : bestShared;
        std::printf("round %d: per item %.3f s (%ld queries), shared %.3f s (%ld queries)\n",
                    round + 1, base, baseQueries, shared, sharedQueries);
    }
    std::printf("items: %d over %d extensions\n", kItems, kExtensionCount);
    std::printf("per item: %.0f items/s, %ld shell queries\n", kItems / bestBase, baseQueries);
    std::printf("shared:   %.0f items/s, %ld shell queries\n", kItems / bestShared, sharedQueries);
    std::printf("ratio shared/per item: %.3f of the time, %.4f of the queries\n",
                bestShared / bestBase, static_cast<double>(sharedQueries) / baseQueries);
    Kyvant::ShFileRec::SetShellInfoFunction(nullptr);
    RemoveTree(folder);
    ::CoUninitialize();
    return 0;
}
