// The stack of Indexing Service options: pushes, pops, the setters and the combined query.
#include "KyConTool/Args/OptionsList.h"

#include <list>

namespace Kyvant {
namespace IndexingService {

namespace {

// Front is the top.
std::list<OptionsList::Item>& Items()
{
    static std::list<OptionsList::Item> items;
    return items;
}

OptionsList::Item& MutableTop()
{
    std::list<OptionsList::Item>& items = Items();
    if (items.empty())
        items.emplace_front();
    return items.front();
}

ky_I Trimmed(const ky_I& text)
{
    ky_I t(text);
    t.EraseEdgeSpaces();
    return t;
}

} // namespace

void OptionsList::Push()
{
    std::list<Item>& items = Items();
    if (items.empty())
        items.emplace_front();
    else
        items.push_front(items.front());
}

void OptionsList::Pop()
{
    if (!Items().empty())
        Items().pop_front();
}

void OptionsList::SetFlags(bool use, bool force)
{
    Item& top = MutableTop();
    top.use = use;
    top.force = force;
}

void OptionsList::SetSort(const ky_I& sort)
{
    MutableTop().sort = Trimmed(sort);
}

void OptionsList::SetMachine(const ky_I& machine)
{
    MutableTop().machine = Trimmed(machine);
}

void OptionsList::SetCatalog(const ky_I& catalog)
{
    MutableTop().catalog = Trimmed(catalog);
}

void OptionsList::SetQuery(const ky_I& query, QueryType type)
{
    MutableTop().query = Trimmed(TransformQuery(query, type));
}

void OptionsList::ClearTop()
{
    MutableTop() = Item();
}

const OptionsList::Item& OptionsList::Top()
{
    return MutableTop();
}

bool OptionsList::Read(bool& force, ky_I& machine, ky_I& catalog, ky_I& sort)
{
    const Item& top = Top();
    if (!top.use)
        return false;
    force = top.force;
    machine = top.machine;
    catalog = top.catalog;
    sort = top.sort;
    return true;
}

ky_I OptionsList::CombinedQuery()
{
    ky_I out;
    unsigned parts = 0;
    for (const Item& item : Items()) {
        if (!item.use || item.query.empty())
            continue;
        if (parts++)
            out += " & ";
        out += "(" + item.query + ")";
    }
    return parts > 1 ? "(" + out + ")" : out;
}

unsigned OptionsList::Depth()
{
    return static_cast<unsigned>(Items().size());
}

} // namespace IndexingService
} // namespace Kyvant
