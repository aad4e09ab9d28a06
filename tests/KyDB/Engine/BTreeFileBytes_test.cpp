// The index file's bytes after fixed sequences of inserts (and some
// deletes), compared with those recorded from the engine before its bulk
// inserts were made faster: each case's file size and a hash of its bytes.
#include "KyDB/Engine/BlockPool.h"
#include "KyDB/Engine/BTree.h"
#include "KyDBTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

using namespace Kyvant;
using namespace KyDBTest;

namespace {

enum class Keys { Random16, Mixed, Ascending, Descending };
enum class WriteBack { Every1000, EachInsert };

struct Case {
    const char* what;
    int poolBlocks;
    unsigned poolBlockSize;
    unsigned fileBlockSize;
    Keys keys;
    int count;
    bool duplicates;
    bool shared;
    WriteBack writeBack;
    int deleteEvery; // after the inserts, every n-th key is deleted and
                     // count / 4 more are inserted; 0: none
    std::uint32_t size;
    std::uint64_t hash;    // of the file's bytes
    std::uint64_t results; // of the operations' result codes
};

std::string KeyOf(Keys kind, int i, std::mt19937& rng)
{
    static const char chars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJ0123456789";
    char number[16];
    switch (kind) {
    case Keys::Random16: {
        std::string k(16, ' ');
        for (char& c : k)
            c = chars[rng() % 36];
        return k;
    }
    case Keys::Mixed: {
        // Lengths 1 to 60, case variants of each other and repeats.
        std::string k(1 + rng() % 60, ' ');
        for (char& c : k)
            c = chars[rng() % 8 + (rng() % 2 ? 26 : 0)];
        return k;
    }
    case Keys::Ascending:
        std::snprintf(number, sizeof number, "key%08d", i);
        return number;
    case Keys::Descending:
        std::snprintf(number, sizeof number, "key%08d", 1000000 - i);
        return number;
    }
    return std::string();
}

std::uint64_t Fnv1a(const std::vector<std::uint8_t>& bytes)
{
    std::uint64_t h = 14695981039346656037ull;
    for (std::uint8_t c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

class Inserter {
public:
    Inserter(BTreeHandle* h, const Case& c) : h_(h), c_(c)
    {
        if (c_.writeBack == WriteBack::Every1000)
            BtLock(h_, kBtExclusive);
    }
    ~Inserter()
    {
        if (c_.writeBack == WriteBack::Every1000)
            BtUnlock(h_, kBtExclusive);
    }
    void Insert(const std::string& key, std::int32_t item)
    {
        int r =
            BtInsert(h_, key.data(), static_cast<std::uint32_t>(key.size()), item, c_.duplicates);
        results_ += static_cast<char>('0' + (r + 2));
        Step();
    }
    void Delete(const std::string& key, std::int32_t item)
    {
        int r = BtDelete(h_, key.data(), static_cast<std::uint32_t>(key.size()), item);
        results_ += static_cast<char>('0' + (r + 2));
        Step();
    }
    const std::string& Results() const { return results_; }

private:
    void Step()
    {
        if (c_.writeBack == WriteBack::Every1000 && ++done_ % 1000 == 0) {
            BtUnlock(h_, kBtExclusive);
            BtLock(h_, kBtExclusive);
        }
    }

    BTreeHandle* h_;
    const Case& c_;
    int done_ = 0;
    std::string results_;
};

} // namespace

TEST(BTreeFileBytes, InsertsGiveTheRecordedFile)
{
    const Case cases[] = {
        {"random keys, large pool, written back every 1,000", 8192, 512, 0, Keys::Random16, 30000,
         false, false, WriteBack::Every1000, 0, 993792u, 0xb89ca09c04485258ull,
         0x168a6ada901c87b5ull},
        {"random keys, default pool", 16, 512, 0, Keys::Random16, 8000, false, false,
         WriteBack::Every1000, 0, 263168u, 0x9ee37e87641aa80bull, 0x481d738e66e4d165ull},
        {"mixed keys with duplicates, 1,024-byte blocks, each insert written", 64, 1024, 1024,
         Keys::Mixed, 6000, true, false, WriteBack::EachInsert, 0, 320512u, 0x5f1fdf9505016830ull,
         0x747b497a38004941ull},
        {"mixed keys without duplicates, shared file", 256, 512, 0, Keys::Mixed, 5000, false, true,
         WriteBack::Every1000, 0, 287232u, 0xf6b7b08de98925d4ull, 0xe6be4692bc463649ull},
        {"ascending keys", 8192, 512, 0, Keys::Ascending, 20000, false, false, WriteBack::Every1000,
         0, 414208u, 0xc930ec3dc7f964c2ull, 0x60b2f46882ab5c85ull},
        {"descending keys, 92-byte blocks", 8192, 512, 92, Keys::Descending, 6000, false, false,
         WriteBack::Every1000, 0, 184276u, 0x2b0de7fe711e0077ull, 0x85f8ce5e511aecf5ull},
        {"random keys, deletes, then more inserts into freed blocks", 8192, 512, 0, Keys::Random16,
         12000, false, false, WriteBack::Every1000, 3, 393728u, 0x889d0becd0097724ull,
         0x730e649cdfd8365dull},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NoFlush noFlush;
        ScratchDir dir;
        const std::string path = dir.Path("bytes.idx");
        ASSERT_NE(PoolCreate(c.poolBlockSize, c.poolBlocks), nullptr);
        BTreeHandle* h = BtCreate(path.c_str(), nullptr, nullptr, c.fileBlockSize);
        ASSERT_NE(h, nullptr);
        if (c.shared) {
            ASSERT_EQ(BtClose(h), 1);
            h = BtOpen(path.c_str(), nullptr, nullptr, true, false);
            ASSERT_NE(h, nullptr);
        }
        std::mt19937 rng(1234);
        std::vector<std::string> keys;
        std::uint64_t results = 0;
        {
            Inserter inserter(h, c);
            for (int i = 0; i < c.count; ++i) {
                keys.push_back(KeyOf(c.keys, i, rng));
                inserter.Insert(keys.back(), i % 7);
            }
            if (c.deleteEvery) {
                for (int i = 0; i < c.count; i += c.deleteEvery)
                    inserter.Delete(keys[i], i % 7);
                for (int i = 0; i < c.count / 4; ++i)
                    inserter.Insert(KeyOf(c.keys, i, rng), 100 + i);
            }
            results = Fnv1a(
                std::vector<std::uint8_t>(inserter.Results().begin(), inserter.Results().end()));
        }
        ASSERT_EQ(BtCloseAll(), 1);
        const std::vector<std::uint8_t> bytes = ReadAll(path);
        EXPECT_EQ(bytes.size(), c.size);
        EXPECT_EQ(Fnv1a(bytes), c.hash) << std::hex << Fnv1a(bytes);
        EXPECT_EQ(results, c.results) << std::hex << results;
    }
}
