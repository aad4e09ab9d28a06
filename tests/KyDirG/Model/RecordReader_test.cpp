// The Dir record stream's parser over streams cut at every position and fed
// through small and long reads: the items do not depend on where the reads
// end, a details record cut by a read is completed with a read of exactly
// the missing bytes, a long name is joined over chunks, and a bad stream
// fails with its error after the items before it.
#include "Model/RecordStream.h"

#include "common/HexBytes.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace dirgtest;
using Kyvant::DirResults::RecordReader;

namespace {

using Items = std::vector<std::string>;

Items ReadAll(CutSource& source)
{
    ItemTexts sink;
    RecordReader reader;
    EXPECT_EQ(1, reader.Run(source, sink));
    return sink.items;
}

// What went to the sink before the error, and the error's text.
Items ReadFailing(const std::string& stream, std::string& error)
{
    CutSource source(stream, {});
    ItemTexts sink;
    RecordReader reader;
    try {
        reader.Run(source, sink);
        error = "(none)";
    } catch (const std::runtime_error& e) {
        error = e.what();
    }
    return sink.items;
}

const std::string kStream = FolderRecord("C:\\a\\") + DetailsRecord(MakeDetails(7, 3, 0x20)) +
                            NameRecord("x.txt") + NameRecord("listed.txt") +
                            FolderRecord("C:\\b c\\") + DetailsRecord(MakeDetails(0, 5, 0x10)) +
                            NameRecord("sub") + FolderRecord("") +
                            DetailsRecord(MakeDetails(1, 0, 0)) + NameRecord("\xe9t\xe9.txt");
const Items kItems = {"C:\\a\\|x.txt|7", "C:\\a\\|listed.txt|-", "C:\\b c\\|sub|0",
                      "|\xe9t\xe9.txt|1"};

} // namespace

TEST(RecordReader, SameItemsWhereverTheStreamIsCut)
{
    for (std::size_t cut = 0; cut <= kStream.size(); ++cut) {
        CutSource once(kStream, {cut});
        ASSERT_EQ(kItems, ReadAll(once)) << "cut at " << cut;
        for (std::size_t second = cut + 1; second <= kStream.size(); second += 3) {
            CutSource twice(kStream, {cut, second});
            ASSERT_EQ(kItems, ReadAll(twice)) << "cuts at " << cut << " and " << second;
        }
    }
    std::vector<std::size_t> everyByte;
    for (std::size_t at = 1; at < kStream.size(); ++at)
        everyByte.push_back(at);
    CutSource bytes(kStream, everyByte);
    EXPECT_EQ(kItems, ReadAll(bytes));
}

// The Dir program's bytes, whichever width wrote them, give the same fields.
TEST(RecordReader, FixedBytesGiveTheirFields)
{
    struct Details : Kyvant::DirResults::ItemSink {
        void OnItem(const Kyvant::ky_F&, const char*, unsigned, const FileDetails* got) override
        {
            ASSERT_NE(nullptr, got);
            details = *got;
        }
        FileDetails details = {};
    } sink;
    CutSource source(kytest::FromHex("01 'C:\\x\\' 0a\n"
                                     "00 21 00 00 00 00 00 00 00 ef cd ab 89 f4 e3 d2 01\n"
                                     "44 33 22 11 00 00 c0 01 89 67 45 23 01 00 00 00\n"
                                     "07 00 00 00 00 00 00 00\n"
                                     "02 'a.txt' 0a"),
                     {});
    RecordReader reader;
    EXPECT_EQ(1, reader.Run(source, sink));
    const FileDetails& d = sink.details;
    EXPECT_EQ(0x21u, d.attributes);
    EXPECT_EQ(0x89ABCDEFu, d.lastWriteTime.dwLowDateTime);
    EXPECT_EQ(0x01D2E3F4u, d.lastWriteTime.dwHighDateTime);
    EXPECT_EQ(0x11223344u, d.creationTime.dwLowDateTime);
    EXPECT_EQ(0x01C00000u, d.creationTime.dwHighDateTime);
    EXPECT_EQ(0x123456789ull, d.size);
    EXPECT_EQ(7u, d.reserved);
}

// A chunk that ends 10 bytes into the first details record: the reader asks
// for the missing 30 bytes, then goes on with whole chunks.
TEST(RecordReader, ADetailsRecordCutByARead)
{
    const std::size_t cut = FolderRecord("C:\\a\\").size() + 1 + 10;
    CutSource source(kStream, {cut, cut + 7});
    EXPECT_EQ(kItems, ReadAll(source));
    ASSERT_GE(source.asked.size(), 3u);
    EXPECT_EQ((std::vector<unsigned>{RecordReader::kChunkSize, 30, 23, RecordReader::kChunkSize}),
              std::vector<unsigned>(source.asked.begin(), source.asked.begin() + 4));
}

