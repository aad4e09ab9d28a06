// The public face shared by the named databases (mask sets, path plans,
// replace plans): lookups and iteration over the in-memory map, and the
// changes, each written through to the database files at once.
#pragma once

#include "KyDB/Named/KyIsamMap.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <stdexcept>
#include <utility>

namespace Kyvant {

template <class V, class Cmp>
class NamedDatabase {
public:
    using Map = KyIsamMap<ky_I, V, Cmp>;
    using key_type = ky_I;
    using mapped_type = V;
    using value_type = std::pair<const ky_I, V>;
    using key_compare = Cmp;
    using size_type = unsigned;
    using const_iterator = typename Map::const_iterator;
    using const_reverse_iterator = typename Map::const_reverse_iterator;

    NamedDatabase(const NamedDatabase&) = delete;
    NamedDatabase& operator=(const NamedDatabase&) = delete;

    // Adds the entry or replaces the one of an equal name (value and letters),
    // then writes its record; true when the name was new. A value that can
    // never be stored is refused before anything changes; a write that fails
    // leaves the entry changed in memory and the record as it was.
    std::pair<const_iterator, bool> Insert(const value_type& entry)
    {
        CheckWritable();
        m_imp->CheckStorable(entry);
        auto r = m_imp->Insert(entry, true);
        return {r.first, r.second};
    }
    std::pair<const_iterator, bool> Insert(const ky_I& name, const V& value)
    {
        return Insert(value_type(name, value));
    }

    // Removes the entry, then with persist its record (under the spelling it
    // is stored with). The entry is gone from memory also when deleting the
    // record fails. A missing name does nothing.
    void Erase(const ky_I& name, bool persist)
    {
        CheckWritable();
        auto it = m_imp->find(name);
        if (it == m_imp->end())
            return;
        const ky_I stored = it->first;
        m_imp->erase(it);
        if (persist)
            m_imp->DeleteRecord(stored);
    }

    // Stores the old name's value under the new name, then removes the old
    // entry with its record unless both names are the same entry.
    void Rename(const ky_I& from, const ky_I& to)
    {
        CheckWritable();
        auto it = m_imp->find(from);
        if (it == m_imp->end())
            throw std::runtime_error("Cannot rename an item that does not exist");
        const V value = it->second;
        const ky_I oldName = from;
        m_imp->Insert(value_type(to, value), true);
        const Cmp less = m_imp->key_comp();
        if (less(oldName, to) || less(to, oldName))
            Erase(oldName, true);
    }

    const_iterator begin() const { return m_imp->begin(); }
    const_iterator end() const { return m_imp->end(); }
    const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }
    const_iterator lower_bound(const ky_I& name) const { return m_imp->lower_bound(name); }
    const_iterator upper_bound(const ky_I& name) const { return m_imp->upper_bound(name); }
    size_type count(const ky_I& name) const { return m_imp->count(name); }
    size_type size() const { return m_imp->size(); }
    bool empty() const { return m_imp->empty(); }
    size_type max_size() const { return 0x0FFFFFFF; }
    key_compare key_comp() const { return m_imp->key_comp(); }

    const_iterator find(const ky_I& name) const { return m_imp->find(name); }
    // The entry of that name whose value also equals the given one.
    const_iterator find(const value_type& entry) const
    {
        const_iterator it = m_imp->find(entry.first);
        if (it != end() && it->second == entry.second)
            return it;
        return end();
    }
    const_iterator find_load(const ky_I& name) { return m_imp->find_load(name); }

    void ValidateName(ky_I& name) const { m_imp->ValidateName(name); }
    ky_F GetDbFileName() const { return m_imp->GetDbFileName(); }

protected:
    explicit NamedDatabase(Map* imp) : m_imp(imp) {}
    ~NamedDatabase() { delete m_imp; }

    void CheckWritable() const
    {
        if (m_imp->IsReadOnly())
            throw std::runtime_error("Attempted to modify read-only map");
    }

    Map* m_imp;
};

} // namespace Kyvant
