// A replace plan: a shared list of rules with plan-wide options and an
// optional prologue script, its stored text and its argument words.
#pragma once

#include "KyDB/KyDBExport.h"
#include "KyDB/Named/ReplaceRule.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Core/RcPtr.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {

class KYDB_API ReplacePlan {
public:
    using RulesPtr = rc_ptr<ReplaceRuleVector>;

    // No rules, all options off, no prologue.
    ReplacePlan();
    // The rules are copied into a new shared vector.
    ReplacePlan(const ReplaceRuleVector& rules, bool B, bool I, bool L, bool N, bool V,
                bool usePrologue, const ky_F& prologueFile, const ky_S& prologueText, bool A);
    // Decodes a stored plan; throws "Damaged Replace Plan" on malformed text.
    explicit ReplacePlan(const ky_S& stored);

    // The rules are shared between copies and replaced, never changed in place.
    const ReplaceRuleVector& Rules() const { return *m_rules; }
    void SetRules(const ReplaceRuleVector& rules);

    // Appends the rule vector's form, then ten fields separated by 0x03:
    // B, I, L, N, V, the file, use-prologue, the text, A.
    void StoreContents(ky_BSB<char>& out) const;
    // Resets the plan, then decodes the text (empty text: an empty plan).
    ReplacePlan& LoadContents(const ky_S& stored);
    // "-" + the letters of A B I L N V that are set, the prologue words when
    // it is used, then every rule's words.
    void StoreAsCmdArgs(const output_sequencer<ky_BSB<char>>& out) const;

    bool operator==(const ReplacePlan& other) const;
    bool operator!=(const ReplacePlan& other) const { return !(*this == other); }

private:
    RulesPtr m_rules;

public:
    bool m_backups;   // B
    bool m_binary;    // I
    bool m_lineMode;  // L
    bool m_noConfirm; // N
    bool m_verbose;   // V
    bool m_optionA;   // A
    bool m_usePrologue;
    ky_F m_prologueFile;
    ky_S m_prologueText;
};

} // namespace Kyvant