TEST(RecordReader, LongTextsAreJoinedOverChunksUpToTheirLimit)
{
    const std::string longName(20000, 'n');
    const std::string longest(RecordReader::kMaxTextLength, 'L');
    const std::string stream = FolderRecord(std::string(9000, 'f')) +
                               DetailsRecord(MakeDetails(2, 1, 0)) + NameRecord(longName) +
                               NameRecord(longest) + NameRecord("after");
    CutSource greedy(stream, {});
    const Items items = ReadAll(greedy);
    ASSERT_EQ(3u, items.size());
    EXPECT_EQ(std::string(9000, 'f') + "|" + longName + "|2", items[0]);
    EXPECT_EQ(std::string(9000, 'f') + "|" + longest + "|-", items[1]);
    EXPECT_EQ(std::string(9000, 'f') + "|after|-", items[2]);
    EXPECT_GE(greedy.asked.size(), stream.size() / RecordReader::kChunkSize);
}

TEST(RecordReader, BadStreamsFailAfterTheItemsBeforeThem)
{
    const std::string good = FolderRecord("C:\\a\\") + NameRecord("one");
    const struct {
        const char* what;
        std::string tail;
        const char* error;
    } cases[] = {
        {"record id 3", std::string(1, '\3') + NameRecord("two"),
         "Encountered unexpected record id in pipe"},
        {"record id 255", "\xff", "Encountered unexpected record id in pipe"},
        {"a name cut by the end", "\x02two", "Expected newline"},
        {"a folder cut by the end",
         "\x01"
         "C:\\",
         "Expected newline"},
        {"a name longer than the limit",
         "\x02" + std::string(RecordReader::kMaxTextLength + 1, 'x') + "\n", "Expected newline"},
        {"a name that never ends", "\x02" + std::string(3 * RecordReader::kMaxTextLength, 'x'),
         "Expected newline"},
        {"details cut by the end", DetailsRecord(MakeDetails(1, 1, 1)).substr(0, 20),
         "Incomplete details record in pipe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string error;
        EXPECT_EQ(Items{"C:\\a\\|one|-"}, ReadFailing(good + c.tail, error));
        EXPECT_EQ(c.error, error);
    }
}

// The chunks were once 8,152 bytes; they are larger now, and every stream
// still gives the same items, and fails with the same error after them,
// through either size, however the pipe hands its bytes over: all at once,
// one byte per read, or in odd pieces.
TEST(RecordReader, TheOldAndTheLargeChunksGiveTheSameItems)
{
    const unsigned oldSize = 8152;
    const unsigned large = RecordReader::kChunkSize;
    const std::string folder = FolderRecord("C:\\a\\");
    const std::string details = DetailsRecord(MakeDetails(4, 2, 0x20));
    const std::string start = folder + NameRecord("one");
    // The stream and a folder record that fills it up to the length.
    auto padTo = [](const std::string& stream, std::size_t length) {
        return stream + FolderRecord(std::string(length - stream.size() - 2, 'p'));
    };
    std::string manyItems = folder;
    for (int i = 0; i < 3000; ++i)
        manyItems += (i % 2 ? details : std::string()) + NameRecord("file" + std::to_string(i));
    const struct {
        const char* what;
        std::string stream;
    } cases[] = {
        {"a name longer than the old chunks",
         folder + details + NameRecord(std::string(9000, 'n'))},
        {"a folder record longer than a large chunk",
         FolderRecord(std::string(RecordReader::kMaxTextLength, 'f')) + NameRecord("x")},
        {"details split where an old chunk ends",
         padTo(start, oldSize - 7) + details + NameRecord("d")},
        {"details split where a large chunk ends",
         padTo(start, large - 20) + details + NameRecord("d")},
        {"a name's line end just past a large chunk", padTo(start, large - 1) + NameRecord("e")},
        {"many items over several chunks", manyItems + manyItems + manyItems},
        {"a name longer than the limit",
         folder + NameRecord("a") + NameRecord(std::string(RecordReader::kMaxTextLength + 1, 'x'))},
        {"a bad id where an old chunk ends", padTo(start, oldSize) + "\x07" + NameRecord("z")},
        {"details cut by the end", padTo(start, large - 5) + details.substr(0, 30)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::size_t> everyByte, oddPieces;
        for (std::size_t at = 1; at < c.stream.size(); ++at)
            everyByte.push_back(at);
        for (std::size_t at = 1021; at < c.stream.size(); at += 7919)
            oddPieces.push_back(at);
        std::string firstError;
        Items first;
        bool haveFirst = false;
        for (unsigned size : {oldSize, large}) {
            for (const std::vector<std::size_t>& cuts :
                 {std::vector<std::size_t>(), everyByte, oddPieces}) {
                SCOPED_TRACE("chunk size " + std::to_string(size) + ", " +
                             std::to_string(cuts.size()) + " cuts");
                CutSource source(c.stream, cuts);
                ItemTexts sink;
                RecordReader reader(size);
                std::string error = "(none)";
                try {
                    reader.Run(source, sink);
                } catch (const std::runtime_error& e) {
                    error = e.what();
                }
                if (!haveFirst) {
                    first = sink.items;
                    firstError = error;
                    haveFirst = true;
                    EXPECT_FALSE(first.empty());
                }
                EXPECT_EQ(first, sink.items);
                EXPECT_EQ(firstError, error);
            }
        }
    }
}
