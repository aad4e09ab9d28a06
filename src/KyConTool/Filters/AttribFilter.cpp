// The attribute filter "A": its letters, parsing, texts for the Indexing Service, and its test.
#include "KyConTool/Filters/AttribFilter.h"

#include "KyDB/Named/PathPlanCodes.h"
#include "KyStd/Containers/List.h"

#include <cctype>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace Kyvant {
namespace AdvancedFiltration {

namespace {

struct Letter {
    char letter;
    DWORD bit;
};

// In the order the text form writes them.
const Letter s_letters[] = {{'A', FILE_ATTRIBUTE_ARCHIVE},
                            {'H', FILE_ATTRIBUTE_HIDDEN},
                            {'R', FILE_ATTRIBUTE_READONLY},
                            {'S', FILE_ATTRIBUTE_SYSTEM},
                            {'C', FILE_ATTRIBUTE_COMPRESSED},
                            {'E', FILE_ATTRIBUTE_ENCRYPTED},
                            {'N', FILE_ATTRIBUTE_NOT_CONTENT_INDEXED}};

const char s_treatmentChars[3] = {'&', '~', '='};

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

} // namespace

void AttribFilter::Rule::SetAttrib(AttribTreatment_t treatment, DWORD mask)
{
    if (treatment != AttribNone && mask == 0)
        throw std::runtime_error("Attrib required but missing");
    treatment_ = treatment;
    mask_ = mask;
}

bool AttribFilter::Rule::Accept(DWORD attributes) const
{
    switch (treatment_) {
    case AttribAny:
        return (attributes & mask_) != 0;
    case AttribAll:
        return (attributes & mask_) == mask_;
    case AttribExact:
        return (attributes & AttribRelevantMask) == mask_;
    default:
        return true;
    }
}

ky_S AttribFilter::Rule::AsString() const
{
    if (!InUse())
        return ky_S();
    ky_S out(1, s_treatmentChars[treatment_]);
    for (const Letter& l : s_letters) {
        if (mask_ & l.bit)
            out += l.letter;
    }
    return out;
}

ky_S AttribFilter::Rule::AsStringForIndexingService() const
{
    if (!InUse())
        return ky_S();
    char buf[32];
    std::snprintf(buf, sizeof buf, " %#lx", static_cast<unsigned long>(mask_));
    return ky_S(treatment_ == AttribAny ? "^s " : "^a ") + buf;
}

void AttribFilter::Clear()
{
    must_ = Rule();
    mustNot_ = Rule();
}

void AttribFilter::Parse(const ky_I& text)
{
    // Empty pieces are kept: each one is a bad piece, as is an empty text.
    ky_list<ky_BSB<char>> pieces;
    const char sep[2] = {PathPlanTexts::s_PrimaryListSeparator, '\0'};
    text.Split(back_insert_sequencer<ky_list<ky_BSB<char>>>(pieces), sep, true, false);
    if (pieces.empty())
        pieces.push_back(ky_BSB<char>());
    for (const ky_BSB<char>& piece : pieces) {
        const char* p = piece.c_str();
        while (IsSpace(*p))
            ++p;
        Rule* rule = &must_;
        if (*p == '+') {
            ++p;
        } else if (*p == '-') {
            rule = &mustNot_;
            ++p;
        }
        while (IsSpace(*p))
            ++p;
        AttribTreatment_t treatment = AttribAny;
        for (int i = 0; i < 3; ++i) {
            if (*p == s_treatmentChars[i]) {
                treatment = static_cast<AttribTreatment_t>(i);
                ++p;
                break;
            }
        }
        DWORD mask = 0;
        for (; *p; ++p) {
            if (IsSpace(*p))
                continue;
            char c = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
            DWORD bit = 0;
            for (const Letter& l : s_letters) {
                if (l.letter == c)
                    bit = l.bit;
            }
            if (!bit)
                throw std::runtime_error(std::string("Unknown attribute code: ") + *p);
            mask |= bit;
        }
        if (!mask)
            throw std::runtime_error(std::string("Bad attribute filter: ") + text.c_str());
        rule->SetAttrib(treatment, mask);
    }
}

ky_S AttribFilter::AsString() const
{
    if (!Active())
        return ky_S();
    ky_S out("A");
    if (must_.InUse())
        out += "+" + must_.AsString();
    if (mustNot_.InUse()) {
        if (must_.InUse())
            out += PathPlanTexts::s_PrimaryListSeparator;
        out += "-" + mustNot_.AsString();
    }
    return out;
}

ky_S AttribFilter::AsStringForIndexingService() const
{
    ky_S out;
    if (must_.InUse())
        out += "@attrib " + must_.AsStringForIndexingService();
    if (mustNot_.InUse() && mustNot_.GetTreatment() != AttribExact) {
        if (!out.empty())
            out += " & ";
        out += "!@attrib " + mustNot_.AsStringForIndexingService();
    }
    return out.empty() ? out : "(" + out + ")";
}

void AttribFilter::StoreAsCmdArgs(const output_sequencer<ky_BSB<char>>& out) const
{
    if (Active())
        out.append(ky_S(PathPlanCodes::s_AdvancedSpecifier) + AsString());
}

bool AttribFilter::Accept(const FileInfo& entry) const
{
    if (must_.InUse() && !must_.Accept(entry))
        return false;
    if (mustNot_.InUse() && mustNot_.Accept(entry))
        return false;
    return true;
}

} // namespace AdvancedFiltration
} // namespace Kyvant
