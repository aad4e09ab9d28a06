// The named databases' files as bytes: a new database of each kind with one
// item written by the database's own code, its record file (.db) and index
// (.idx) held to fixed hex tables, which both widths of the build must give,
// since either may open files the other wrote.
#include "common/HexBytes.h"
#include "common/WholeFile.h"
#include "KyDB/Named/MaskDB.h"
#include "KyDB/Named/PathPlanDB.h"
#include "KyDB/Named/ReplacePlanDB.h"
#include "NamedDbTestEnv.h"

#include <gtest/gtest.h>

#include <string>

using namespace Kyvant;
using namespace NamedDbTest;

namespace {

void AddMaskSet()
{
    MaskDB::Instance().Insert("Mine", StoredString<ky_I>("*.x,*.y"));
    MaskDB::Reset();
}

void AddPathPlan()
{
    PathPlanItem::StringList paths;
    paths.push_back("C:\\src");
    PathPlanDB::Instance().Insert(
        "Sources",
        PathPlanItem(paths, "*.c", "", PathPlanItem::StringList(), PathPlanItem::StringList()));
    PathPlanDB::Reset();
}

void AddReplacePlan()
{
    ReplaceRuleVector rules;
    rules.push_back(
        ReplaceRule(true, "a", "b", true, false, false, false, false, true, false, false));
    ReplacePlanDB::Instance().Insert(
        "Plan", ReplacePlan(rules, true, false, true, false, true, true, "", "", true));
    ReplacePlanDB::Reset();
}

struct DbCase {
    const char* files; // the base name of the kind's files
    void (*add)();
    const char* db;
    const char* idx;
};

// The default mask sets come with every new mask database.
const DbCase kCases[] = {
    {"KyMask", AddMaskSet,
     "0c 00 02 00 'key' 00 'value,C' 00 1d 00 'Basic Files' 00 '*.bas,*.frm,*.vb' 00 0e 00\n"
     "'C# Files' 00 '*.cs' 00 3f 00 '&C++ Files' 00\n"
     "'C++ Source Files,C++ Include Files,Resource Scripts' 00 2b 00 'C++ Include Files'\n"
     "00 '*.h,*.hpp,*.hxx,*.inl,*.' 00 21 00 'C++ Source Files' 00 '*.cpp,*.cxx,*.c' 00 28\n"
     "00 '&Interface Definition Files' 00 '*.idl,*.odl' 00 16 00 '&Perl Files' 00\n"
     "'*.pl,*.pm' 00 1d 00 '&Resource Scripts' 00 '*.rc,*.rc2' 00 12 00 '&Text Files' 00\n"
     "'*.txt' 00 3f 00 '&Web Files' 00\n"
     "'*.htm,*.html,*.shtm,*.shtml,*.alx,*.asp,*.htx,*.stm' 00 0d 00 'Mine' 00 '*.x,*.y'\n"
     "00",
     "00 02 01 00 00 00 01 00 00 00 01 00 00 00 01 00 00 00 00 00 00 00 01 00 01 02 2c 01\n"
     "0d 00 00 00 0d 00*479 ff ff ff ff 00*8 0d 00 40 01 e4 01 0c 00 01 00 00 00 f0 01 10\n"
     "00 00 00 00 00 c1 01 0c 00 3f 00 00 00 7f 01 1d 00 d0 00 00 00 72 01 0d 00 fa 00 00\n"
     "00 5f 01 13 00 12 01 00 00 52 01 0d 00 31 01 00 00 46 01 0c 00 45 01 00 00 d7 01 0d\n"
     "00 10 00 00 00 cd 01 0a 00 2f 00 00 00 ae 01 13 00 80 00 00 00 9c 01 12 00 ad 00 00\n"
     "00 40 01 06 00 86 01 00*202 01 'Mine' 00 01 '&Web Files' 00 01 '&Text Files' 00 01\n"
     "'&Resource Scripts' 00 01 '&Perl Files' 00 01 '&Interface Definition Files' 00 01\n"
     "'C++ Source Files' 00 01 'C++ Include Files' 00 01 '&C++ Files' 00 01 'C# Files' 00\n"
     "01 'Basic Files' 00 00 'keys,U' 00 'key' 00 00 'Physical Index' 00"},
    {"KyPathPlan", AddPathPlan,
     "0c 00 02 00 'key' 00 'value,C' 00 16 00 'Sources' 00 'C:\\src' 01 '*.c' 01 01 01 00",
     "00 02 01 00 00 00 01 00 00 00 01 00 00 00 01 00 00 00 00 00 00 00 01 00 01 02 2c 01\n"
     "03 00 00 00 03 00*479 ff ff ff ff 00*8 03 00 db 01 e4 01 0c 00 01 00 00 00 f0 01 10\n"
     "00 00 00 00 00 db 01 09 00 10 00*438 01 'Sources' 00 00 'keys,U' 00 'key' 00 00\n"
     "'Physical Index' 00"},
    {"KyReplacePlan", AddReplacePlan,
     "0c 00 02 00 'key' 00 'value,C' 00 2c 00 'Plan' 00 61 01 62 01 31 01 31 01 30 01 30\n"
     "01 30 01 30 01 31 01 30 01 30 02 03 31 03 30 03 31 03 30 03 31 03 03 31 03 03 31 00",
     "00 02 01 00 00 00 01 00 00 00 01 00 00 00 01 00 00 00 00 00 00 00 01 00 01 02 2c 01\n"
     "03 00 00 00 03 00*479 ff ff ff ff 00*8 03 00 de 01 e4 01 0c 00 01 00 00 00 f0 01 10\n"
     "00 00 00 00 00 de 01 06 00 10 00*441 01 'Plan' 00 00 'keys,U' 00 'key' 00 00\n"
     "'Physical Index' 00"},
};

} // namespace

TEST(NamedDbBytes, ANewDatabaseWithOneItemHasItsFixedBytes)
{
    for (const DbCase& c : kCases) {
        SCOPED_TRACE(c.files);
        DbFolder folder;
        c.add();
        const std::string base = folder.File(c.files);
        EXPECT_EQ(kytest::HexTable(c.db), kytest::ToHex(kytest::ReadFile(base + ".db")));
        EXPECT_EQ(kytest::HexTable(c.idx), kytest::ToHex(kytest::ReadFile(base + ".idx")));
    }
}
