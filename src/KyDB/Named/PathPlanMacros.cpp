// Command-line macros: words of the form name=value that become environment
// variables of the C runtime and the process, so programs started later
// inherit them.
#include "KyDB/Named/PathPlanDB.h"

namespace Kyvant {

void PathPlanDB::AddMacro(const ky_BSB<char>& name, const ky_BSB<char>& value)
{
    value.PutEnv(name.c_str(), name.length(), true);
}

bool PathPlanDB::SplitMacro(const ky_BSB<char>& text,
                            std::pair<ky_BSB<char>, ky_BSB<char>>& nameAndValue)
{
    if (text.empty())
        return false;
    const char* s = text.c_str();
    unsigned eq = 0;
    while (eq < text.length() && s[eq] != '=')
        ++eq;
    nameAndValue.first.assign(s, eq);
    if (eq < text.length())
        nameAndValue.second.assign(s + eq + 1, text.length() - eq - 1);
    else
        nameAndValue.second.clear();
    return true;
}

void PathPlanDB::AddMacro(const ky_BSB<char>& text)
{
    std::pair<ky_BSB<char>, ky_BSB<char>> nameAndValue;
    if (SplitMacro(text, nameAndValue))
        AddMacro(nameAndValue.first, nameAndValue.second);
}

void PathPlanDB::EraseMacro(const ky_BSB<char>& name)
{
    AddMacro(name, ky_BSB<char>());
}

void PathPlanDB::RecordCommandLineMacros(const char* const* first, const char* const* last)
{
    for (; first != last; ++first)
        AddMacro(ky_BSB<char>(*first ? *first : ""));
}

} // namespace Kyvant
