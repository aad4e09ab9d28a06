// Include and exclude masks of one search, matched against bare names with
// the one wildcard rule of the file names. The mask "*." means names
// without a dot.
#pragma once

#include "KyStd/Files/FileName.h"

#include <vector>

namespace Kyvant {

class NameMatcher {
public:
    NameMatcher() {}
    NameMatcher(const std::vector<ky_F>& includes, const std::vector<ky_F>& excludes);

    // Passes an include mask (or there are none) and no exclude mask.
    bool Accept(const char* name) const;
    bool AcceptIncludes(const char* name) const;
    bool Rejects(const char* name) const;
    bool HasIncludes() const { return !includes_.empty(); }

    static bool Match(const ky_F& mask, const char* name);

private:
    struct Mask {
        ky_F text;
        bool noDot; // "*.": names without any dot
        bool all;   // "*" or "*.*"
    };
    static Mask Make(const ky_F& text);
    static bool Match(const Mask& mask, const char* name);

    std::vector<Mask> includes_;
    std::vector<Mask> excludes_;
};

} // namespace Kyvant
