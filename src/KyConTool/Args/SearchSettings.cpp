// The stack of search settings records, pushed and popped with the Indexing Service options.
#include "KyConTool/Args/SearchSettings.h"

#include "KyConTool/Args/OptionsList.h"

namespace Kyvant {

SettingsStack::Records& SettingsStack::Stack()
{
    static Records records(1);
    return records;
}

SearchSettings& SettingsStack::Current()
{
    return Stack().front();
}

const SettingsStack::Records& SettingsStack::All()
{
    return Stack();
}

SettingsStack::Token SettingsStack::Push()
{
    Records& records = Stack();
    records.emplace_front();
    IndexingService::OptionsList::Push();
    return records.begin();
}

void SettingsStack::Pop(Token token)
{
    // A token is popped once; the base record is never removed.
    Records& records = Stack();
    if (records.size() > 1) {
        records.erase(token);
        IndexingService::OptionsList::Pop();
    }
}

} // namespace Kyvant
