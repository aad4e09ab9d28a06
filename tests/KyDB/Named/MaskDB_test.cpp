// Mask sets: the default sets, '&' spellings, name rules, cycle checks and
// expansion.
#include "KyDB/Named/MaskDB.h"
#include "NamedDbTestEnv.h"

#include <gtest/gtest.h>

using namespace Kyvant;
using NamedDbTest::DbFolder;
using NamedDbTest::Words;
using Strings = std::vector<std::string>;

namespace {

std::string InsertError(const char* name, const char* value)
{
    return NamedDbTest::ErrorOf(
        [&] { MaskDB::Instance().Insert(name, StoredString<ky_I>(value)); });
}

Strings Expand(const char* text, bool expand = true)
{
    Words w;
    w.items.push_back("stale");
    const unsigned n = MaskDB::Instance().Expand(w, text, expand);
    EXPECT_EQ(n, w.count());
    return w.items;
}

Strings Names()
{
    Strings names;
    for (const auto& entry : MaskDB::Instance())
        names.push_back(entry.first.c_str());
    return names;
}

} // namespace

TEST(MaskSetNames, CompareAndUnAmpersand)
{
    struct Case {
        const char* a;
        const char* b;
        int result;
    } cases[] = {
        {"&C++ Files", "c++ files", 0},
        {"C&++ Files", "C++ FILES", 0},
        {"a&&b", "a&b", -1},
        {"C# Files", "C++ Files", -1},
        {"&b", "A", 1},
        {"\xe9", "z", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, MaskDB::Less::CompareAmpersandStrings(c.a, c.b)) << c.a << " " << c.b;
        EXPECT_EQ(-c.result, MaskDB::Less::CompareAmpersandStrings(c.b, c.a)) << c.a << " " << c.b;
    }
    EXPECT_STREQ("Web Files", MaskDB::UnAmpersand("&Web Files").c_str());
    EXPECT_STREQ("&x", MaskDB::UnAmpersand("&&&x").c_str());
    ky_I same("&a&&b");
    MaskDB::UnAmpersand(same, same);
    EXPECT_STREQ("a&b", same.c_str());
}

TEST(MaskDB, NewDatabaseHoldsTheDefaultSets)
{
    DbFolder folder;
    MaskDB& db = MaskDB::Instance();
    EXPECT_EQ(Strings({"Basic Files", "C# Files", "&C++ Files", "C++ Include Files",
                       "C++ Source Files", "&Interface Definition Files", "&Perl Files",
                       "&Resource Scripts", "&Text Files", "&Web Files"}),
              Names());
    EXPECT_STREQ("*.htm,*.html,*.shtm,*.shtml,*.alx,*.asp,*.htx,*.stm",
                 db.find("web files")->second.c_str());
    for (const char* name : {"C++ Files", "c++ FILES", "&C++ Files", "&c&++ files"})
        EXPECT_STREQ("&C++ Files", db.find(name)->first.c_str()) << name;
    EXPECT_FALSE(db.find(MaskDB::value_type("c# files", StoredString<ky_I>("*.CS"))) == db.end());
    EXPECT_TRUE(db.find(MaskDB::value_type("c# files", StoredString<ky_I>("*.c"))) == db.end());
    EXPECT_EQ(folder.File("KyMask.db"), db.GetDbFileName().c_str());
}

TEST(MaskDB, Expansion)
{
    DbFolder folder;
    const Strings cpp = {"*.cpp", "*.cxx", "*.c", "*.h",  "*.hpp",
                         "*.hxx", "*.inl", "*.",  "*.rc", "*.rc2"};
    EXPECT_EQ(cpp, Expand("&C++ Files"));
    EXPECT_EQ(cpp, Expand(" c++ files "));
    EXPECT_EQ(Strings({"C++ Files"}), Expand(">   C++ Files"));
    EXPECT_EQ(Strings({"*.x"}), Expand(" , ,  *.x , ,"));
    EXPECT_EQ(Strings({}), Expand(" , > ,"));
    EXPECT_EQ(Strings({"*.txt", "*.cs", "*.y"}), Expand("Text Files,C# Files,*.y"));
    EXPECT_EQ(Strings({"Text Files", ">C# Files"}), Expand(" Text Files , >C# Files", false));

    MaskDB::Instance().Insert("Mixed", StoredString<ky_I>("*.a, >Text Files ,Perl Files"));
    EXPECT_EQ(Strings({"*.a", "Text Files", "*.pl", "*.pm"}), Expand("Mixed"));
}

TEST(MaskDB, NameRulesAndCycles)
{
    DbFolder folder;
    struct Case {
        const char* name;
        const char* result; // the trimmed name, or the error
    } names[] = {
        {"  Trimmed  ", "Trimmed"},
        {"x>", "x>"},
        {"a,b", "The , and ; characters are not allowed in Mask Set names"},
        {"a;b", "The , and ; characters are not allowed in Mask Set names"},
        {">x", "The > character cannot be the first character in a Mask Set name"},
        {"   ", "The name must contain at least one character that is not a space"},
    };
    for (const Case& c : names) {
        ky_I name(c.name);
        try {
            MaskDB::Instance().ValidateName(name);
            EXPECT_STREQ(c.result, name.c_str());
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(c.result, e.what()) << c.name;
        }
    }
    EXPECT_EQ("Zero-length names are not allowed", InsertError("", "*.x"));
    EXPECT_EQ("Detected cycle in Mask Set: Self", InsertError("Self", "*.a,Self"));
    EXPECT_EQ("Detected cycle in Mask Set: &self", InsertError("Self", "&self"));
    EXPECT_EQ("", InsertError("A", "B"));
    EXPECT_EQ("Detected cycle in Mask Set: B", InsertError("B", "*.b, A"));
    EXPECT_EQ("", InsertError("B", ">A"));
    EXPECT_EQ("Detected cycle in Mask Set: C++ Include Files",
              InsertError("C++ Include Files", "*.h,&C++ Files"));
    EXPECT_STREQ("*.h,*.hpp,*.hxx,*.inl,*.",
                 MaskDB::Instance().find("C++ Include Files")->second.c_str());
    EXPECT_EQ("", InsertError("Twice", "Text Files,&Text Files,B"));
}

TEST(MaskDB, SpellingsPersist)
{
    DbFolder folder;
    MaskDB& db = MaskDB::Instance();
    db.Erase("C++ Files", true); // stored as "&C++ Files"
    db.Erase("Nothing like it", true);
    db.Rename("Text Files", "&Text Files2");
    db.Rename("perl files", "Perl Files"); // letters and '&' of one entry
    db.Insert("&C++ Source Files", StoredString<ky_I>("*.cc"));
    db.Insert("web files", StoredString<ky_I>("*.htm"));
    db.Erase("Basic Files", false); // memory only

    MaskDB::Reset();
    EXPECT_EQ(Strings({"Basic Files", "C# Files", "C++ Include Files", "&C++ Source Files",
                       "&Interface Definition Files", "Perl Files", "&Resource Scripts",
                       "&Text Files2", "web files"}),
              Names());
    EXPECT_STREQ("*.cc", MaskDB::Instance().find("c++ source files")->second.c_str());
}
