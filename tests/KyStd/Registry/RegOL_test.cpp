// Tests of the registry ordered lists: MRU codes, order, readers and writers.
#include "KyStd/Core/Errors.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Registry/MRUCodeAllocator.h"
#include "KyStd/Registry/RegMRU.h"
#include "KyStd/Registry/RegSeq.h"
#include "RegScratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <string>
#include <vector>

using namespace Kyvant;
using namespace Kyvant::RegOL;
using namespace KyTest;

namespace {

using Texts = std::vector<std::string>;

std::string RuntimeErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "<no exception>";
}

template <class Reader>
Texts Entries(Reader& reader)
{
    Texts texts;
    for (const auto* t = reader.GetFirst(); t; t = reader.GetNext())
        texts.push_back(t->c_str());
    return texts;
}

// The values named by the codes of "Order", in that order; with strict set,
// a one-character value that "Order" does not name is a failure.
Texts StoredMRU(HKEY list, bool strict = true)
{
    std::string order = GetString(list, "Order");
    Texts texts;
    for (char code : order)
        texts.push_back(GetString(list, std::string(1, code).c_str()));
    for (const std::string& name : ValueNames(list)) {
        if (strict && name.size() == 1 && order.find(name[0]) == std::string::npos)
            ADD_FAILURE() << "value " << name << " is not in Order " << order;
    }
    return texts;
}

} // namespace

TEST(MRUCodeAllocatorTest, HandsOutTheLowestFreeCode)
{
    MRUCodeAllocator codes;
    std::string handed, all;
    for (int i = 0; i < 64; ++i)
        handed += codes.GetNextAvailableCode(i % 2 == 0);
    for (char c = '!'; c <= '`'; ++c)
        all += c;
    EXPECT_EQ(handed, all);
    EXPECT_EQ(RuntimeErrorOf([&] { codes.GetNextAvailableCode(true); }), "Out of MRU codes");
    codes.ReleaseCode('#');
    codes.ReleaseCode('\'');
    EXPECT_EQ(codes.GetNextAvailableCode(false), '#');

    codes.Reset("BA");
    codes.AllocateCode('C', true);
    codes.AllocateCode('D', false);
    EXPECT_EQ(codes.GetNextAvailableCode(true), '!');
    EXPECT_EQ(std::string(codes.GetOrder().c_str()), "!CBAD");
    EXPECT_EQ(RuntimeErrorOf([&] { codes.AllocateCodes("EE"); }),
              "Failed to allocate specific MRU code");
    EXPECT_EQ(RuntimeErrorOf([&] { codes.ReleaseCode('a'); }), "Tried to release a non-MRU code");
}

TEST(RegMRUReaderTest, ReadsInOrderAndSkipsWhatIsNotInIt)
{
    RegScratch scratch("mru_read");
    HKEY list = SubKey(scratch.get(), "MRU");
    PutString(list, "A", "text A");
    PutString(list, "B", "text B");
    PutString(list, "C", "not in order");
    PutString(list, "Order", "BA");
    RegCloseKey(list);

    RegKey parent(scratch.get(), "");
    RegMRUReader<ky_S> reader(parent);
    EXPECT_EQ(Entries(reader), (Texts{"text B", "text A"}));
    EXPECT_EQ(RuntimeErrorOf([&] { reader.TakeValue("C", ky_S("x"), false); }),
              "OL code not found");
    EXPECT_EQ(RuntimeErrorOf([&] { RegMRUReader<ky_S>(parent, "MRU", "O"); }),
              "MRU order names must be at least two characters long");
    RegMRUReader<ky_S> unread(parent, "MRU", "Order", false);
    EXPECT_EQ(RuntimeErrorOf([&] { unread.GetNext(); }),
              "RegMRUReader::GetNext was called without reading the MRU");
}

