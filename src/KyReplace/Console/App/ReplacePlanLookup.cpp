// Looking a stored replace plan up by name in the replace-plan database and giving its words.
#include "KyReplace/Console/App/ReplacePlanLookup.h"

#include "KyDB/Named/ReplacePlanDB.h"
#include "KyStd/Containers/Sequencer.h"

namespace Kyvant {

bool LookUpReplacePlan(const std::string& name, std::vector<std::string>& words)
{
    ReplacePlanDB& db = ReplacePlanDB::Instance(false);
    const ReplacePlanDB::const_iterator plan = db.find_load(ky_I(name.c_str()));
    if (plan == db.end())
        return false;
    std::vector<ky_BSB<char>> stored;
    db.StoreAsCmdArgs(plan, back_insert_sequencer<std::vector<ky_BSB<char>>>(stored));
    for (const ky_BSB<char>& word : stored)
        words.emplace_back(word.c_str(), word.length());
    return true;
}

} // namespace Kyvant
