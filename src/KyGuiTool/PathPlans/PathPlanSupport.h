// What the path-plan pages share: their strings, string lists kept as
// registry sequence lists, the advanced filters as texts and back, the
// reports of stored texts that do not parse, the tool-options key and Shift.
#pragma once

#include "KyConTool/Filters/AdvancedFilters.h"
#include "KyDB/Named/PathPlanItem.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

namespace Kyvant {
namespace PathPlanSupport {

using StringList = PathPlanItem::StringList;
// A string list read as the path-plan language's texts.
using ListTexts =
    forward_input_sequencer<StringList, static_hierarchy_converter<ky_S, ky_BSB<char>>>;

// A string of the library's string table.
ky_S Load(UINT id);
// Shift as GetKeyState reports it.
bool ShiftHeld();

// The application's tool-options key: the front-end's own, or the same place
// under the program's key when there is no front-end application.
RegKey ToolOptionsKey();

// The sequence list under the key's subkey, in order.
StringList ReadList(const RegKey& key, const char* name);
// Replaces the sequence list with the items.
void WriteList(const RegKey& key, const char* name, const StringList& items);
// The total length of the items, without separators.
unsigned long TotalLength(const StringList& items);

// The text form of each active filter.
StringList FilterTexts(const AdvancedFiltration::Filters& filters);
// Clears the filters and sets them from the texts. A text that does not
// parse is skipped; the messages of those that did not are returned, one a
// line (empty when every text parsed).
ky_S SetFilters(AdvancedFiltration::Filters& filters, const StringList& texts);

// Shows the problems of stored settings in one message box; nothing when empty.
void ReportProblems(const ky_BSB<char>& problems);
// Adds one line to a list of problems.
void AddProblem(ky_S& problems, const char* problem);

} // namespace PathPlanSupport
} // namespace Kyvant
