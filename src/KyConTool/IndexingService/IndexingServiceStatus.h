// The status of a finished query: its text, and the process-wide summary of
// the warnings seen per machine, catalog and scope, which the console
// application prints at the end of a run.
#pragma once

#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace IndexingService {

// Low three bits: the query's state; the flag bits above are warnings.
constexpr unsigned long kStatusStateMask = 0x7;
constexpr unsigned long kStatusStateError = 1;
constexpr unsigned long kStatusFlagMask = 0xFFF8;
constexpr unsigned long kStatusTooComplex = 0x80;

// The error state's text alone, or one text per flag bit in bit order, each
// followed by ".\n"; empty without either.
KYCONTOOL_API ky_S GetQueryStatusString(unsigned long status);

// Records the flag bits of a status that has any.
KYCONTOOL_API void AddStatusToSummary(const ky_I& machine, const ky_I& catalog, const ky_F& scope,
                                      unsigned long status);
KYCONTOOL_API void ClearSummary();
// Per machine in name order "Machine: " and its name, per catalog
// "Catalog: " and its name, then the texts of the flags of all its scopes.
// The flag is for the GUI hand-off and does not change the text.
KYCONTOOL_API ky_S GetSummary(bool guiMode);

} // namespace IndexingService
} // namespace Kyvant
