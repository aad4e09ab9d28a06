// The mask-set database: its map with the name rules and the cycle check,
// the default sets of a new database, and expansion of mask texts.
#include "KyDB/Named/MaskDB.h"

#include "KyDB/Named/DbLocation.h"
#include "KyDB/Named/IsamMapStore.h"
#include "KyDB/Named/PathPlanCodes.h"
#include "KyStd/Containers/Map.h"
#include "KyStd/Win32/Resource.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace Kyvant {

namespace {

const int kDefaultSetsResource = 101;
const char kDefaultSetsType[] = "DEFDB";

// The ','-separated items of a mask text, edge blanks trimmed, empty ones dropped.
std::vector<ky_I> MaskItems(const ky_I& text)
{
    std::vector<ky_BSB<char>> pieces;
    back_insert_sequencer<std::vector<ky_BSB<char>>> out(pieces);
    const char seps[2] = {PathPlanTexts::s_PrimaryListSeparator, 0};
    text.Split(out, seps);
    std::vector<ky_I> items;
    for (ky_BSB<char>& piece : pieces) {
        piece.EraseEdgeSpaces();
        if (!piece.empty())
            items.push_back(piece);
    }
    return items;
}

[[noreturn]] void ThrowCycle(const ky_I& name)
{
    throw std::runtime_error(std::string("Detected cycle in Mask Set: ") + name.c_str());
}

// The next line of [p, end) without its line end; false at the end.
bool NextLine(const char*& p, const char* end, ky_S& line)
{
    if (p >= end)
        return false;
    const char* start = p;
    while (p < end && *p != '\n')
        ++p;
    const char* stop = p;
    if (p < end)
        ++p;
    if (stop > start && stop[-1] == '\r')
        --stop;
    line.assign(start, static_cast<unsigned>(stop - start));
    return true;
}

// Writes the default sets into a new database: name and value lines in pairs.
void FillDefaultSets(IsamDatabase* table, IsamIndex* index, const ky_S& basePath)
{
    Win32::Resource sets(GetKyDBModule(), MAKEINTRESOURCEA(kDefaultSetsResource), kDefaultSetsType);
    const char* p = sets.GetBegin();
    ky_S name, value;
    while (NextLine(p, sets.GetEnd(), name) && NextLine(p, sets.GetEnd(), value))
        IsamMapStore::AddRecord(table, index, basePath, name, value);
}

MaskDB* g_instance = nullptr;

// The names being expanded, innermost first.
struct ExpandChain {
    const ky_I& name;
    const ExpandChain* outer;

    bool Holds(const ky_I& n) const
    {
        for (const ExpandChain* c = this; c; c = c->outer)
            if (MaskSetLess::CompareAmpersandStrings(c->name.c_str(), n.c_str()) == 0)
                return true;
        return false;
    }
};

void ExpandText(MaskDB& db, const ky_I& text, const ExpandChain* chain,
                const output_sequencer<ky_BSB<char>>& out, unsigned& count)
{
    for (ky_I& item : MaskItems(text)) {
        if (item[0] == PathPlanCodes::s_MaskSetEscapeCode) {
            item.erase(0, 1);
            item.EraseFrontSpaces();
            if (!item.empty()) {
                out.append(item);
                ++count;
            }
            continue;
        }
        MaskDB::const_iterator set = db.find_load(item);
        if (set == db.end()) {
            out.append(item);
            ++count;
            continue;
        }
        // Stored sets are cycle-free when loaded, but guard the chain anyway.
        if (chain && chain->Holds(set->first))
            ThrowCycle(item);
        const ExpandChain link{set->first, chain};
        ExpandText(db, set->second, &link, out, count);
    }
}

} // namespace

void IsamValueCodec<StoredString<ky_I>>::Store(const StoredString<ky_I>& value, ky_S& text)
{
    text = value;
}

void IsamValueCodec<StoredString<ky_I>>::Load(const ky_S& text, StoredString<ky_I>& value)
{
    value.assign(text);
}

void IsamValueCodec<StoredString<ky_I>>::Check(const ky_BSB<char>&, const StoredString<ky_I>&)
{
    // A mask text is stored as it is.
}

class MaskDB::ImpT : public KyIsamMap<ky_I, StoredString<ky_I>, MaskSetLess> {
    using Base = KyIsamMap<ky_I, StoredString<ky_I>, MaskSetLess>;

public:
    explicit ImpT(const ky_S& basePath) : Base(basePath, true, &FillDefaultSets) { LoadAll(); }

    void ValidateName(ky_I& name) const override
    {
        Base::ValidateName(name);
        if (name.find_first_of(",;") != ky_I::npos)
            throw std::runtime_error(std::string("The ") + PathPlanTexts::s_PrimaryListSeparator +
                                     " and ; characters are not allowed in Mask Set names");
        if (name[0] == PathPlanCodes::s_MaskSetEscapeCode)
            throw std::runtime_error(std::string("The ") + PathPlanCodes::s_MaskSetEscapeCode +
                                     " character cannot be the first character in a Mask Set name");
    }

    std::pair<iterator, bool> Insert(const value_type& entry, bool write) override
    {
        ky_set<ky_I, MaskSetLess> names;
        names.insert(entry.first);
        CheckCycles(entry.second, names);
        return Base::Insert(entry, write);
    }

private:
    // Refuses a value that reaches a name already on the chain.
    void CheckCycles(const ky_I& value, ky_set<ky_I, MaskSetLess>& names) const
    {
        for (const ky_I& item : MaskItems(value)) {
            const_iterator set = find(item);
            if (set == end()) {
                if (names.count(item))
                    ThrowCycle(item);
                continue;
            }
            if (!names.insert(item).second)
                ThrowCycle(item);
            CheckCycles(set->second, names);
            names.erase(item);
        }
    }
};

MaskDB::MaskDB() : NamedDatabase(new ImpT(LocateDatabase(GetKyDBModule(), "KyMask"))) {}

MaskDB::~MaskDB() {}

MaskDB& MaskDB::Instance()
{
    if (!g_instance)
        g_instance = new MaskDB;
    return *g_instance;
}

MaskDB& MaskDB::Instance(bool)
{
    return Instance();
}

void MaskDB::Reset()
{
    delete g_instance;
    g_instance = nullptr;
}

unsigned MaskDB::Expand(const output_sequencer<ky_BSB<char>>& out, const ky_I& text, bool expand)
{
    out.clear();
    unsigned count = 0;
    if (expand) {
        ExpandText(*this, text, nullptr, out, count);
        return count;
    }
    for (const ky_I& item : MaskItems(text)) {
        out.append(item);
        ++count;
    }
    return count;
}

} // namespace Kyvant
