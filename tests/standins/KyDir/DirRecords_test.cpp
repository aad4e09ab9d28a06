// The Dir record stream against a buffer, the split of item paths and the
// listing's text forms.
#include "common/HexBytes.h"
#include "KyDir/DirItem.h"
#include "KyDir/DirRecords.h"
#include "KyDir/ListingText.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <stdexcept>
#include <string>

using namespace Kyvant::StandIn;

namespace {

DirItem Item(const std::string& folder, const std::string& name, unsigned rank)
{
    DirItem item;
    item.folder = folder;
    item.name = name;
    item.details.attributes = FILE_ATTRIBUTE_ARCHIVE;
    item.details.size = 0x123456789ull;
    item.details.reserved = rank;
    return item;
}

std::string DetailsRecord(const DirItem& item)
{
    std::string record(1, '\0');
    record.append(reinterpret_cast<const char*>(&item.details), sizeof item.details);
    return record;
}

} // namespace

TEST(DirRecords, FolderOncePerRunDetailsThenName)
{
    StringSink sink;
    DirRecordWriter writer(sink);
    const DirItem a = Item("C:\\x\\", "a.txt", 7), b = Item("C:\\x\\", "b.txt", 0),
                  c = Item("C:\\x\\sub\\", "c.txt", 0), d = Item("C:\\x\\", "d.txt", 0);
    writer.Add(a);
    writer.Add(b);
    writer.Add(c);
    writer.AddWithoutDetails("C:\\x\\sub\\", "listed.txt");
    writer.Add(d);
    const std::string expected = "\x01" "C:\\x\\\n" + DetailsRecord(a) + "\x02" "a.txt\n" +
                                 DetailsRecord(b) + "\x02" "b.txt\n" +
                                 "\x01" "C:\\x\\sub\\\n" + DetailsRecord(c) + "\x02" "c.txt\n" +
                                 "\x02" "listed.txt\n" + "\x01" "C:\\x\\\n" + DetailsRecord(d) +
                                 "\x02" "d.txt\n";
    EXPECT_EQ(sink.Text(), expected);

    // The details are the 40-byte find data as it stands, the rank at 32.
    const std::string record = DetailsRecord(a);
    ASSERT_EQ(record.size(), 41u);
    unsigned rank = 0;
    std::memcpy(&rank, record.data() + 1 + 32, sizeof rank);
    EXPECT_EQ(rank, 7u);
}

// The stream as the Dir front-end reads it, whichever width wrote it: the
// details are 40 bytes of little-endian words with the padding zero.
TEST(DirRecords, AnItemHasItsFixedBytes)
{
    DirItem item = Item("C:\\x\\", "a.txt", 7);
    item.details.attributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY;
    item.details.lastWriteTime = {0x89ABCDEF, 0x01D2E3F4};
    item.details.creationTime = {0x11223344, 0x01C00000};
    StringSink sink;
    DirRecordWriter writer(sink);
    writer.Add(item);
    const char* const table = "01 'C:\\x\\' 0a\n"
                              "00 21 00 00 00 00 00 00 00 ef cd ab 89 f4 e3 d2 01\n"
                              "44 33 22 11 00 00 c0 01 89 67 45 23 01 00 00 00\n"
                              "07 00 00 00 00 00 00 00\n"
                              "02 'a.txt' 0a";
    EXPECT_EQ(kytest::HexTable(table), kytest::ToHex(sink.Text()));
}

TEST(DirRecords, AnEmptyFolderIsStillAFolderRecord)
{
    StringSink sink;
    DirRecordWriter writer(sink);
    writer.AddWithoutDetails("", "relative.txt");
    EXPECT_EQ(sink.Text(), std::string("\x01\n\x02relative.txt\n"));
}

// Nothing of an item that cannot be framed is written, not even its folder
// or details, so the next item still starts with its folder record.
TEST(DirRecords, ATextWithALineEndCannotBeFramed)
{
    StringSink sink;
    DirRecordWriter writer(sink);
    EXPECT_THROW(writer.Add(Item("C:\\x\\", "bad\nname", 0)), std::runtime_error);
    EXPECT_THROW(writer.AddWithoutDetails("C:\\odd\n", "a"), std::runtime_error);
    EXPECT_EQ(sink.Text(), "");
    writer.AddWithoutDetails("C:\\x\\", "good");
    EXPECT_EQ(sink.Text(), std::string("\x01" "C:\\x\\\n" "\x02" "good\n"));
}

TEST(DirItems, PathsSplitBehindTheirLastSeparator)
{
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
    } const cases[] = {
        {"C:\\a\\b.txt", "C:\\a\\", "b.txt"},
        {"C:\\a\\sub\\", "C:\\a\\", "sub"},
        {"C:/a/b", "C:/a/", "b"},
        {"b.txt", "", "b.txt"},
        {"C:b.txt", "C:", "b.txt"},
        {"C:\\", "C:\\", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const DirItem item = SplitItemPath(c.path);
        EXPECT_EQ(item.folder, c.folder);
        EXPECT_EQ(item.name, c.name);
        // Into an item that held a longer path before.
        DirItem reused = Item("C:\\a much longer folder\\", "and a longer name.txt", 0);
        SplitItemPath(c.path, std::strlen(c.path), reused);
        EXPECT_EQ(reused.folder, c.folder);
        EXPECT_EQ(reused.name, c.name);
    }
}

TEST(DirListingText, NamesFollowFullPathsAndQuoting)
{
    const DirItem item = Item("C:\\x y\\", "a b.txt", 0);
    struct Case {
        bool full, quoted;
        const char* expected;
    } const cases[] = {
        {false, false, "a b.txt"},
        {true, false, "C:\\x y\\a b.txt"},
        {false, true, "\"a b.txt\""},
        {true, true, "\"C:\\x y\\a b.txt\""},
    };
    for (const Case& c : cases) {
        DirOptions options;
        options.fullPaths = c.full;
        options.quoteNames = c.quoted;
        EXPECT_EQ(ListedName(item, options), c.expected);
    }

    // The list file's lines end in CR LF; the console line carries the details.
    DirOptions options;
    ListFileText text(options);
    text.Add(item);
    text.Add(Item("C:\\", "z", 0));
    EXPECT_EQ(text.Text(), "a b.txt\r\nz\r\n");

    DirItem folder = Item("C:\\", "sub", 42);
    folder.isFolder = true;
    folder.details.attributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY;
    SYSTEMTIME t = {2024, 1, 2, 2, 3, 4, 5, 0};
    SystemTimeToFileTime(&t, &folder.details.lastWriteTime);
    EXPECT_EQ(ConsoleLine(folder, options), "2024-01-02 03:04:05           <DIR>  R--D-  42  sub");
}
