// Kyvant::CatalogList: the stored form of the checked catalogs (registry and
// task files): one entry per computer, either its name alone (nothing of it
// checked), its name, a backslash and the byte 0x01 (the whole computer), or
// one entry per checked catalog, the computer's name, a backslash and the
// catalog's name. The local computer is named ".".
#pragma once

#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Strings/String.h"

#include <vector>

namespace Kyvant {
namespace CatalogList {

extern const char kLocalComputer[];
const char kSeparator = '\\';
const char kWholeComputer = '\x01';

// What a stored list asks of one computer.
struct Wanted {
    ky_I computer;
    bool whole = false;
    // In list order, each once.
    std::vector<ky_I> catalogs;
};
using WantedList = std::vector<Wanted>;

// The entries grouped by computer (names compared without case), the
// computers in the order the list first names them. Empty entries are
// skipped; an entry with an empty catalog name names its computer only.
WantedList Parse(const input_sequencer<ky_I>& entries);

ky_S ComputerEntry(const ky_BSB<char>& computer);
ky_S WholeComputerEntry(const ky_BSB<char>& computer);
ky_S CatalogEntry(const ky_BSB<char>& computer, const ky_BSB<char>& catalog);

// Where the service lists a computer's catalogs: "\" for the local
// computer, "\\" and the name for another one.
ky_I ScopeOf(const ky_I& computer);

} // namespace CatalogList
} // namespace Kyvant
