// Mask-set names may carry '&' marks (keyboard accelerators in menus):
// ordering and lookup ignore them, display removes them.
#pragma once

#include "KyDB/KyDBExport.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {

struct KYDB_API MaskSetLess {
    bool operator()(const ky_I& a, const ky_I& b) const
    {
        return CompareAmpersandStrings(a.c_str(), b.c_str()) < 0;
    }
    // -1, 0 or 1, comparing lower-cased characters and stepping over one '&'
    // before each character of either name.
    static int CompareAmpersandStrings(const char* a, const char* b);
};

// The name with each single '&' dropped and each "&&" made one '&'.
KYDB_API ky_I UnAmpersandName(const ky_I& name);
KYDB_API void UnAmpersandName(const ky_I& name, ky_BSB<char>& out);

} // namespace Kyvant
