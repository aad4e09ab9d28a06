// The database of mask sets: named, ','-separated lists of wildcard masks
// and other set names, stored in the files "KyMask". A new database is
// filled with the default sets. Expand replaces set names by their masks.
#pragma once

#include "KyDB/Engine/IsamValueCodec.h"
#include "KyDB/KyDBExport.h"
#include "KyDB/Named/MaskSetNames.h"
#include "KyDB/Named/NamedDatabase.h"
#include "KyDB/Named/StoredString.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {

template <>
struct KYDB_API IsamValueCodec<StoredString<ky_I>> {
    static void Store(const StoredString<ky_I>& value, ky_S& text);
    static void Load(const ky_S& text, StoredString<ky_I>& value);
    static void Check(const ky_BSB<char>& name, const StoredString<ky_I>& value);
};

class KYDB_API MaskDB : public NamedDatabase<StoredString<ky_I>, MaskSetLess> {
public:
    using Less = MaskSetLess;
    class ImpT;

    // The process's instance, opened and fully loaded at first use.
    static MaskDB& Instance();
    // The flag is ignored: mask sets are always loaded.
    static MaskDB& Instance(bool load);
    // Closes the instance; the next Instance opens the files again.
    static void Reset();

    // Writes the items of the ','-separated mask text to out (cleared first),
    // edge blanks trimmed and empty items dropped. With expand, set names are
    // replaced by their sets' items (recursively, in place) and a leading '>'
    // marks a literal mask. Returns the number of items written.
    unsigned Expand(const output_sequencer<ky_BSB<char>>& out, const ky_I& text, bool expand);

    static ky_I UnAmpersand(const ky_I& name) { return UnAmpersandName(name); }
    static void UnAmpersand(const ky_I& name, ky_BSB<char>& out) { UnAmpersandName(name, out); }

private:
    MaskDB();
    ~MaskDB();
};

} // namespace Kyvant
