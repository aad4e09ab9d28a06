// Include and exclude lists of wildcard masks deciding on names: a name
// passes when it matches an include mask (or there are none) and no exclude
// mask. Lists come as sequencers the caller keeps alive, or as texts of
// masks separated by ',' that the matcher parses and owns.
#pragma once

#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/KyStdExport.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {

class KYSTD_API MaskMatcher {
public:
    using Masks = input_sequencer<const char*>;

    // No lists: every name passes.
    MaskMatcher();
    explicit MaskMatcher(const Masks& includes);
    MaskMatcher(const Masks& includes, const Masks& excludes);
    // Mask-list texts; a null pointer means no list.
    explicit MaskMatcher(const ky_BSB<char>& includes);
    explicit MaskMatcher(const char* includes);
    MaskMatcher(const ky_BSB<char>& includes, const ky_BSB<char>& excludes);
    MaskMatcher(const char* includes, const char* excludes);
    // Owned lists are copied; borrowed sequencers stay shared.
    MaskMatcher(const MaskMatcher& other);
    MaskMatcher& operator=(const MaskMatcher& other);
    virtual ~MaskMatcher();

    virtual bool Accept(const char* name) const;
    // Told the name that an exclude mask refused.
    virtual void OnRejected(const char* name);

    // The only include mask, or "*" for no list, an empty list or several masks.
    ky_F GetMergedMask() const;

    // Replaces both lists with the parsed texts (null: no list).
    void Init(const char* includes, const char* excludes);

private:
    struct OwnedLists;

    const Masks* m_includes;
    const Masks* m_excludes;
    OwnedLists* m_owned;
};

} // namespace Kyvant
