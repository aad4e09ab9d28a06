// The advanced attribute filter "A": a must rule ("+" or no sign) and a
// must-not rule ("-"), each a treatment and a mask of attribute bits.
#pragma once

#include "KyConTool/KyConToolExport.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Files/FileInfo.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

namespace Kyvant {
namespace AdvancedFiltration {

enum AttribTreatment_t {
    AttribAny = 0,   // '&': at least one bit of the mask is set
    AttribAll = 1,   // '~': every bit of the mask is set
    AttribExact = 2, // '=': the attributes within AttribRelevantMask equal the mask
    AttribNone = 3   // the rule is not in use
};

// R H S A C N E: the bits the filter knows.
constexpr DWORD AttribRelevantMask = 0x6827;

class KYCONTOOL_API AttribFilter {
public:
    class KYCONTOOL_API Rule {
    public:
        Rule() : treatment_(AttribNone), mask_(0) {}
        // A rule in use needs bits: "Attrib required but missing".
        void SetAttrib(AttribTreatment_t treatment, DWORD mask);
        AttribTreatment_t GetTreatment() const { return treatment_; }
        DWORD GetMask() const { return mask_; }
        bool InUse() const { return treatment_ != AttribNone; }

        // Whether the attributes satisfy the rule (a rule not in use: true).
        bool Accept(DWORD attributes) const;
        bool Accept(const FileInfo& entry) const { return Accept(entry.dwFileAttributes); }
        // The treatment character and the letters in the order A H R S C E N.
        ky_S AsString() const;
        // "^s " or "^a " and the mask as " %#lx".
        ky_S AsStringForIndexingService() const;

        bool operator==(const Rule& o) const
        {
            return treatment_ == o.treatment_ && (!InUse() || mask_ == o.mask_);
        }
        bool operator!=(const Rule& o) const { return !(*this == o); }

    private:
        AttribTreatment_t treatment_;
        DWORD mask_;
    };

    void Clear();
    bool Active() const { return must_.InUse() || mustNot_.InUse(); }
    Rule& MustRule() { return must_; }
    Rule& MustNotRule() { return mustNot_; }
    const Rule& MustRule() const { return must_; }
    const Rule& MustNotRule() const { return mustNot_; }

    // Pieces separated by ',': an optional '+' or '-', an optional
    // treatment character, then attribute letters.
    void Parse(const ky_I& text);
    ky_S AsString() const;
    ky_S AsStringForIndexingService() const;
    // "@a" + AsString when the filter is in use.
    void StoreAsCmdArgs(const output_sequencer<ky_BSB<char>>& out) const;

    bool Accept(const FileInfo& entry) const;

    bool operator==(const AttribFilter& o) const
    {
        return must_ == o.must_ && mustNot_ == o.mustNot_;
    }
    bool operator!=(const AttribFilter& o) const { return !(*this == o); }

private:
    Rule mustNot_;
    Rule must_;
};

} // namespace AdvancedFiltration
} // namespace Kyvant
