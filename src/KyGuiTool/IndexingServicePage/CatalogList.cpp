// Kyvant::CatalogList: reading and writing the stored catalog entries.
#include "KyGuiTool/IndexingServicePage/CatalogList.h"

#include <algorithm>

namespace Kyvant {
namespace CatalogList {

namespace {

const char kLocalScope[] = "\\";
const char kRemoteScopePrefix[] = "\\\\";

Wanted& Entry(WantedList& list, const ky_I& computer)
{
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const Wanted& w) { return w.computer == computer; });
    if (found != list.end())
        return *found;
    list.push_back(Wanted());
    list.back().computer = computer;
    return list.back();
}

void AddCatalog(Wanted& wanted, const ky_I& catalog)
{
    if (catalog.length() == 1 && catalog[0] == kWholeComputer) {
        wanted.whole = true;
        return;
    }
    if (catalog.empty() ||
        std::find(wanted.catalogs.begin(), wanted.catalogs.end(), catalog) != wanted.catalogs.end())
        return;
    wanted.catalogs.push_back(catalog);
}

} // namespace

const char kLocalComputer[] = ".";

WantedList Parse(const input_sequencer<ky_I>& entries)
{
    WantedList list;
    for (; !entries.at_end(); entries.next()) {
        const ky_I entry = entries.current();
        if (entry.empty())
            continue;
        const unsigned separator = entry.find(kSeparator);
        if (separator == ky_I::npos) {
            Entry(list, entry);
            continue;
        }
        Wanted& wanted = Entry(list, entry.substr(0, separator));
        AddCatalog(wanted, entry.substr(separator + 1));
    }
    return list;
}

ky_S ComputerEntry(const ky_BSB<char>& computer)
{
    return ky_S(computer);
}

ky_S WholeComputerEntry(const ky_BSB<char>& computer)
{
    ky_S entry(computer);
    entry += kSeparator;
    entry += kWholeComputer;
    return entry;
}

ky_S CatalogEntry(const ky_BSB<char>& computer, const ky_BSB<char>& catalog)
{
    ky_S entry(computer);
    entry += kSeparator;
    entry += catalog;
    return entry;
}

ky_I ScopeOf(const ky_I& computer)
{
    if (computer == kLocalComputer)
        return ky_I(kLocalScope);
    return ky_I(kRemoteScopePrefix) + computer;
}

} // namespace CatalogList
} // namespace Kyvant
