// Replace plans: stored text, argument words and equality.
#include "KyDB/Named/ReplacePlan.h"

#include "KyDB/Named/StoredFields.h"

#include <stdexcept>

namespace Kyvant {

namespace {

const char kPlanSep = '\x03';

// Plan options are on unless their field starts with '0'.
bool OptionOf(const ky_S& piece)
{
    return piece.empty() || piece[0] != '0';
}

} // namespace

ReplacePlan::ReplacePlan()
    : m_rules(new ReplaceRuleVector), m_backups(false), m_binary(false), m_lineMode(false),
      m_noConfirm(false), m_verbose(false), m_optionA(false), m_usePrologue(false)
{
}

ReplacePlan::ReplacePlan(const ReplaceRuleVector& rules, bool B, bool I, bool L, bool N, bool V,
                         bool usePrologue, const ky_F& prologueFile, const ky_S& prologueText,
                         bool A)
    : m_rules(new ReplaceRuleVector(rules)), m_backups(B), m_binary(I), m_lineMode(L),
      m_noConfirm(N), m_verbose(V), m_optionA(A), m_usePrologue(usePrologue),
      m_prologueFile(prologueFile), m_prologueText(prologueText)
{
}

ReplacePlan::ReplacePlan(const ky_S& stored) : ReplacePlan()
{
    LoadContents(stored);
}

void ReplacePlan::SetRules(const ReplaceRuleVector& rules)
{
    m_rules = RulesPtr(new ReplaceRuleVector(rules));
}

void ReplacePlan::StoreContents(ky_BSB<char>& out) const
{
    m_rules->StoreContents(out);
    for (bool option : {m_backups, m_binary, m_lineMode, m_noConfirm, m_verbose}) {
        out += kPlanSep;
        out += option ? '1' : '0';
    }
    out += kPlanSep;
    out += m_prologueFile;
    out += kPlanSep;
    out += m_usePrologue ? '1' : '0';
    out += kPlanSep;
    out += m_prologueText;
    out += kPlanSep;
    out += m_optionA ? '1' : '0';
}

ReplacePlan& ReplacePlan::LoadContents(const ky_S& stored)
{
    // Decode into a fresh plan first, so a damaged text leaves this one empty.
    *this = ReplacePlan();
    if (stored.empty())
        return *this;
    std::vector<ky_S> f = SplitStoredFields(stored, kPlanSep);
    if (f.size() < 6)
        throw std::runtime_error("Damaged Replace Plan");
    ReplacePlan plan;
    plan.m_rules = RulesPtr(new ReplaceRuleVector(f[0]));
    plan.m_backups = OptionOf(f[1]);
    plan.m_binary = OptionOf(f[2]);
    plan.m_lineMode = OptionOf(f[3]);
    plan.m_noConfirm = OptionOf(f[4]);
    plan.m_verbose = OptionOf(f[5]);
    if (f.size() > 6)
        plan.m_prologueFile = f[6];
    plan.m_usePrologue = f.size() > 7 ? OptionOf(f[7]) : !plan.m_prologueFile.empty();
    if (f.size() > 8)
        plan.m_prologueText = f[8];
    plan.m_optionA = f.size() > 9 && OptionOf(f[9]);
    *this = plan;
    return *this;
}

void ReplacePlan::StoreAsCmdArgs(const output_sequencer<ky_BSB<char>>& out) const
{
    ky_BSB<char> options("-");
    const struct {
        bool on;
        char letter;
    } letters[] = {{m_optionA, 'A'},  {m_backups, 'B'},   {m_binary, 'I'},
                   {m_lineMode, 'L'}, {m_noConfirm, 'N'}, {m_verbose, 'V'}};
    for (const auto& l : letters)
        if (l.on)
            options += l.letter;
    if (options.length() > 1)
        out.append(options);
    if (m_usePrologue) {
        if (!m_prologueText.empty())
            out.append(ky_BSB<char>("-Q") += m_prologueText);
        if (!m_prologueFile.empty())
            out.append(ky_BSB<char>("-S") += m_prologueFile);
    }
    m_rules->StoreAsCmdArgs(out);
}

bool ReplacePlan::operator==(const ReplacePlan& o) const
{
    return m_backups == o.m_backups && m_binary == o.m_binary && m_lineMode == o.m_lineMode &&
           m_noConfirm == o.m_noConfirm && m_verbose == o.m_verbose && m_optionA == o.m_optionA &&
           m_usePrologue == o.m_usePrologue && m_prologueFile == o.m_prologueFile &&
           m_prologueText == o.m_prologueText &&
           static_cast<const std::vector<ReplaceRule>&>(*m_rules) ==
               static_cast<const std::vector<ReplaceRule>&>(*o.m_rules);
}

} // namespace Kyvant
