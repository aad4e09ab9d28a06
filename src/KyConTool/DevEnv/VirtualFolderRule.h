// The rule that may follow a response-file name or a development-environment
// object name: "name/|masks|depth|rules|filters" or "name/". The rule part,
// from the separator before the first '|' on, is a path-section text that
// the names of the list must pass.
#pragma once

#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {

// Cuts the rule part off rule into filter and returns true; without one,
// the filter is "/*" and the result false. A name ending with a separator
// loses it and gets the filter "/". Errors: "Empty rule in
// VirtualFolderFilter", "Illegal VirtualFolderFilter rule: " + rule.
KYCONTOOL_API bool SplitVirtualFolderRule(ky_F& rule, ky_S& filter);

} // namespace Kyvant
