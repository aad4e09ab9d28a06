// Structure checker of index files.
#include "BTreeCheck.h"

#include "KyDBTestSupport.h"

#include <map>
#include <set>
#include <vector>

namespace KyDBTest {

namespace {

std::uint32_t U16(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8);
}

std::int32_t I32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) |
                                     (static_cast<std::uint32_t>(p[3]) << 24));
}

struct Pair {
    const std::uint8_t* key;
    std::uint32_t length;
    std::int32_t item;
};

class Checker {
public:
    Checker(const std::vector<std::uint8_t>& file, KeyCompare compare, void* context)
        : f_(file), compare_(compare ? compare : DefaultKeyOrder), context_(context)
    {
    }

    TreeReport Run()
    {
        if (f_.size() < 36)
            return Fail("file shorter than a control record");
        bs_ = U16(f_.data());
        std::uint32_t parity = 0;
        for (int i = 0; i < 26; i += 2)
            parity ^= U16(f_.data() + i);
        if (parity != 0)
            return Fail("parity");
        std::int32_t root = I32(&f_[2]);
        highest_ = I32(&f_[6]);
        std::int32_t first = I32(&f_[10]), last = I32(&f_[14]), freeHead = I32(&f_[18]);
        std::uint32_t height = U16(&f_[22]);
        if (bs_ < 92 || f_.size() < static_cast<std::size_t>(highest_ + 1) * bs_)
            return Fail("block size or file length");
        for (std::uint32_t i = 36; i < bs_; ++i)
            if (f_[i] != 0)
                return Fail("lock area not zero");
        if (root == 0) {
            if (height != 0 || first != 0 || last != 0)
                return Fail("empty tree with links");
        } else if (!Node(root, static_cast<int>(height), nullptr, nullptr)) {
            return report_;
        }
        for (auto& level : levels_) {
            std::vector<std::int32_t>& nodes = level.second;
            for (std::size_t i = 0; i < nodes.size(); ++i) {
                const std::uint8_t* d = Block(nodes[i]);
                std::int32_t prev = I32(d + 4), next = I32(d + 8);
                if (prev != (i ? nodes[i - 1] : 0) ||
                    next != (i + 1 < nodes.size() ? nodes[i + 1] : 0))
                    return Fail("level chain at level " + std::to_string(level.first));
            }
        }
        if (root != 0) {
            const std::vector<std::int32_t>& leaves = levels_[1];
            if (first != leaves.front() || last != leaves.back())
                return Fail("first or last leaf");
        }
        std::int32_t b = freeHead;
        while (b != 0) {
            if (b < 1 || b > highest_ || !seen_.insert(b).second)
                return Fail("free list link " + std::to_string(b));
            const std::uint8_t* d = Block(b);
            if (I32(d) != 0 || U16(d + 12) != 0)
                return Fail("free block header");
            for (std::uint32_t i = 16; i < bs_; ++i)
                if (d[i] != 0)
                    return Fail("free block not zeroed");
            ++report_.freeBlocks;
            b = I32(d + 4);
        }
        if (seen_.size() != static_cast<std::size_t>(highest_))
            return Fail("blocks neither in the tree nor free");
        return report_;
    }

private:
    const std::uint8_t* Block(std::int32_t b) const
    {
        return f_.data() + static_cast<std::size_t>(b) * bs_;
    }

    TreeReport Fail(const std::string& what)
    {
        report_.problem = what;
        return report_;
    }

    int Order(const Pair& a, const Pair& b) const
    {
        int c = compare_(a.key, a.length, b.key, b.length, context_);
        if (c != 0)
            return c;
        return a.item < b.item ? -1 : (a.item > b.item ? 1 : 0);
    }

    // Entries of the subtree lie in [lower, upper).
    bool Node(std::int32_t b, int level, const Pair* lower, const Pair* upper)
    {
        if (b < 1 || b > highest_ || !seen_.insert(b).second) {
            Fail("bad or repeated node " + std::to_string(b));
            return false;
        }
        levels_[level].push_back(b);
        const std::uint8_t* d = Block(b);
        bool leaf = I32(d) == -1;
        if (leaf != (level == 1)) {
            Fail("node kind at level " + std::to_string(level));
            return false;
        }
        int count = static_cast<std::int16_t>(U16(d + 12));
        std::uint32_t slot = leaf ? 8 : 12;
        std::uint32_t low = U16(d + 14);
        if (count < 0 || 16 + count * slot > low || low > bs_) {
            Fail("node header of " + std::to_string(b));
            return false;
        }
        std::map<std::uint32_t, std::uint32_t> ranges; // offset -> length
        std::vector<Pair> entries;
        for (int i = 0; i < count; ++i) {
            const std::uint8_t* s = d + 16 + i * slot;
            std::uint32_t off = U16(s), len = U16(s + 2);
            if (off < low || off + len > bs_) {
                Fail("key outside node " + std::to_string(b));
                return false;
            }
            auto found = ranges.find(off);
            if (found != ranges.end() && found->second != len) {
                // Slots share key bytes only for bytewise identical keys.
                Fail("key bytes shared by different keys in " + std::to_string(b));
                return false;
            }
            ranges[off] = len;
            entries.push_back({d + off, len, I32(s + 4)});
        }
        std::uint32_t at = low;
        for (auto& r : ranges) {
            if (r.first != at) {
                Fail("key bytes not packed in " + std::to_string(b));
                return false;
            }
            at += r.second;
        }
        if (at != bs_) {
            Fail("key area size in " + std::to_string(b));
            return false;
        }
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (i && Order(entries[i - 1], entries[i]) >= 0) {
                Fail("entries out of order in " + std::to_string(b));
                return false;
            }
            if ((lower && Order(entries[i], *lower) < 0) ||
                (upper && Order(entries[i], *upper) >= 0)) {
                Fail("entry outside its parent's range in " + std::to_string(b));
                return false;
            }
        }
        if (leaf) {
            report_.entries += entries.size();
            return true;
        }
        for (int i = -1; i < count; ++i) {
            std::int32_t child = i < 0 ? I32(d) : I32(d + 16 + i * slot + 8);
            const Pair* lo = i < 0 ? lower : &entries[i];
            const Pair* hi = i + 1 < count ? &entries[i + 1] : upper;
            if (!Node(child, level - 1, lo, hi))
                return false;
        }
        return true;
    }

    const std::vector<std::uint8_t>& f_;
    KeyCompare compare_;
    void* context_;
    std::uint32_t bs_ = 0;
    std::int32_t highest_ = 0;
    std::set<std::int32_t> seen_;
    std::map<int, std::vector<std::int32_t>> levels_;
    TreeReport report_;
};

} // namespace

int DefaultKeyOrder(const std::uint8_t* a, std::uint32_t al, const std::uint8_t* b,
                    std::uint32_t bl, void*)
{
    std::uint32_t n = al < bl ? al : bl;
    for (std::uint32_t i = 0; i < n; ++i) {
        unsigned x = a[i] >= 'A' && a[i] <= 'Z' ? a[i] + 32u : a[i];
        unsigned y = b[i] >= 'A' && b[i] <= 'Z' ? b[i] + 32u : b[i];
        if (x != y)
            return x < y ? -1 : 1;
    }
    return al < bl ? -1 : (al > bl ? 1 : 0);
}

TreeReport CheckTreeFile(const std::string& path, KeyCompare compare, void* context)
{
    std::vector<std::uint8_t> file = ReadAll(path);
    return Checker(file, compare, context).Run();
}

} // namespace KyDBTest
