// One find-and-replace rule of a replace plan, and the ordered list of them,
// with their stored text and the replace engine's argument words.
#pragma once

#include "KyDB/KyDBExport.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Strings/String.h"

#include <vector>

namespace Kyvant {

class KYDB_API ReplaceRule {
public:
    // Enabled, asking for confirmation, all other options off, empty texts.
    ReplaceRule();
    ReplaceRule(bool enabled, const ky_S& find, const ky_S& replace, bool i, bool w, bool s, bool r,
                bool x, bool confirm, bool e, bool d);
    // Decodes a stored rule; throws "Damaged Replace Rule." when fields are missing.
    explicit ReplaceRule(const ky_S& stored);

    // Appends: find, 0x01, replacement, then 0x01 and '0' or '1' for each flag.
    void StoreContents(ky_BSB<char>& out) const;
    // "-0" for a disabled rule; else "-p" + find, "-q" + replacement, "-" + option letters.
    void StoreAsCmdArgs(const output_sequencer<ky_BSB<char>>& out) const;

    bool operator==(const ReplaceRule& other) const;
    bool operator!=(const ReplaceRule& other) const { return !(*this == other); }

    ky_S m_find;
    ky_S m_replace;
    bool m_enabled;
    bool m_ignoreCase;        // i
    bool m_wholeWords;        // w
    bool m_dotMatchesNL;      // s
    bool m_regEx;             // r
    bool m_legibleRegEx;      // x
    bool m_confirm;           // n is written when this is off
    bool m_evalReplacement;   // e
    bool m_doubleQuoteSearch; // d
};

class KYDB_API ReplaceRuleVector : public std::vector<ReplaceRule> {
public:
    ReplaceRuleVector() {}
    // Decodes the rules of a stored vector (each rule ends with 0x02).
    explicit ReplaceRuleVector(const ky_S& stored);

    // Appends each rule's form followed by 0x02.
    void StoreContents(ky_BSB<char>& out) const;
    // The words of every rule in order.
    void StoreAsCmdArgs(const output_sequencer<ky_BSB<char>>& out) const;
};

} // namespace Kyvant
