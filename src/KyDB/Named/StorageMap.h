// An ordered in-memory map of named items that mirrors its entries into a
// backing store. Derived classes say how an entry is written and deleted.
#pragma once

#include "KyStd/Containers/Map.h"

#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>

namespace Kyvant {

template <class K, class V, class Cmp = std::less<K>,
          class A = std::allocator<std::pair<const K, V>>>
class StorageMap : public ky_map<K, V, Cmp, A> {
    using Map = ky_map<K, V, Cmp, A>;

public:
    using typename Map::const_iterator;
    using typename Map::iterator;
    using typename Map::value_type;

    explicit StorageMap(bool readOnly) : m_readOnly(readOnly) {}
    virtual ~StorageMap() {}

    bool IsReadOnly() const { return m_readOnly; }

    // Trims edge spaces in place; a name of spaces only is refused.
    virtual void ValidateName(K& name) const
    {
        name.EraseEdgeSpaces();
        if (name.empty())
            throw std::runtime_error(
                "The name must contain at least one character that is not a space");
    }

    virtual void WriteRecord(const value_type& entry) = 0;
    virtual void DeleteRecord(const K& key) = 0;

    // Puts the entry into the map, replacing an entry of an equal name
    // (value and key letters). With write set, the record is written after
    // the map has changed, so a failed write leaves the map changed and the
    // record as it was; a replaced name whose text differs other than in
    // letter case is then deleted from the store. Result: the entry and
    // whether its name was new.
    virtual std::pair<iterator, bool> Insert(const value_type& entry, bool write)
    {
        if (entry.first.empty())
            throw std::runtime_error("Zero-length names are not allowed");
        iterator old = this->find(entry.first);
        const bool isNew = old == this->end();
        const K oldKey = isNew ? K() : old->first;
        iterator it;
        if (isNew) {
            it = this->insert(entry).first;
        } else {
            iterator next = this->erase(old);
            it = Map::insert(next, entry);
        }
        if (write) {
            WriteRecord(entry);
            if (!isNew && _stricmp(oldKey.c_str(), entry.first.c_str()) != 0)
                DeleteRecord(oldKey);
        }
        return {it, isNew};
    }

private:
    bool m_readOnly;
};

} // namespace Kyvant
