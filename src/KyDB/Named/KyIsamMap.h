// A StorageMap mirrored record for record in a table of the record engine
// that several processes share. The table is opened (or created and filled)
// by the constructor; the most derived map calls LoadAll when it was opened
// with loading on, so that its own Insert checks run on every loaded item.
#pragma once

#include "KyDB/Engine/IsamValueCodec.h"
#include "KyDB/Named/IsamMapStore.h"
#include "KyDB/Named/StorageMap.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {

template <class K, class V, class Cmp = std::less<K>,
          class A = std::allocator<std::pair<const K, V>>>
class KyIsamMap : public StorageMap<K, V, Cmp, A> {
    using Base = StorageMap<K, V, Cmp, A>;
    using Codec = IsamValueCodec<V>;

public:
    using typename Base::const_iterator;
    using typename Base::iterator;
    using typename Base::value_type;

    // A map opened without loading is read-only and filled by find_load.
    KyIsamMap(const ky_S& basePath, bool load, IsamMapStore::FillFn fill = nullptr)
        : Base(!load), m_table(nullptr), m_index(nullptr), m_basePath(basePath), m_loaded(load)
    {
        IsamMapStore::OpenTable(m_basePath, fill, m_table, m_index);
    }
    ~KyIsamMap() override { IsamMapStore::CloseTable(m_table); }
    KyIsamMap(const KyIsamMap&) = delete;
    KyIsamMap& operator=(const KyIsamMap&) = delete;

    // The entry in memory; when absent from a map opened without loading,
    // its record is read from the table into the map.
    const_iterator find_load(const K& name)
    {
        const_iterator it = this->find(name);
        if (it != this->end() || m_loaded)
            return it;
        Found found{this, this->end()};
        IsamMapStore::FindRecord(m_table, m_index, m_basePath, name, &KyIsamMap::TakeFound, &found);
        return found.it;
    }

    // The record file's full name; empty when no table is open.
    ky_F GetDbFileName() const { return ky_F(IsamMapStore::TableFileName(m_table)); }
    const ky_S& GetBasePath() const { return m_basePath; }
    bool IsLoaded() const { return m_loaded; }

    // Throws when the value's text would hold one of the stored layout's
    // separators: such a value could never be stored or read back.
    void CheckStorable(const value_type& entry) const { Codec::Check(entry.first, entry.second); }

    void WriteRecord(const value_type& entry) override
    {
        Codec::Check(entry.first, entry.second);
        ky_S text;
        Codec::Store(entry.second, text);
        IsamMapStore::WriteRecord(m_table, m_index, m_basePath, entry.first, text);
    }
    void DeleteRecord(const K& name) override
    {
        IsamMapStore::DeleteRecord(m_table, m_index, m_basePath, name);
    }

protected:
    // Inserts every record of the table (without writing it back).
    void LoadAll()
    {
        IsamMapStore::WalkTable(m_table, m_index, m_basePath, &KyIsamMap::Take, this);
    }

private:
    static value_type Entry(const char* name, const char* text)
    {
        V value;
        Codec::Load(ky_S(text), value);
        return value_type(K(name), value);
    }
    static void Take(void* self, const char* name, const char* text)
    {
        static_cast<KyIsamMap*>(self)->Insert(Entry(name, text), false);
    }
    struct Found {
        KyIsamMap* map;
        const_iterator it;
    };
    static void TakeFound(void* context, const char* name, const char* text)
    {
        auto* found = static_cast<Found*>(context);
        found->it = found->map->Insert(Entry(name, text), false).first;
    }

    IsamDatabase* m_table;
    IsamIndex* m_index;
    ky_S m_basePath;
    bool m_loaded;
};

} // namespace Kyvant