TEST(RegMRUReaderTest, DamagedOrderStillReadsAndRewrites)
{
    struct {
        const char* what;
        std::function<void(HKEY)> order;
        Texts expected;
    } cases[] = {
        {"duplicated code", [](HKEY k) { PutString(k, "Order", "BAB"); }, {"b", "a"}},
        {"code out of range", [](HKEY k) { PutString(k, "Order", "B~a A"); }, {"b", "a"}},
        {"code without value", [](HKEY k) { PutString(k, "Order", "ZBA"); }, {"b", "a"}},
        {"missing", [](HKEY) {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RegScratch scratch("mru_damaged");
        HKEY list = SubKey(scratch.get(), "MRU");
        PutString(list, "A", "a");
        PutString(list, "B", "b");
        c.order(list);

        RegKey parent(scratch.get(), "");
        RegMRUReader<ky_S> reader(parent);
        EXPECT_EQ(Entries(reader), c.expected);
        RegMRUWriter<ky_S> writer(reader, 3);
        writer.Add(ky_S("new"));
        Texts after = c.expected;
        after.insert(after.begin(), "new");
        // Values the damaged order did not name may stay; they are no entries.
        EXPECT_EQ(StoredMRU(list, false), after);
        RegCloseKey(list);
    }
}

TEST(RegMRUWriterTest, FullListDropsTheBackEntryAndReAddingMovesToTheFront)
{
    RegScratch scratch("mru_full");
    RegKey parent(scratch.get(), "");
    RegMRUReader<ky_S> reader(parent);
    RegMRUWriter<ky_S> writer(reader, 3);
    for (const char* text : {"one", "two", "three"})
        writer.Add(ky_S(text));
    HKEY list = SubKey(scratch.get(), "MRU");
    EXPECT_EQ(GetString(list, "Order"), "#\"!");

    // "one" goes from the back; its code '!' is the lowest free one again.
    writer.Add(ky_S("four"));
    EXPECT_EQ(GetString(list, "Order"), "!#\"");
    EXPECT_EQ(StoredMRU(list), (Texts{"four", "three", "two"}));

    writer.Add(ky_S("two"));
    EXPECT_EQ(StoredMRU(list), (Texts{"two", "four", "three"}));
    std::string order = GetString(list, "Order");
    writer.Add(ky_S("two"));
    writer.Add(ky_S(""));
    EXPECT_EQ(GetString(list, "Order"), order);
    EXPECT_TRUE(writer.Remove(ky_S("four")));
    EXPECT_FALSE(writer.Remove(ky_S("four")));
    EXPECT_EQ(StoredMRU(list), (Texts{"two", "three"}));

    RegMRUReader<ky_S> again(parent);
    EXPECT_EQ(Entries(again), (Texts{"two", "three"}));
    RegCloseKey(list);

    EXPECT_EQ(RuntimeErrorOf([&] { RegMRUWriter<ky_S>(reader, 65); }),
              "RegMRUWriter size exceeds code space");
    EXPECT_EQ(RuntimeErrorOf([&] { RegMRUWriter<ky_S>(reader, 0); }),
              "RegMRUWriter size must be at least 1");
}

TEST(RegMRUWriterTest, SixtyFiveAddsKeepTheNewestSixtyFour)
{
    RegScratch scratch("mru_65");
    RegKey parent(scratch.get(), "");
    RegMRUReader<ky_S> reader(parent);
    RegMRUWriter<ky_S> writer(reader, 64);
    for (int i = 1; i <= 65; ++i)
        writer.Add(ky_S(std::to_string(i).c_str()));

    Texts expected;
    for (int i = 65; i >= 2; --i)
        expected.push_back(std::to_string(i));
    EXPECT_EQ(Entries(reader), expected);
    HKEY list = SubKey(scratch.get(), "MRU");
    EXPECT_EQ(StoredMRU(list), expected);
    RegCloseKey(list);
}

TEST(RegMRUWriterTest, FileNameListsMatchNamesAsFileNames)
{
    RegScratch scratch("mru_files");
    RegKey parent(scratch.get(), "");
    RegMRUReader<ky_F> reader(parent, "Recent Files");
    RegMRUWriter<ky_F> writer(reader, 8);
    writer.Add(ky_F("C:\\Dir\\a.txt"));
    writer.Add(ky_F("b.txt"));
    writer.Add(ky_F("c:/dir/A.TXT"));
    EXPECT_EQ(Entries(reader), (Texts{"c:/dir/A.TXT", "b.txt"}));
}

TEST(RegSeqReaderTest, ReadsInNumericOrder)
{
    RegScratch scratch("seq_read");
    HKEY list = SubKey(scratch.get(), "Paths");
    // Names are read as decimal numbers, leading blanks and zeros allowed.
    for (const char* name : {"10", "2", "1", " 4", "05"})
        PutString(list, name, std::string("text ") + name);
    RegCloseKey(list);

    RegKey parent(scratch.get(), "");
    RegSeqReader<ky_S> reader(parent, "Paths");
    EXPECT_EQ(Entries(reader), (Texts{"text 1", "text 2", "text  4", "text 05", "text 10"}));
    ASSERT_NE(reader.Find(2), nullptr);
    EXPECT_STREQ(reader.Find(2)->c_str(), "text 2");
    EXPECT_EQ(reader.Find(3), nullptr);
    RegSeqReader<ky_S> unread(parent, "Paths", false);
    EXPECT_EQ(RuntimeErrorOf([&] { unread.GetNext(); }),
              "RegSeqReader::GetNext was called without reading the seq");
}

TEST(RegSeqWriterTest, PlainWriterReplacesTheKeyTiedWriterOnlyTheList)
{
    struct {
        bool tied;
        Texts remaining;
    } cases[] = {
        {false, {"0", "1"}},
        {true, {"0", "1", "3", "Comment"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tied ? "tied" : "plain");
        RegScratch scratch("seq_write");
        HKEY list = SubKey(scratch.get(), "Paths");
        for (const char* name : {"0", "1", "2", "4"})
            PutString(list, name, "old");
        // Put in by someone else after the list was read.
        const auto putOthers = [list] {
            PutString(list, "Comment", "no entry");
            PutDword(list, "3", 3);
        };

        RegKey parent(scratch.get(), "");
        std::vector<ky_S> items = {ky_S("first"), ky_S("second")};
        forward_input_sequencer<std::vector<ky_S>> seq(items);
        if (c.tied) {
            RegSeqReader<ky_S> reader(parent, "Paths");
            putOthers();
            RegSeqWriter<ky_S>(reader).Write(seq); // finished when destroyed
        } else {
            putOthers();
            RegSeqWriter<ky_S>(parent, "Paths").Write(seq);
        }
        Texts names = ValueNames(list);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, c.remaining);
        EXPECT_EQ(GetString(list, "0"), "first");
        EXPECT_EQ(GetString(list, "1"), "second");
        RegCloseKey(list);
    }
}

TEST(RegOLReaderTest, ValuesThatAreNoEntriesOfTheListThrow)
{
    const std::string notString = "Encountered non-REG_SZ in RegOLReaderBase";
    const std::string notNumber = rtl_error(EINVAL).what();
    const std::string tooLarge = rtl_error(ERANGE).what();
    const DWORD word = 4;
    const struct {
        const char* what;
        bool mru; // else a sequence list
        const char* name;
        DWORD type;
        std::string error;
    } cases[] = {
        {"MRU entry REG_DWORD", true, "D", REG_DWORD, notString},
        {"MRU order REG_DWORD", true, "Order", REG_DWORD, notString},
        {"MRU entry REG_EXPAND_SZ", true, "C", REG_EXPAND_SZ, notString},
        {"MRU name of two characters REG_BINARY", true, "xy", REG_BINARY, notString},
        {"sequence entry REG_DWORD", false, "3", REG_DWORD, notString},
        {"sequence entry REG_MULTI_SZ", false, "3", REG_MULTI_SZ, notString},
        {"sequence name not a number", false, "x", REG_SZ, notNumber},
        {"sequence name with a letter after the number", false, "4a", REG_SZ, notNumber},
        {"sequence name empty", false, "", REG_SZ, notNumber},
        {"sequence name over 32 bits", false, "99999999999", REG_SZ, tooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RegScratch scratch("ol_refused");
        HKEY list = SubKey(scratch.get(), c.mru ? "MRU" : "Paths");
        PutString(list, c.mru ? "A" : "0", "a");
        if (c.mru && std::string(c.name) != "Order")
            PutString(list, "Order", "A");
        if (c.type == REG_SZ)
            PutString(list, c.name, "b");
        else
            RegSetValueExA(list, c.name, 0, c.type, reinterpret_cast<const BYTE*>(&word),
                           sizeof word);
        RegCloseKey(list);

        RegKey parent(scratch.get(), "");
        if (c.mru) {
            RegMRUReader<ky_S> reader(parent, "MRU", "Order", false);
            EXPECT_EQ(RuntimeErrorOf([&] { reader.Read(); }), c.error);
            EXPECT_FALSE(reader.IsRead());
        } else {
            RegSeqReader<ky_S> reader(parent, "Paths", false);
            EXPECT_EQ(RuntimeErrorOf([&] { reader.Read(); }), c.error);
            EXPECT_EQ(RuntimeErrorOf([&] { reader.TakeValue(c.name, ky_S("b"), false); }),
                      c.type == REG_SZ ? c.error : "<no exception>");
            EXPECT_FALSE(reader.IsRead());
        }
    }
}
