// Finder::Model: what one Dir task listed, in the order the tool sent it.
// The results reader adds items from its thread while the views read from
// the UI thread, so the list takes its own lock.
#pragma once

#include "FinderLink/Results/TsListVectorHybrid.h"
#include "KyDir/Gui/Finder/Finder.h"
#include "KyDir/Gui/Model/DirItem.h"
#include "KyDir/Gui/Model/RecordReader.h"

class Finder::Model : public Kyvant::DirResults::ItemSink {
public:
    using Item = Kyvant::DirResults::DirItem;
    using ItemList = Kyvant::TsListVectorHybrid<Item>;
    // Items per block of the list's node pool.
    static const unsigned kBlockSize = 100;

    explicit Model(Finder& finder);
    ~Model() override;
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    Finder& GetFinder() const { return m_finder; }

    // A name the tool listed: a name without details whose file is not
    // there (any more) is dropped; any other becomes an item at the end.
    void OnItem(const Kyvant::ky_F& folder, const char* name, unsigned length,
                const Kyvant::DirResults::FileDetails* details) override;

    unsigned GetItemCount() const { return m_items.size(); }
    // Null when i is outside the list.
    const Item* GetItem(int i) const;
    ItemList& GetItems() { return m_items; }

    // Empties the list and the shared display data of the items. Only while
    // no reader runs.
    void Clear();

private:
    Finder& m_finder;
    ItemList m_items;
};
