// Tests of file-name equality and order: letter case, separator kinds, maps and searches.
#include "KyStd/Containers/Map.h"
#include "KyStd/Files/FileName.h"

#include <gtest/gtest.h>

using namespace Kyvant;

TEST(FileName, EqualityIgnoresCaseAndSeparatorKind)
{
    struct Row {
        const char *a, *b;
        bool equal;
    } rows[] = {{"C:/Dir/File.TXT", "c:\\dir\\file.txt", true},
                {"a/b\\c", "A\\B/C", true},
                {"a.b", "a\\b", false},
                {"abc", "abcd", false},
                {"", "", true}};
    for (const Row& r : rows) {
        EXPECT_EQ(ky_F(r.a) == ky_F(r.b), r.equal) << r.a << " vs " << r.b;
        EXPECT_EQ(ky_F(r.a).compare(r.b) == 0, r.equal) << r.a << " vs " << r.b;
    }
}

TEST(FileName, SeparatorsSortBeforeEveryOtherCharacter)
{
    // Each row: a strictly before b.
    struct Row {
        const char *a, *b;
    } rows[] = {
        {"a\\b", "a.b"}, {"a\\b", "a0"}, {"a/b", "a!"}, {"a", "a\\"},    {"a\\", "a "},
        {"A", "b"},      {"a", "B"},     {"Z", "\xE9"}, {"a\\z", "a.a"}, {"dir\\x", "dir x"},
    };
    for (const Row& r : rows) {
        EXPECT_TRUE(ky_F(r.a) < ky_F(r.b)) << r.a << " < " << r.b;
        EXPECT_FALSE(ky_F(r.b) < ky_F(r.a)) << r.b << " < " << r.a;
        EXPECT_EQ(ky_F(r.a).compare(r.b), -1) << r.a;
        EXPECT_EQ(ky_F(r.b).compare(r.a), 1) << r.b;
    }
}

TEST(FileName, MapFindsKeysWhateverTheSeparatorOrCase)
{
    ky_map<ky_F, int> m;
    m[ky_F("C:\\Src\\Main.cpp")] = 1;
    m[ky_F("C:\\src.old\\main.cpp")] = 2;
    m[ky_F("c:/src/util/")] = 3;

    EXPECT_EQ(m.size(), 3u);
    auto it = m.find(ky_F("c:/SRC/main.CPP"));
    ASSERT_NE(it, m.end());
    EXPECT_EQ(it->second, 1);
    it = m.find(ky_F("C:\\SRC\\UTIL\\"));
    ASSERT_NE(it, m.end());
    EXPECT_EQ(it->second, 3);
    EXPECT_EQ(m.find(ky_F("c:\\src\\util")), m.end());

    // Folder contents sort right after their folder, before names with '.'.
    auto first = m.begin();
    EXPECT_EQ(first->second, 1);
    EXPECT_EQ((++first)->second, 3);
    EXPECT_EQ((++first)->second, 2);
}

TEST(FileName, SearchesAndSubstituteUseFileNameEquality)
{
    ky_F f("C:\\Dir/Sub\\file.TXT");
    EXPECT_EQ(f.find("dir\\sub/"), 3u);
    EXPECT_EQ(f.rfind('/'), 10u);
    EXPECT_STREQ(f.Substitute("/", "\\").c_str(), "C:\\Dir\\Sub\\file.TXT");
    EXPECT_STREQ((ky_F("dir") + '\\' + "name" + ky_F(".ext")).c_str(), "dir\\name.ext");
}
