// The replace-plan database and the stored value conversion of its plans.
#include "KyDB/Named/ReplacePlanDB.h"

#include "KyDB/Named/DbLocation.h"
#include "KyDB/Named/StoredFields.h"

namespace Kyvant {

namespace {

const char kReplacePlanKey[] = "Software\\Kyvant\\Tools\\Shared\\ReplacePlanDB";

ReplacePlanDB* g_instance = nullptr;

} // namespace

void IsamValueCodec<ReplacePlan>::Store(const ReplacePlan& value, ky_S& text)
{
    text.clear();
    value.StoreContents(text);
}

void IsamValueCodec<ReplacePlan>::Load(const ky_S& text, ReplacePlan& value)
{
    value.LoadContents(text);
}

void IsamValueCodec<ReplacePlan>::Check(const ky_BSB<char>& name, const ReplacePlan& value)
{
    const char* kind = "Replace Plan";
    for (const ReplaceRule& rule : value.Rules()) {
        CheckNoSeparators(rule.m_find, "\x01\x02\x03", kind, name);
        CheckNoSeparators(rule.m_replace, "\x01\x02\x03", kind, name);
    }
    CheckNoSeparators(value.m_prologueFile, "\x03", kind, name);
    CheckNoSeparators(value.m_prologueText, "\x03", kind, name);
}

class ReplacePlanDB::ImpT : public KyIsamMap<ky_I, ReplacePlan> {
    using Base = KyIsamMap<ky_I, ReplacePlan>;

public:
    ImpT(const ky_S& basePath, bool load) : Base(basePath, load)
    {
        if (load)
            LoadAll();
    }
};

ReplacePlanDB::ReplacePlanDB(bool load)
    : NamedDatabase(new ImpT(LocateDatabase(GetKyDBModule(), "KyReplacePlan"), load)),
      m_regKey(HKEY_CURRENT_USER, kReplacePlanKey)
{
}

ReplacePlanDB::~ReplacePlanDB() {}

ReplacePlanDB& ReplacePlanDB::Instance()
{
    return Instance(true);
}

ReplacePlanDB& ReplacePlanDB::Instance(bool load)
{
    if (!g_instance)
        g_instance = new ReplacePlanDB(load);
    return *g_instance;
}

void ReplacePlanDB::Reset()
{
    delete g_instance;
    g_instance = nullptr;
}

void ReplacePlanDB::StoreAsCmdArgs(const_iterator plan, const Args& out) const
{
    plan->second.StoreAsCmdArgs(out);
}

void ReplacePlanDB::StoreAsCmdArgs(const ReplacePlan& plan, const Args& out) const
{
    plan.StoreAsCmdArgs(out);
}

} // namespace Kyvant
